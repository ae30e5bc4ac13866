#pragma once

// PDF files read back with poppler's tools: the words on each page with their
// boxes (pdftotext), the page count (pdfinfo) and grey pictures of the pages
// (pdftoppm). Lengths are in points from the page's top left corner.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <vector>

struct TPdfWord {
  QRectF box;
  QString text;
};

struct TPdfPage {
  QSizeF size;
  std::vector<TPdfWord> words;
};

// What a tool wrote to its standard output; empty when it failed.
inline QByteArray ToolOutput(const QString &program, const QStringList &arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
    return {};
  return process.readAllStandardOutput();
}

inline QString XmlText(QString text) {
  text.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
  text.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&apos;"), QLatin1String("'"));
  return text.replace(QLatin1String("&amp;"), QLatin1String("&"));
}

inline std::vector<TPdfPage> PdfPages(const QString &file) {
  const QString html = QString::fromUtf8(ToolOutput(QStringLiteral("pdftotext"), {"-bbox", file, "-"}));
  static const QRegularExpression item(
      QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">|<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" "
                     "xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  std::vector<TPdfPage> pages;
  for (const QRegularExpressionMatch &m : item.globalMatch(html)) {
    if (!m.captured(1).isEmpty()) {
      pages.push_back({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
    } else if (!pages.empty()) {
      const QPointF topLeft(m.captured(3).toDouble(), m.captured(4).toDouble());
      const QPointF bottomRight(m.captured(5).toDouble(), m.captured(6).toDouble());
      pages.back().words.push_back({QRectF(topLeft, bottomRight), XmlText(m.captured(7))});
    }
  }
  return pages;
}

// The page's lines of text from the top: words of one line joined by a blank.
inline std::vector<QString> PageLines(const TPdfPage &page) {
  std::map<long, QString> lines;  // by top in hundredths of a point
  for (const TPdfWord &word : page.words) {
    QString &line = lines[std::lround(word.box.top() * 100)];
    line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word.text;
  }
  std::vector<QString> text;
  for (const auto &[top, line] : lines) text.push_back(line);
  return text;
}

inline int PdfPageCount(const QString &file) {
  static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption);
  const QRegularExpressionMatch m = pages.match(QString::fromUtf8(ToolOutput(QStringLiteral("pdfinfo"), {file})));
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

// Each page as a picture at the given resolution.
inline std::vector<QImage> PdfPictures(const QString &file, int dotsPerInch) {
  QTemporaryDir dir;
  ToolOutput(QStringLiteral("pdftoppm"), {"-q", "-r", QString::number(dotsPerInch), file, dir.filePath("page")});
  std::vector<QImage> pictures;
  for (const QString &name : QDir(dir.path()).entryList({"page-*.ppm"}, QDir::Files, QDir::Name))
    pictures.push_back(QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32));
  return pictures;
}

inline int ColourDistance(QRgb a, QRgb b) {
  return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The pixels of two equally large pictures that differ by more than
// antialiasing: those of either with no pixel of nearly their colour within
// one pixel of their place in the other.
struct TMismatch {
  int count = 0;
  QPoint first;
  QRgb colours[2] = {0, 0};
};

inline TMismatch Mismatch(const QImage &a, const QImage &b) {
  constexpr int tolerance = 64;
  const auto near = [](const QImage &in, int x, int y, QRgb colour) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const int nx = std::clamp(x + dx, 0, in.width() - 1), ny = std::clamp(y + dy, 0, in.height() - 1);
        if (ColourDistance(in.pixel(nx, ny), colour) <= tolerance) return true;
      }
    return false;
  };
  TMismatch mismatch;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!near(b, x, y, a.pixel(x, y)) || !near(a, x, y, b.pixel(x, y))) {
        if (mismatch.count++ == 0) mismatch = {1, QPoint(x, y), {a.pixel(x, y), b.pixel(x, y)}};
      }
  return mismatch;
}

inline void PrintTo(const TMismatch &m, std::ostream *out) {
  *out << m.count << " pixels, the first at " << m.first.x() << "," << m.first.y() << ": " << std::hex << m.colours[0]
       << " and " << m.colours[1] << std::dec;
}

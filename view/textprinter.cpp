#include "textprinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>
#include <stdexcept>

TTextLayout::TTextLayout(Metrics metrics, double pageWidth, double pageHeight)
    : metrics_(std::move(metrics)), pageWidth_(pageWidth), pageHeight_(pageHeight) {}

std::vector<TTextLayout::Piece> TTextLayout::Lay(const std::vector<QString> &lines) {
  for (const QString &line : lines) {
    LayLine(line);
    EndLine();
  }
  return pieces_;
}

void TTextLayout::LayLine(const QString &line) {
  QString run;
  for (QChar c : line) {
    if (c == QLatin1Char('\r')) continue;
    if (c != QLatin1Char('\t') && c != QLatin1Char('\f')) {
      run += c;
      continue;
    }
    Put(run);
    run.clear();
    if (c == QLatin1Char('\f')) {
      NewPage();
    } else {
      const double tab = 8 * metrics_.averageWidth;
      x_ = (std::floor(x_ / tab) + 1) * tab;
    }
  }
  Put(run);
}

// Draws text at the current position, breaking it where the page ends.
void TTextLayout::Put(const QString &text) {
  QString rest = text;
  while (!rest.isEmpty()) {
    int fits = 0;
    while (fits < rest.size() && x_ + metrics_.width(rest.left(fits + 1)) <= pageWidth_) ++fits;
    if (fits == 0 && x_ == 0) fits = 1;  // a character wider than the page still goes somewhere
    if (fits > 0) {
      pieces_.push_back({page_, x_, y_, rest.left(fits)});
      x_ += metrics_.width(rest.left(fits));
      lineHasText_ = true;
      rest.remove(0, fits);
    }
    if (!rest.isEmpty()) EndLine();
  }
}

void TTextLayout::EndLine() {
  const double drawn = lineHasText_ ? metrics_.lineHeight : 0;
  y_ += lineHasText_ ? drawn + 2 : metrics_.lineHeight;
  x_ = 0;
  lineHasText_ = false;
  if (pageHeight_ - 2 * drawn < y_) NewPage();
}

void TTextLayout::NewPage() {
  ++page_;
  x_ = 0;
  y_ = 0;
}

void PrintTextLines(QPrinter &printer, const std::vector<QString> &lines) {
  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("Не удаётся начать печать на принтере по умолчанию");
  // The font of the layer selection list, in points so that it keeps its size
  // on the printer: Courier New 10, which Liberation Mono stands in for.
  const QFont font(QStringLiteral("Liberation Mono"), 10);
  painter.setFont(font);
  const QFontMetricsF metrics(font, &printer);
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  TTextLayout layout({[&metrics](const QString &text) { return metrics.horizontalAdvance(text); }, metrics.height(),
                      metrics.averageCharWidth()},
                     page.width(), page.height());
  int printedPage = 0;
  for (const TTextLayout::Piece &piece : layout.Lay(lines)) {
    for (; printedPage < piece.page; ++printedPage) printer.newPage();
    painter.drawText(QPointF(piece.x, piece.y + metrics.ascent()), piece.text);
  }
  if (!painter.end()) throw std::runtime_error("Ошибка печати");
}

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>

#include "output.h"
#include "pdfpages.h"
#include "qtprinting.h"
#include "textprinter.h"
#include "valuestable.h"
#include "viewfixture.h"

namespace {

class OutputTest : public ViewTest {
 protected:
  void SetUp() override {
    ViewTest::SetUp();
    ShowField(400, 300);
    SetBounds(-10, 10, -10, 10);
    const std::pair<const char *, TColor> layers[] = {{"x", 0x0000FF}, {"0-x", 0x00FF00}, {"5", 0xFF0000}};
    for (auto [expression, colour] : layers) AddLayer(expression, 20, colour, 4);
    ProjectLayers->SetVisible(1, false);
  }

  QString Path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }
  std::string Name(const char *name) const { return Path(name).toStdString(); }

  std::vector<bool> Shown() const {
    std::vector<bool> shown;
    for (int i = 0; i < 3; ++i) shown.push_back(FieldForm->FC->SeriesAt(i)->IsShown());
    return shown;
  }

 private:
  QTemporaryDir dir_;
};

int PixelsOf(const QImage &image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) ++count;
  return count;
}

TEST_F(OutputTest, ValuesFileHoldsTheTickedLayersInOrder) {
  WriteValuesFile(Name("values"), {true, false, true});
  QFile file(Path("values.txt"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  QByteArrayList headers;
  for (const QByteArray &line : text.split('\n'))
    if (line.startsWith("f(x)=")) headers << line;
  EXPECT_EQ(headers, QByteArrayList({"f(x)=x\r", "f(x)=5\r"}));
  // A header, the column titles, 20 rows and a blank line per layer.
  EXPECT_EQ(text.count("\r\n"), 2 * 23);
  EXPECT_TRUE(text.contains("   -10.00000      5.00000\r\n"));
  WriteValuesFile(Name("values.TXT"), {});
  EXPECT_TRUE(QFile::exists(Path("values.TXT.txt")));
  EXPECT_EQ(QFile(Path("values.TXT.txt")).size(), 0);
  try {
    WriteValuesFile(Name("missing/folder/values"), {true, true, true});
    ADD_FAILURE();
  } catch (const std::exception &error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
}

// The name is used as given: the ".bmp" rule is the save command's.
TEST_F(OutputTest, PictureShowsOnlyTheTickedLayersAndRestoresVisibility) {
  WritePictureFile(Name("graph.png"), {false, true, false});
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, true}));
  QFile file(Path("graph.png"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_GT(bytes.size(), 54);
  EXPECT_EQ(bytes.left(2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
  const QImage picture = QImage::fromData(bytes, "BMP");
  EXPECT_EQ(picture.size(), FieldForm->FC->size());
  EXPECT_EQ(PixelsOf(picture, Qt::red), 0);
  EXPECT_EQ(PixelsOf(picture, Qt::blue), 0);
  EXPECT_GT(PixelsOf(picture, Qt::green), 100);
}

// A PDF file as the printer, with margins of 10 mm.
std::unique_ptr<QPrinter> PdfPrinter(const QString &file, QPageSize::PageSizeId size,
                                     QPageLayout::Orientation orientation = QPageLayout::Portrait) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(file);
  printer->setPageLayout(QPageLayout(QPageSize(size), orientation, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
  return printer;
}

TEST_F(OutputTest, FailedOutputsStillRestoreVisibility) {
  EXPECT_THROW(WritePictureFile(Name("missing/graph"), {true, true, true}), std::runtime_error);
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, true}));
  EXPECT_THROW(PrintPicture(*PdfPrinter(Path("missing/graph.pdf"), QPageSize::A4), {true, true, true}),
               std::runtime_error);
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, true}));
  EXPECT_THROW(PrintValuesTable(*PdfPrinter(Path("missing/values.pdf"), QPageSize::A4), {&Project.Graph(0)}),
               std::runtime_error);
  // With no printer to print on, whether or not the printing service runs.
  setenv("LPDEST", "lumoplot-no-such-printer", 1);
  EXPECT_THROW(PrintPicture({true, true, true}), std::runtime_error);
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, true}));
  EXPECT_THROW(PrintValues({true, true, true}), std::runtime_error);
  unsetenv("LPDEST");
}

std::vector<QString> Simplified(const std::vector<QString> &lines, std::size_t from, std::size_t to) {
  std::vector<QString> text;
  for (std::size_t i = from; i < to; ++i)
    if (!lines[i].isEmpty()) text.push_back(lines[i].simplified());
  return text;
}

// Where the text channel starts the second page: each line end moves down by
// the line's height plus 2 pixels (an empty line by the font's height) and
// turns the page once less than twice that line's height (nothing for an empty
// line) is left below.
std::size_t SecondPageStart(const std::vector<QString> &lines, double pageHeight, double lineHeight) {
  double y = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    y += lines[i].isEmpty() ? lineHeight : lineHeight + 2;
    if (pageHeight - 2 * (lines[i].isEmpty() ? 0 : lineHeight) < y) return i + 1;
  }
  return lines.size();
}

double PointsToPixels(double points, const QPrinter &printer) { return points * printer.resolution() / 72.0; }

TEST_F(OutputTest, PrintedValuesAreTheTableLinesPageByPage) {
  const auto printer = PdfPrinter(Path("values.pdf"), QPageSize::A5);
  const std::vector<const TGraph *> graphs{&Project.Graph(0), &Project.Graph(1), &Project.Graph(2)};
  PrintValuesTable(*printer, graphs);
  const std::vector<QString> table = ValuesTableLines(graphs);
  const std::vector<TPdfPage> pages = PdfPages(Path("values.pdf"));
  ASSERT_EQ(pages.size(), 2u);
  // The lines of text stand a line height and 2 pixels apart.
  const std::vector<TPdfWord> &words = pages[0].words;
  ASSERT_GE(words.size(), 2u);
  EXPECT_NEAR(words[0].box.left(), 10 * 72 / 25.4, 0.5) << "from the printable area's top left";
  EXPECT_NEAR(words[0].box.top(), 10 * 72 / 25.4, 0.5);
  const double lineHeight = PointsToPixels(words[1].box.top() - words[0].box.top(), *printer) - 2;
  const double pageHeight = printer->pageLayout().paintRectPixels(printer->resolution()).height();
  const std::size_t second = SecondPageStart(table, pageHeight, lineHeight);
  ASSERT_FALSE(table[second - 1].isEmpty()) << "a page ending in text tests the rule for text";
  EXPECT_EQ(PageLines(pages[0]), Simplified(table, 0, second));
  EXPECT_EQ(PageLines(pages[1]), Simplified(table, second, table.size()));
}

// The channel on its own: a line too long for the page, tabs, a form feed.
TEST_F(OutputTest, PrintedTextWrapsTabsAndTurnsPages) {
  const auto printer = PdfPrinter(Path("text.pdf"), QPageSize::A5);
  const QString longLine = QString::fromUtf8("Значения функции на отрезке ").repeated(4);
  PrintTextLines(*printer, {longLine, "a\tb", "\tc\r", "x\fy"});
  const std::vector<TPdfPage> pages = PdfPages(Path("text.pdf"));
  ASSERT_EQ(pages.size(), 2u);
  // Courier New's letters are 0.6 of the font size wide: 6 points at 10 points.
  const double margin = 10 * 72 / 25.4, width = pages[0].size.width() - 2 * margin;
  const int fits = static_cast<int>(width / 6.0);
  const std::vector<QString> lines = PageLines(pages[0]);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[0], longLine.left(fits).simplified());
  EXPECT_EQ(lines[1], longLine.mid(fits).simplified());
  EXPECT_EQ(lines[2], "a b");
  EXPECT_EQ(lines[3], "c");
  EXPECT_EQ(lines[4], "x");
  for (const TPdfWord &word : pages[0].words) {
    if (word.text == "b" || word.text == "c") {
      EXPECT_NEAR(word.box.left(), margin + 8 * 6.0, 0.5) << word.text.toStdString();
    }
  }
  ASSERT_EQ(PageLines(pages[1]), std::vector<QString>{"y"});
  EXPECT_NEAR(pages[1].words[0].box.top(), margin, 0.5) << "a form feed starts at the top";
}

// The smallest rectangle holding every pixel of a picture that is not white.
QRect InkExtent(const QImage &picture) {
  QRect extent;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qGray(picture.pixel(x, y)) < 250) extent |= QRect(x, y, 1, 1);
  return extent;
}

struct ChartPageCase {
  QPageLayout::Orientation orientation;
  const char *name;
};

// The chart keeps its proportions, centred within margins of a tenth of the
// printable area, and is the picture that the screen shows of the ticked layers.
TEST_F(OutputTest, PrintedChartFillsThePageWithinMarginsAndLooksLikeTheScreen) {
  FieldForm->FC->SetBackgroundColors(QColor(0xC0, 0xC0, 0xC0), QColor(0xE0, 0xE0, 0xE0));
  const std::vector<bool> ticked{false, true, true};
  WritePictureFile(Name("screen.bmp"), ticked);
  const QImage screen = QImage(Path("screen.bmp")).convertToFormat(QImage::Format_RGB32);
  for (const ChartPageCase &c :
       {ChartPageCase{QPageLayout::Portrait, "portrait"}, ChartPageCase{QPageLayout::Landscape, "landscape"}}) {
    const QString file = Path(c.name) + ".pdf";
    PrintPicture(*PdfPrinter(file, QPageSize::A4, c.orientation), ticked);
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false, true})) << c.name;
    ASSERT_EQ(PdfPageCount(file), 1) << c.name;
    const QImage page = PdfPictures(file, 72)[0];  // a pixel a point
    const double margin = 10 * 72 / 25.4;
    const QRectF printable =
        QRectF(QPointF(0, 0), page.size()).marginsRemoved(QMarginsF(margin, margin, margin, margin));
    const QRectF area = printable.marginsRemoved(
        QMarginsF(printable.width() / 10, printable.height() / 10, printable.width() / 10, printable.height() / 10));
    const QSizeF size = QSizeF(screen.size()).scaled(area.size(), Qt::KeepAspectRatio);
    const QRectF expected(area.center() - QPointF(size.width() / 2, size.height() / 2), size);
    const QRect ink = InkExtent(page);
    for (auto [drawn, wanted] : {std::pair{ink.left(), expected.left()}, std::pair{ink.right() + 1, expected.right()},
                                 std::pair{ink.top(), expected.top()}, std::pair{ink.bottom() + 1, expected.bottom()}})
      EXPECT_NEAR(drawn, wanted, 1.5) << c.name;
    // Printed at a pixel of the page for a pixel of the chart, and both seen at
    // a quarter of that, so that dotted lines and glyphs need not meet pixel for pixel.
    const long dotsPerInch = std::lround(72 * screen.width() / size.width());
    const double scale = dotsPerInch / 72.0;
    const QImage drawn =
        PdfPictures(file, dotsPerInch)[0].copy(QRectF(expected.topLeft() * scale, expected.size() * scale).toRect());
    const QSize quarter = screen.size() / 4;
    const TMismatch mismatch = Mismatch(drawn.scaled(quarter, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                                        screen.scaled(quarter, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    EXPECT_LE(mismatch.count, quarter.width() * quarter.height() / 200)
        << c.name << ": " << testing::PrintToString(mismatch);
  }
}

struct LayoutCase {
  std::vector<QString> lines;
  std::vector<TTextLayout::Piece> pieces;
};

TEST(TextLayoutTest, LinesBreakTabAndTurnPagesAsATextChannel) {
  // 10 pixels a character, lines 12 high, a page 100 wide and 60 high.
  const TTextLayout::Metrics metrics{[](const QString &text) { return 10.0 * text.size(); }, 12, 10};
  const LayoutCase cases[] = {
      {{"abc", "de"}, {{0, 0, 0, "abc"}, {0, 0, 14, "de"}}},
      {{"aaaaaaaaaaaaa"}, {{0, 0, 0, "aaaaaaaaaa"}, {0, 0, 14, "aaa"}}},
      {{"", "x"}, {{0, 0, 12, "x"}}},
      {{"a\tb", "\tc\r"}, {{0, 0, 0, "a"}, {0, 80, 0, "b"}, {0, 80, 14, "c"}}},
      {{"a\fb"}, {{0, 0, 0, "a"}, {1, 0, 0, "b"}}},
      {{"1", "2", "3", "4"}, {{0, 0, 0, "1"}, {0, 0, 14, "2"}, {0, 0, 28, "3"}, {1, 0, 0, "4"}}},
  };
  for (const LayoutCase &c : cases) {
    TTextLayout layout(metrics, 100, 60);
    const auto pieces = layout.Lay(c.lines);
    ASSERT_EQ(pieces.size(), c.pieces.size()) << c.lines[0].toStdString();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      EXPECT_EQ(pieces[i].page, c.pieces[i].page) << c.lines[0].toStdString() << " piece " << i;
      EXPECT_EQ(pieces[i].x, c.pieces[i].x) << c.lines[0].toStdString() << " piece " << i;
      EXPECT_EQ(pieces[i].y, c.pieces[i].y) << c.lines[0].toStdString() << " piece " << i;
      EXPECT_EQ(pieces[i].text, c.pieces[i].text);
    }
  }
}

}  // namespace

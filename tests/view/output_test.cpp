#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include "output.h"
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
    for (int i = 0; i < 3; ++i) shown.push_back(FieldForm->FC->series(i)->isShown());
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
  EXPECT_EQ(file.readAll().toStdString(), ValuesTableText({&Project.Graph(0), &Project.Graph(2)}));
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

TEST_F(OutputTest, PictureShowsOnlyTheTickedLayersAndRestoresVisibility) {
  WritePictureFile(Name("graph"), {false, true, false});
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, true}));
  QFile file(Path("graph.bmp"));
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

TEST_F(OutputTest, FailedOutputsStillRestoreVisibility) {
  EXPECT_THROW(WritePictureFile(Name("missing/graph"), {true, true, true}), std::runtime_error);
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, true}));
  if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a default printer is installed";
  EXPECT_THROW(PrintPicture({true, true, true}), std::runtime_error);
  EXPECT_EQ(Shown(), (std::vector<bool>{true, false, true}));
  EXPECT_THROW(PrintValues({true, true, true}), std::runtime_error);
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

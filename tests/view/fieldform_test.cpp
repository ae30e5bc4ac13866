#include <QImage>
#include <QTest>

#include "projectlayers.h"
#include "viewfixture.h"

namespace {

class FieldFormTest : public ViewTest {};

TEST_F(FieldFormTest, CursorReadOutCoversThePlotAreaBordersIncluded) {
  ShowField(400, 300);
  Chart &fc = *FieldForm->FC;
  QTest::mouseMove(&fc, QPoint(200, 150));
  EXPECT_EQ(FieldForm->StatusText(), OutsideCursorText());
  SetBounds(-10, 10, -10, 10);
  const QRect area = fc.plotArea();
  QTest::mouseMove(&fc, QPoint(area.right(), area.center().y()));
  EXPECT_TRUE(FieldForm->StatusText().startsWith(QStringLiteral("Текущие координаты курсора: 10,0000 : ")))
      << FieldForm->StatusText().toStdString();
  QTest::mouseMove(&fc, QPoint(area.right() + 1, area.center().y()));
  EXPECT_EQ(FieldForm->StatusText(), OutsideCursorText());
  QTest::mouseMove(&fc, QPoint(area.left(), area.bottom()));
  EXPECT_EQ(FieldForm->StatusText(), QStringLiteral("Текущие координаты курсора: -10,0000 : -10,0000"));
}

TEST_F(FieldFormTest, ScrollStopsShortOfTheBoundInsteadOfPassingIt) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  Chart &fc = *FieldForm->FC;
  fc.setRange(ChartAxis::Bottom, 0, 9.7);
  const double pixelsPerUnit = fc.plotArea().width() / 9.7;
  const QPoint start = fc.plotArea().center();
  const auto drag = [&](int dx) {
    QTest::mousePress(&fc, Qt::RightButton, {}, start);
    QTest::mouseMove(&fc, start + QPoint(dx, 0));
    QTest::mouseRelease(&fc, Qt::RightButton, {}, start + QPoint(dx, 0));
  };
  drag(-static_cast<int>(0.5 * pixelsPerUnit));  // would carry the view 0.2 past MaxX
  EXPECT_EQ(fc.maximum(ChartAxis::Bottom), 9.7);
  EXPECT_EQ(fc.minimum(ChartAxis::Bottom), 0);
  drag(-static_cast<int>(0.2 * pixelsPerUnit));
  EXPECT_GT(fc.maximum(ChartAxis::Bottom), 9.7);
  EXPECT_LE(fc.maximum(ChartAxis::Bottom), 10);
}

TEST_F(FieldFormTest, ZoomBeyondThePlotAreaIsPulledBackToTheRegion) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  Chart &fc = *FieldForm->FC;
  const QRect area = fc.plotArea();
  const QPoint from = area.center();
  QTest::mousePress(&fc, Qt::LeftButton, {}, from);
  QTest::mouseMove(&fc, QPoint(area.right() + 30, area.bottom() + 30));
  QTest::mouseRelease(&fc, Qt::LeftButton, {}, QPoint(area.right() + 30, area.bottom() + 30));
  EXPECT_EQ(fc.maximum(ChartAxis::Bottom), 10);
  EXPECT_EQ(fc.minimum(ChartAxis::Left), -10);
  EXPECT_LT(fc.minimum(ChartAxis::Bottom), 1);
  EXPECT_GT(fc.minimum(ChartAxis::Bottom), -1);
}

// The most dark pixels along one of the three columns (or rows) around a line.
int DarkPixels(const QImage &image, bool column, int at, const QRect &area) {
  const int from = column ? area.top() + 5 : area.left() + 5, to = column ? area.bottom() - 5 : area.right() - 5;
  int most = 0;
  for (int line = at - 1; line <= at + 1; ++line) {
    int dark = 0;
    for (int i = from; i <= to; ++i) {
      const QColor c = column ? image.pixelColor(line, i) : image.pixelColor(i, line);
      if (c.lightness() < 60) ++dark;
    }
    most = std::max(most, dark);
  }
  return most;
}

struct SecondAxesCase {
  double minY, maxY;
  bool drawSecondAxes;
  bool vertical, horizontal;
};

TEST_F(FieldFormTest, SecondAxesCrossAtTheOriginWhenInView) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  Chart &fc = *FieldForm->FC;
  for (const SecondAxesCase &c : {SecondAxesCase{1, 9, true, true, false}, SecondAxesCase{-1, 9, true, true, true},
                                  SecondAxesCase{-1, 9, false, false, false}}) {
    FieldForm->SetDrawSecondAxes(c.drawSecondAxes);
    fc.setRange(ChartAxis::Bottom, -5, 5);
    fc.setRange(ChartAxis::Left, c.minY, c.maxY);
    fc.redrawNow();
    const QImage image = fc.toImage();
    const QRect area = fc.plotArea();
    const int column = static_cast<int>(std::lround(fc.valueToPixel(ChartAxis::Bottom, 0)));
    const int row = static_cast<int>(std::lround(fc.valueToPixel(ChartAxis::Left, 0)));
    const int length = area.height() - 10;
    EXPECT_EQ(DarkPixels(image, true, column, area) > length * 9 / 10, c.vertical) << c.minY;
    if (c.minY < 0) {
      EXPECT_EQ(DarkPixels(image, false, row, area) > (area.width() - 10) * 9 / 10, c.horizontal);
    }
  }
}

}  // namespace

namespace {

TEST_F(FieldFormTest, CurvesAreDrawnOverTheSecondAxes) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  AddLayer("x/2", 200, 0x0000FF, 3);
  for (bool second : {false, true}) {
    FieldForm->SetDrawSecondAxes(second);
    FieldForm->FC->redrawNow();
    const QImage image = FieldForm->FC->toImage();
    int red = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixelColor(x, y) == QColor(Qt::red)) ++red;
    EXPECT_GT(red, 300) << "second axes " << second;
  }
}

}  // namespace

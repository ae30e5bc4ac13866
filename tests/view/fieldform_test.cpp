#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>
#include <vector>

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
  const QRect area = fc.PlotArea();
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
  fc.SetRange(ChartAxis::Bottom, 0, 9.7);
  const double pixelsPerUnit = fc.PlotArea().width() / 9.7;
  const QPoint start = fc.PlotArea().center();
  const auto drag = [&](int dx) {
    QTest::mousePress(&fc, Qt::RightButton, {}, start);
    QTest::mouseMove(&fc, start + QPoint(dx, 0));
    QTest::mouseRelease(&fc, Qt::RightButton, {}, start + QPoint(dx, 0));
  };
  drag(-static_cast<int>(0.5 * pixelsPerUnit));  // would carry the view 0.2 past MaxX
  EXPECT_EQ(fc.Maximum(ChartAxis::Bottom), 9.7);
  EXPECT_EQ(fc.Minimum(ChartAxis::Bottom), 0);
  drag(-static_cast<int>(0.2 * pixelsPerUnit));
  EXPECT_GT(fc.Maximum(ChartAxis::Bottom), 9.7);
  EXPECT_LE(fc.Maximum(ChartAxis::Bottom), 10);
}

TEST_F(FieldFormTest, ZoomBeyondThePlotAreaIsPulledBackToTheRegion) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  Chart &fc = *FieldForm->FC;
  const QRect area = fc.PlotArea();
  const QPoint from = area.center();
  QTest::mousePress(&fc, Qt::LeftButton, {}, from);
  QTest::mouseMove(&fc, QPoint(area.right() + 30, area.bottom() + 30));
  QTest::mouseRelease(&fc, Qt::LeftButton, {}, QPoint(area.right() + 30, area.bottom() + 30));
  EXPECT_EQ(fc.Maximum(ChartAxis::Bottom), 10);
  EXPECT_EQ(fc.Minimum(ChartAxis::Left), -10);
  EXPECT_LT(fc.Minimum(ChartAxis::Bottom), 1);
  EXPECT_GT(fc.Minimum(ChartAxis::Bottom), -1);
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
    fc.SetRange(ChartAxis::Bottom, -5, 5);
    fc.SetRange(ChartAxis::Left, c.minY, c.maxY);
    fc.RedrawNow();
    const QImage image = fc.ToImage();
    const QRect area = fc.PlotArea();
    const int column = static_cast<int>(std::lround(fc.ValueToPixel(ChartAxis::Bottom, 0)));
    const int row = static_cast<int>(std::lround(fc.ValueToPixel(ChartAxis::Left, 0)));
    const int length = area.height() - 10;
    EXPECT_EQ(DarkPixels(image, true, column, area) > length * 9 / 10, c.vertical) << c.minY;
    if (c.minY < 0) {
      EXPECT_EQ(DarkPixels(image, false, row, area) > (area.width() - 10) * 9 / 10, c.horizontal);
    }
  }
}

}  // namespace

namespace {

// A curve along y = 0 lies over the axis copy through the origin and hides it.
TEST_F(FieldFormTest, CurvesAreDrawnOverTheSecondAxes) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  AddLayer("0*x", 200, 0x0000FF, 3);
  FieldForm->SetDrawSecondAxes(true);
  FieldForm->FC->RedrawNow();
  const QImage image = FieldForm->FC->ToImage();
  const QRect area = FieldForm->FC->PlotArea();
  const int row = static_cast<int>(std::lround(FieldForm->FC->ValueToPixel(ChartAxis::Left, 0)));
  int red = 0;
  for (int x = area.left() + 5; x <= area.right() - 5; ++x) red += image.pixelColor(x, row) == QColor(Qt::red);
  EXPECT_EQ(red, area.width() - 10);
}

}  // namespace

namespace {

void Wheel(QWidget &widget, QPoint at, int notches, Qt::KeyboardModifiers modifiers = {}) {
  QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, modifiers,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&widget, &event);
}

bool Inside(const TView &view, const TView &region) {
  return region.MinX <= view.MinX && view.MaxX <= region.MaxX && region.MinY <= view.MinY && view.MaxY <= region.MaxY;
}

// Zooming out at a corner would carry the view past the region's sides; it is
// moved back inside instead, and the navigator follows every notch.
TEST_F(FieldFormTest, WheelZoomsAboutThePointerWithinTheRegion) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  AddLayer("x", 100);
  Chart &fc = *FieldForm->FC;
  const TView region = FieldForm->Region();
  Wheel(fc, fc.PlotArea().bottomLeft(), 3);
  const TView zoomed = FieldForm->View();
  EXPECT_NEAR(zoomed.MaxX - zoomed.MinX, 20 * 0.512, 1e-9);
  EXPECT_NEAR(zoomed.MinX, -10, 0.1);
  EXPECT_NEAR(zoomed.MinY, -10, 0.1);
  QCoreApplication::processEvents();
  EXPECT_EQ(ScaleForm->XLabel->text(), QStringLiteral("195%"));
  // The labels, and with them the plot area, change with the view.
  for (QPoint (QRect::*corner)() const : {&QRect::topRight, &QRect::bottomRight, &QRect::topLeft}) {
    Wheel(fc, (fc.PlotArea().*corner)(), -1);
    EXPECT_TRUE(Inside(FieldForm->View(), region));
  }
  Wheel(fc, fc.PlotArea().topRight(), -5);
  EXPECT_EQ(FieldForm->View(), region);
  // Shift zooms X only, Ctrl Y only; the reverse drag restores the view from
  // before the first zoom.
  const QPoint centre = fc.PlotArea().center();
  Wheel(fc, centre, 1, Qt::ShiftModifier);
  EXPECT_LT(FieldForm->View().MaxX - FieldForm->View().MinX, 20);
  EXPECT_EQ(FieldForm->View().MaxY - FieldForm->View().MinY, 20);
  Wheel(fc, centre, 1, Qt::ControlModifier);
  EXPECT_LT(FieldForm->View().MaxY - FieldForm->View().MinY, 20);
  QTest::mousePress(&fc, Qt::LeftButton, {}, centre);
  QTest::mouseMove(&fc, centre - QPoint(40, 40));
  QTest::mouseRelease(&fc, Qt::LeftButton, {}, centre - QPoint(40, 40));
  EXPECT_EQ(FieldForm->View(), region);
}

// Views left by keys, drags and the wheel are gone back to and forward to in
// order; a new project starts without them.
TEST_F(FieldFormTest, KeysMoveTheViewAndGoThroughItsHistory) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  AddLayer("x", 100);
  Chart &fc = *FieldForm->FC;
  const TView region = FieldForm->Region();
  QTest::keyClick(&fc, Qt::Key_Plus);
  const TView zoomed = FieldForm->View();
  EXPECT_NEAR(zoomed.MinX, -8, 0.05);
  EXPECT_NEAR(zoomed.MaxY, 8, 0.05);
  QTest::keyClick(&fc, Qt::Key_Right);
  const TView scrolled = FieldForm->View();
  EXPECT_NEAR(scrolled.MinX - zoomed.MinX, 1.6, 0.05);
  QTest::keyClick(&fc, Qt::Key_Up);
  EXPECT_NEAR(FieldForm->View().MinY - scrolled.MinY, 1.6, 0.05);
  QTest::keyClick(&fc, Qt::Key_Down);
  const std::vector<std::pair<Qt::Key, TView>> steps = {{Qt::Key_Left, scrolled}, {Qt::Key_Left, zoomed},
                                                        {Qt::Key_Left, region},   {Qt::Key_Left, region},
                                                        {Qt::Key_Right, zoomed},  {Qt::Key_Right, scrolled}};
  QTest::keyClick(&fc, Qt::Key_Left, Qt::AltModifier);  // undoes the last step down
  for (const auto &[key, view] : steps) {
    QTest::keyClick(&fc, key, Qt::AltModifier);
    EXPECT_EQ(FieldForm->View(), view);
  }
  QTest::keyClick(&fc, Qt::Key_Home);
  EXPECT_EQ(FieldForm->View(), region);
  QTest::keyClick(&fc, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(FieldForm->View(), scrolled);
  ProjectLayers->Clear();
  SetBounds(-5, 5, -5, 5);
  QTest::keyClick(&fc, Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(FieldForm->View(), FieldForm->Region());
}

struct TipCase {
  std::vector<const char *> Layers;  // 21 samples over [-10, 10] each
  double X, Y;                       // where the pointer rests
  QString Tip;
  bool Marker;
};

// What a resting pointer is told: the nearest curve's sample at its x (the
// error code of an invalid one), or a point of interest within reach.
TEST_F(FieldFormTest, ToolTipTellsTheValueOrThePointUnderThePointer) {
  const std::vector<TipCase> cases = {
      {{"ln(x)"}, -5, 0, QStringLiteral("ln(x)\nx = -5,00000000\nОшибка: 33"), false},
      {{"x/2", "0-x/2"}, 4.2, 1.5, QStringLiteral("x/2\nx = 4,00000000\ny = 2,00000000"), false},
      {{"x/2", "0-x/2"}, 4.2, -1.5, QStringLiteral("0-x/2\nx = 4,00000000\ny = -2,00000000"), false},
      {{"sin(x)"}, 1.5707963, 1, QStringLiteral("Максимум: sin(x)\nx = 1,57079633\ny = 1,00000000"), true},
      {{"sin(x)", "cos(x)"},
       0.7854,
       0.7071,
       QStringLiteral("Пересечение: sin(x) и cos(x)\nx = 0,78539816\ny = 0,70710678"),
       true},
      {{"x^2-2"}, 1.41, 0, QStringLiteral("Нуль: x^2-2\nx = 1,41421356\ny = 0,00000000"), true},
  };
  ShowField(400, 300);
  Chart &fc = *FieldForm->FC;
  for (const TipCase &c : cases) {
    SCOPED_TRACE(c.Tip.toStdString());
    ProjectLayers->Clear();
    SetBounds(-10, 10, -10, 10);
    for (const char *layer : c.Layers) AddLayer(layer, 21);
    const QPoint at(static_cast<int>(std::lround(fc.ValueToPixel(ChartAxis::Bottom, c.X))),
                    static_cast<int>(std::lround(fc.ValueToPixel(ChartAxis::Left, c.Y))));
    QTest::mouseMove(&fc, at);
    QHelpEvent rest(QEvent::ToolTip, at, fc.mapToGlobal(at));
    QApplication::sendEvent(&fc, &rest);
    EXPECT_EQ(QToolTip::text(), c.Tip);
    const auto markerShown = [&] {
      bool shown = false;
      for (const QWidget *child : fc.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        shown |= child->isVisible() && child->width() < 20 && child->geometry().contains(at);
      return shown;
    };
    EXPECT_EQ(markerShown(), c.Marker);
    // The marker goes with the view it was shown in.
    Wheel(fc, at, 1);
    fc.RedrawNow();
    EXPECT_FALSE(markerShown());
  }
}

TEST_F(FieldFormTest, CtrlCCopiesThePictureAsDrawn) {
  ShowField(400, 300);
  SetBounds(-10, 10, -10, 10);
  AddLayer("sin(x)", 500, 0x00FF00, 2);
  Chart &fc = *FieldForm->FC;
  fc.RedrawNow();
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(&fc, Qt::Key_C, Qt::ControlModifier);
  const QImage copied = QGuiApplication::clipboard()->image();
  EXPECT_EQ(copied.width(), fc.width());
  EXPECT_EQ(copied.height(), fc.height());
  EXPECT_EQ(copied.convertToFormat(QImage::Format_RGB32), fc.grab().toImage().convertToFormat(QImage::Format_RGB32));
}

}  // namespace

#include <QSignalSpy>

#include <optional>
#include <vector>

#include "chartfixture.h"

namespace {

struct Ranges {
  double bottomMin, bottomMax, leftMin, leftMax;
};

Ranges RangesOf(const Chart &chart) {
  return {chart.Minimum(ChartAxis::Bottom), chart.Maximum(ChartAxis::Bottom), chart.Minimum(ChartAxis::Left),
          chart.Maximum(ChartAxis::Left)};
}

void ExpectRanges(const Chart &chart, const Ranges &expected, double tolerance = 1e-9) {
  const Ranges actual = RangesOf(chart);
  EXPECT_NEAR(actual.bottomMin, expected.bottomMin, tolerance);
  EXPECT_NEAR(actual.bottomMax, expected.bottomMax, tolerance);
  EXPECT_NEAR(actual.leftMin, expected.leftMin, tolerance);
  EXPECT_NEAR(actual.leftMax, expected.leftMax, tolerance);
}

enum class Outcome { Zoom, Undo, Nothing };

struct ZoomDragCase {
  const char *name;
  Qt::MouseButton button;
  bool zoomEnabled;
  QPoint drag;
  Outcome outcome;
};

void PrintTo(const ZoomDragCase &c, std::ostream *os) { *os << c.name; }

class ChartZoomDragTest : public ChartTest, public testing::WithParamInterface<ZoomDragCase> {};

// A left drag down and to the right by more than 16 pixels both ways zooms to the dragged
// rectangle; one of that size in any other direction undoes the zoom; anything shorter, any
// other button, or any drag while zooming is off leaves the view alone. The chart is zoomed once
// already, so that undoing shows where it returns to.
TEST_P(ChartZoomDragTest, ZoomsUndoesOrIgnores) {
  const ZoomDragCase &c = GetParam();
  const Ranges original = RangesOf(chart);
  const QRect area = chart.PlotArea();
  chart.ZoomToPixels(area.left() + 10, area.top() + 10, area.right() - 10, area.bottom() - 10);
  const Ranges zoomedOnce = RangesOf(chart);
  ASSERT_TRUE(chart.IsZoomed());
  chart.SetZoomEnabled(c.zoomEnabled);

  const QPoint from = area.center(), to = from + c.drag;
  ASSERT_TRUE(area.contains(to));
  const Ranges dragged = {chart.PixelToValue(ChartAxis::Bottom, from.x()),
                          chart.PixelToValue(ChartAxis::Bottom, to.x()), chart.PixelToValue(ChartAxis::Left, to.y()),
                          chart.PixelToValue(ChartAxis::Left, from.y())};
  QSignalSpy zoomed(&chart, &Chart::Zoomed);
  Drag(c.button, from, to);

  switch (c.outcome) {
    case Outcome::Zoom:
      ExpectRanges(chart, dragged);
      EXPECT_EQ(zoomed.count(), 1);
      EXPECT_TRUE(chart.IsZoomed());
      chart.UndoZoom();
      ExpectRanges(chart, original);
      break;
    case Outcome::Undo:
      ExpectRanges(chart, original);
      EXPECT_EQ(zoomed.count(), 0);
      EXPECT_FALSE(chart.IsZoomed());
      break;
    case Outcome::Nothing:
      ExpectRanges(chart, zoomedOnce);
      EXPECT_EQ(zoomed.count(), 0);
      EXPECT_TRUE(chart.IsZoomed());
      break;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Drags, ChartZoomDragTest,
    testing::Values(ZoomDragCase{"DownRight", Qt::LeftButton, true, {120, 80}, Outcome::Zoom},
                    ZoomDragCase{"DownRightJustBeyond", Qt::LeftButton, true, {17, 17}, Outcome::Zoom},
                    ZoomDragCase{"DownRightWidthAtLimit", Qt::LeftButton, true, {16, 60}, Outcome::Nothing},
                    ZoomDragCase{"DownRightHeightAtLimit", Qt::LeftButton, true, {60, 16}, Outcome::Nothing},
                    ZoomDragCase{"UpLeft", Qt::LeftButton, true, {-100, -80}, Outcome::Undo},
                    ZoomDragCase{"UpRight", Qt::LeftButton, true, {100, -80}, Outcome::Undo},
                    ZoomDragCase{"DownLeft", Qt::LeftButton, true, {-100, 80}, Outcome::Undo},
                    ZoomDragCase{"UpLeftJustBeyond", Qt::LeftButton, true, {-17, -17}, Outcome::Undo},
                    ZoomDragCase{"UpLeftWidthAtLimit", Qt::LeftButton, true, {-16, -60}, Outcome::Nothing},
                    ZoomDragCase{"UpLeftHeightAtLimit", Qt::LeftButton, true, {-60, -16}, Outcome::Nothing},
                    ZoomDragCase{"DownRightWhileOff", Qt::LeftButton, false, {120, 80}, Outcome::Nothing},
                    ZoomDragCase{"UpLeftWhileOff", Qt::LeftButton, false, {-100, -80}, Outcome::Nothing},
                    ZoomDragCase{"DownRightMiddleButton", Qt::MiddleButton, true, {120, 80}, Outcome::Nothing}),
    [](const auto &info) { return std::string(info.param.name); });

// Each pair of sides is put in order, so any two opposite corners give the same zoom; undoing
// returns to the ranges from before the first of several zooms.
TEST_F(ChartTest, ZoomToPixelsTakesCornersInAnyOrder) {
  const Ranges original = RangesOf(chart);
  const int left = 100, top = 50, right = 300, bottom = 200;
  const Ranges expected = {chart.PixelToValue(ChartAxis::Bottom, left), chart.PixelToValue(ChartAxis::Bottom, right),
                           chart.PixelToValue(ChartAxis::Left, bottom), chart.PixelToValue(ChartAxis::Left, top)};
  const int corners[][4] = {
      {left, top, right, bottom}, {right, top, left, bottom}, {left, bottom, right, top}, {right, bottom, left, top}};
  for (const auto &c : corners) {
    SCOPED_TRACE(testing::Message() << c[0] << " " << c[1] << " " << c[2] << " " << c[3]);
    EXPECT_FALSE(chart.IsZoomed());
    QSignalSpy zoomed(&chart, &Chart::Zoomed);
    chart.ZoomToPixels(c[0], c[1], c[2], c[3]);
    ExpectRanges(chart, expected);
    EXPECT_EQ(zoomed.count(), 1);
    EXPECT_TRUE(chart.IsZoomed());
    chart.ZoomToPixels(120, 60, 200, 90);
    chart.UndoZoom();
    ExpectRanges(chart, original);
    EXPECT_FALSE(chart.IsZoomed());
  }
  chart.UndoZoom();
  ExpectRanges(chart, original);
}

struct Offer {
  ChartAxis axis;
  double minimum, maximum;
};

struct ScrollCase {
  const char *name;
  QPoint drag;
};

void PrintTo(const ScrollCase &c, std::ostream *os) { *os << c.name; }

class ChartScrollTest : public ChartTest, public testing::WithParamInterface<ScrollCase> {
 protected:
  void SetUp() override {
    ChartTest::SetUp();
    chart.SetScrollPermission([this](ChartAxis axis, double minimum, double maximum) {
      offers.push_back({axis, minimum, maximum});
      return axis != refused;
    });
  }

  // Ranges after the picture follows the mouse by a movement: the ranges move the other way.
  Ranges Followed(QPoint movement) const {
    const auto shifted = [&](ChartAxis axis, int pixels) {
      const double min = chart.Minimum(axis), max = chart.Maximum(axis);
      const double pixelsPerUnit = (chart.ValueToPixel(axis, max) - chart.ValueToPixel(axis, min)) / (max - min);
      return std::pair(min - pixels / pixelsPerUnit, max - pixels / pixelsPerUnit);
    };
    const auto [bottomMin, bottomMax] = shifted(ChartAxis::Bottom, movement.x());
    const auto [leftMin, leftMax] = shifted(ChartAxis::Left, movement.y());
    return {bottomMin, bottomMax, leftMin, leftMax};
  }

  // One movement between press and release, so the permission is asked once per axis.
  void RightDrag(QPoint from, QPoint to) {
    QTest::mousePress(&chart, Qt::RightButton, Qt::NoModifier, from);
    QTest::mouseMove(&chart, to);
    QTest::mouseRelease(&chart, Qt::RightButton, Qt::NoModifier, to);
  }

  std::vector<Offer> offers;
  std::optional<ChartAxis> refused;
};

// A right drag moves the picture with the mouse; the permission sees each axis's new range.
TEST_P(ChartScrollTest, RightDragMovesThePicture) {
  const QPoint from = chart.PlotArea().center();
  const Ranges expected = Followed(GetParam().drag);
  RightDrag(from, from + GetParam().drag);
  ExpectRanges(chart, expected);
  EXPECT_TRUE(chart.IsZoomed());
  const Offer wanted[] = {{ChartAxis::Bottom, expected.bottomMin, expected.bottomMax},
                          {ChartAxis::Left, expected.leftMin, expected.leftMax}};
  ASSERT_EQ(offers.size(), std::size(wanted));
  for (size_t i = 0; i < offers.size(); ++i) {
    EXPECT_EQ(offers[i].axis, wanted[i].axis);
    EXPECT_NEAR(offers[i].minimum, wanted[i].minimum, 1e-9);
    EXPECT_NEAR(offers[i].maximum, wanted[i].maximum, 1e-9);
  }
}

INSTANTIATE_TEST_SUITE_P(Movements, ChartScrollTest,
                         testing::Values(ScrollCase{"RightAndUp", {30, -20}}, ScrollCase{"LeftAndDown", {-25, 40}},
                                         ScrollCase{"OnePixel", {1, 1}}),
                         [](const auto &info) { return std::string(info.param.name); });

// Each axis is asked on its own: a refused axis keeps its whole range (the step is not
// shortened), the other still moves by the full step.
TEST_F(ChartScrollTest, ARefusedAxisStaysWhileTheOtherMoves) {
  const Ranges original = RangesOf(chart);
  const QPoint from = chart.PlotArea().center();
  const QPoint movement(30, -20);
  const Ranges moved = Followed(movement);
  for (ChartAxis axis : {ChartAxis::Bottom, ChartAxis::Left}) {
    refused = axis;
    RightDrag(from, from + movement);
    const bool bottomMoves = axis != ChartAxis::Bottom;
    ExpectRanges(
        chart, {bottomMoves ? moved.bottomMin : original.bottomMin, bottomMoves ? moved.bottomMax : original.bottomMax,
                bottomMoves ? original.leftMin : moved.leftMin, bottomMoves ? original.leftMax : moved.leftMax});
    EXPECT_TRUE(chart.IsZoomed());
    chart.UndoZoom();
    ExpectRanges(chart, original);
  }
}

// A right drag moves nothing while scrolling is off, not asking, or when both axes are refused.
TEST_F(ChartScrollTest, RightDragThatMayNotScrollMovesNothing) {
  const Ranges original = RangesOf(chart);
  const QPoint from = chart.PlotArea().center();
  chart.SetScrollEnabled(false);
  RightDrag(from, from + QPoint(30, -20));
  EXPECT_TRUE(offers.empty());
  chart.SetScrollEnabled(true);
  chart.SetScrollPermission([](ChartAxis, double, double) { return false; });
  RightDrag(from, from + QPoint(30, -20));
  ExpectRanges(chart, original);
  EXPECT_FALSE(chart.IsZoomed());
}

// Scrolls and zooms in any mix are undone together, back to where the first of them started,
// whether by undoZoom or by a drag up and to the left.
TEST_F(ChartScrollTest, UndoReturnsToTheRangesBeforeTheFirstScroll) {
  const Ranges original = RangesOf(chart);
  chart.SetZoomEnabled(true);
  const QPoint centre = chart.PlotArea().center();
  for (bool byMouse : {false, true}) {
    SCOPED_TRACE(byMouse ? "undone by a drag" : "undone by undoZoom");
    Drag(Qt::RightButton, centre, centre + QPoint(40, 25));
    Drag(Qt::RightButton, centre, centre + QPoint(-15, -50));
    Drag(Qt::LeftButton, centre, centre + QPoint(60, 60));
    Drag(Qt::RightButton, centre, centre + QPoint(20, 0));
    EXPECT_NE(chart.Minimum(ChartAxis::Bottom), original.bottomMin);
    EXPECT_NE(chart.Minimum(ChartAxis::Left), original.leftMin);
    ASSERT_TRUE(chart.IsZoomed());
    if (byMouse)
      Drag(Qt::LeftButton, centre, centre - QPoint(60, 60));
    else
      chart.UndoZoom();
    ExpectRanges(chart, original);
    EXPECT_FALSE(chart.IsZoomed());
  }
}

// Every movement is reported in the chart's pixels, whether a button is held or not.
TEST_F(ChartTest, MouseMovesAreReportedInPixels) {
  QSignalSpy moved(&chart, &Chart::MouseMoved);
  const QPoint hovered[] = {{0, 0}, {10, 290}, {200, 150}, {399, 299}};
  for (const QPoint &at : hovered) HoverTo(at);
  const QPoint from = chart.PlotArea().center();
  Drag(Qt::RightButton, from, from + QPoint(30, -20));
  const QPoint reported[] = {
      hovered[0], hovered[1], hovered[2], hovered[3], from + QPoint(15, -10), from + QPoint(30, -20)};
  ASSERT_EQ(moved.count(), static_cast<int>(std::size(reported)));
  for (int i = 0; i < moved.count(); ++i) EXPECT_EQ(moved.at(i).at(0).toPoint(), reported[i]) << i;
}

}  // namespace

#include <QPainter>
#include <QSignalSpy>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "chartfixture.h"
#include "rasterpipeline.h"
#include "strokedruns.h"

namespace {

const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 160, 0), magenta(255, 0, 255);

LineSeries *AddLine(Chart &chart, std::vector<ChartPoint> points, const QColor &color, int width) {
  auto series = std::make_unique<LineSeries>();
  series->SetPoints(std::move(points));
  series->SetColor(color);
  series->SetWidth(width);
  series->SetTitle(QStringLiteral("line"));
  return chart.AddSeries(std::move(series));
}

// Pixels of the column through a value on the bottom axis, over the rows of the plot area.
QRect ColumnAt(const Chart &chart, double x) {
  const QRect area = chart.PlotArea();
  const int column = static_cast<int>(std::floor(chart.ValueToPixel(ChartAxis::Bottom, x)));
  return QRect(column, area.top() + 3, 1, area.height() - 6);
}

// A null point ends one run and the next point starts another: each run is drawn in the
// series's colour, nothing is drawn between them.
TEST_F(ChartTest, NullPointSplitsALineIntoTwoRuns) {
  ClearBackground();
  AddLine(chart, {{1, 5}, {4, 5}, ChartPoint::NullAt(5), {6, 5}, {9, 5}}, red, 3);
  const QImage image = chart.ToImage();
  for (double x : {1.5, 2.5, 3.5, 6.5, 7.5, 8.5}) {
    EXPECT_TRUE(ColorNear(image, PixelOf(x, 5), red, 1)) << x;
    EXPECT_NEAR(Ink(image, ColumnAt(chart, x), red), 3, 0.35) << x;
  }
  for (double x : {4.6, 5.0, 5.4}) EXPECT_EQ(Ink(image, ColumnAt(chart, x), red), 0) << x;
}

class ChartLineWidthTest : public ChartTest, public testing::WithParamInterface<std::pair<int, int>> {};

// A horizontal line covers as many rows of a column as its width is, taken into 1..4.
TEST_P(ChartLineWidthTest, LineCoversItsWidth) {
  const auto [asked, drawn] = GetParam();
  ClearBackground();
  LineSeries *line = AddLine(chart, {{1, 5.3}, {9, 5.3}}, red, asked);
  EXPECT_EQ(line->Width(), drawn);
  const QImage image = chart.ToImage();
  for (double x : {2.0, 5.0, 8.0}) EXPECT_NEAR(Ink(image, ColumnAt(chart, x), red), drawn, 0.35) << x;
  if (drawn >= 2) {
    EXPECT_TRUE(ColorNear(image, PixelOf(5, 5.3), red, 0));
  }
}

INSTANTIATE_TEST_SUITE_P(Widths, ChartLineWidthTest,
                         testing::Values(std::pair(1, 1), std::pair(2, 2), std::pair(3, 3), std::pair(4, 4),
                                         std::pair(0, 1), std::pair(7, 4)),
                         [](const auto &info) {
                           return "Asked" + std::to_string(info.param.first) + "Drawn" +
                                  std::to_string(info.param.second);
                         });

// A hidden series is neither drawn nor listed in the legend, so its colour appears nowhere.
TEST_F(ChartTest, HiddenSeriesDrawsNothing) {
  chart.SetGridShown(ChartAxis::Bottom, false);
  chart.SetGridShown(ChartAxis::Left, false);
  LineSeries *line = AddLine(chart, {{1, 1}, {9, 9}}, red, 4);
  EXPECT_GT(PixelsOf(chart.ToImage(), chart.rect(), red), 100);
  line->SetShown(false);
  EXPECT_EQ(PixelsOf(chart.ToImage(), chart.rect(), red), 0);
}

struct OrderCase {
  const char *name;
  std::function<void(Chart &)> rearrange;
  bool horizontalOnTop;  // the horizontal line is added first, the vertical one second
};

void PrintTo(const OrderCase &c, std::ostream *os) { *os << c.name; }

class ChartSeriesOrderTest : public ChartTest, public testing::WithParamInterface<OrderCase> {};

// Where two lines cross, the one later in the chart's order is seen.
TEST_P(ChartSeriesOrderTest, LaterSeriesCoversEarlierOne) {
  ClearBackground();
  AddLine(chart, {{1, 5}, {9, 5}}, red, 4);
  AddLine(chart, {{5, 1}, {5, 9}}, blue, 4);
  GetParam().rearrange(chart);
  const QImage image = chart.ToImage();
  const QPointF crossing = PixelOf(5, 5);
  const QRgb seen = image.pixel(static_cast<int>(crossing.x()), static_cast<int>(crossing.y()));
  EXPECT_TRUE(SameColor(seen, GetParam().horizontalOnTop ? red : blue, 2)) << std::hex << seen;
  // Both are still drawn away from the crossing.
  EXPECT_TRUE(ColorNear(image, PixelOf(2, 5), red, 0));
  EXPECT_TRUE(ColorNear(image, PixelOf(5, 2), blue, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Orders, ChartSeriesOrderTest,
    testing::Values(OrderCase{"AsAdded", [](Chart &) {}, false},
                    OrderCase{"Exchanged", [](Chart &c) { c.ExchangeSeries(0, 1); }, true},
                    OrderCase{"ExchangedBack", [](Chart &c) { c.ExchangeSeries(1, 0), c.ExchangeSeries(0, 1); }, false},
                    OrderCase{"SecondTowardsFront", [](Chart &c) { c.MoveSeriesTowardsFront(1); }, true},
                    OrderCase{"FirstTowardsBack", [](Chart &c) { c.MoveSeriesTowardsBack(0); }, true},
                    OrderCase{"FirstTowardsFront", [](Chart &c) { c.MoveSeriesTowardsFront(0); }, false},
                    OrderCase{"LastTowardsBack", [](Chart &c) { c.MoveSeriesTowardsBack(1); }, false}),
    [](const auto &info) { return std::string(info.param.name); });

// A rectangle is an outline only, whichever corners it is given.
TEST_F(ChartTest, RectangleDrawsItsOutlineOnly) {
  ClearBackground();
  auto *frame = chart.AddSeries(std::make_unique<RectangleSeries>());
  frame->SetColor(blue);
  frame->SetWidth(3);
  const std::pair<QPointF, QPointF> corners[] = {{{2, 3}, {8, 7}}, {{8, 3}, {2, 7}}, {{8, 7}, {2, 3}}};
  for (const auto &[first, second] : corners) {
    frame->SetCorners(first, second);
    const QImage image = chart.ToImage();
    for (QPointF edge : {QPointF(5, 3), QPointF(5, 7), QPointF(2, 5), QPointF(8, 5), QPointF(2, 3), QPointF(8, 7)})
      EXPECT_TRUE(ColorNear(image, PixelOf(edge.x(), edge.y()), blue, 1)) << edge.x() << "," << edge.y();
    const QRectF inside = QRectF(PixelOf(2, 7), PixelOf(8, 3)).adjusted(4, 4, -4, -4);
    EXPECT_EQ(Ink(image, inside.toRect(), blue), 0);
    EXPECT_EQ(Ink(image, QRectF(PixelOf(0.5, 9.5), PixelOf(1.5, 0.5)).toRect(), blue), 0);
    EXPECT_EQ(Ink(image, QRectF(PixelOf(8.5, 9.5), PixelOf(9.5, 0.5)).toRect(), blue), 0);
  }
}

// A screen of device pixel ratio 2 gets the curves drawn at its own pixels, sharper but in the
// same place and as wide as at ratio 1: reduced to the chart's size, the picture covers the same
// pixels.
TEST_F(ChartTest, CurvesKeepTheirPlaceAtDevicePixelRatioTwo) {
  ClearBackground();
  AddLine(chart, {{1, 2}, {9, 8}}, red, 2);
  AddLine(chart, {{1, 7}, {5, 3}, {9, 7}}, blue, 3);
  const QImage single = chart.ToImage(1);
  const QImage dense = chart.ToImage(2);
  ASSERT_EQ(dense.size(), single.size() * 2);
  const QImage reduced = dense.scaled(single.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  for (const QColor &color : {red, blue}) {
    int drawn = 0, differing = 0;
    for (int y = 0; y < single.height(); ++y)
      for (int x = 0; x < single.width(); ++x) {
        const double was = Coverage(single.pixel(x, y), color), is = Coverage(reduced.pixel(x, y), color);
        drawn += was >= 0.5;
        differing += std::abs(was - is) >= 0.5;
      }
    EXPECT_GT(drawn, 500) << color.name().toStdString();
    EXPECT_LT(differing, drawn / 20) << color.name().toStdString();
  }
}

// The legend stands beside the plot area and takes room from it only while some shown series is
// listed; rectangles never are.
TEST_F(ChartTest, LegendListsShownLinesButNoRectangles) {
  const QRect bare = chart.PlotArea();
  auto *frame = chart.AddSeries(std::make_unique<RectangleSeries>());
  frame->SetCorners({2, 2}, {8, 8});
  frame->SetTitle(QStringLiteral("frame"));
  EXPECT_EQ(chart.PlotArea(), bare);
  LineSeries *line = AddLine(chart, {{1, 1}, {9, 9}}, red, 2);
  EXPECT_LT(chart.PlotArea().right(), bare.right());
  line->SetShown(false);
  EXPECT_EQ(chart.PlotArea(), bare);
  line->SetShown(true);
  chart.SetLegendShown(false);
  EXPECT_EQ(chart.PlotArea(), bare);
}

struct FarCase {
  const char *name;
  std::vector<ChartPoint> points;
  std::vector<QPointF> drawn, empty;  // values where the line is and where it is not
};

void PrintTo(const FarCase &c, std::ostream *os) { *os << c.name; }

class ChartFarPointsTest : public ChartTest, public testing::WithParamInterface<FarCase> {};

// Points far outside the view still give the part of the line that crosses it.
TEST_P(ChartFarPointsTest, VisiblePartIsDrawn) {
  ClearBackground();
  AddLine(chart, GetParam().points, red, 3);
  const QImage image = chart.ToImage();
  for (QPointF at : GetParam().drawn)
    EXPECT_TRUE(ColorNear(image, PixelOf(at.x(), at.y()), red, 1)) << at.x() << "," << at.y();
  for (QPointF at : GetParam().empty)
    EXPECT_FALSE(ColorNear(image, PixelOf(at.x(), at.y()), red, 3)) << at.x() << "," << at.y();
}

constexpr double far = 1e300;

INSTANTIATE_TEST_SUITE_P(
    Lines, ChartFarPointsTest,
    testing::Values(FarCase{"Horizontal", {{-far, 5}, {far, 5}}, {{0.5, 5}, {5, 5}, {9.5, 5}}, {{5, 3}, {5, 7}}},
                    FarCase{"Vertical", {{5, -far}, {5, far}}, {{5, 0.5}, {5, 5}, {5, 9.5}}, {{3, 5}, {7, 5}}},
                    // Across an asymptote: visibly vertical through x = 5.
                    FarCase{"Steep", {{4, -far}, {6, far}}, {{5, 0.5}, {5, 5}, {5, 9.5}}, {{4, 5}, {6, 5}}},
                    FarCase{"FromInside", {{5, 5}, {far, 5}}, {{5.2, 5}, {9.5, 5}}, {{4, 5}, {2, 5}}},
                    FarCase{"ThroughNull",
                            {{-far, 2}, {far, 2}, ChartPoint::NullAt(0), {-far, 8}, {far, 8}},
                            {{1, 2}, {9, 2}, {1, 8}, {9, 8}},
                            {{5, 5}}}),
    [](const auto &info) { return std::string(info.param.name); });

// The before-series hook draws after background, grid and axes and before the series: an axis
// copy along a grid line hides that grid line and the left axis where it crosses it, and a
// series over the copy hides the copy.
TEST_F(ChartTest, BeforeSeriesHookDrawsBetweenAxesAndSeries) {
  chart.SetLegendShown(false);
  chart.SetGridShown(ChartAxis::Bottom, false);
  chart.SetGridColor(ChartAxis::Left, magenta);
  chart.SetAxisLineColor(ChartAxis::Left, blue);
  chart.SetAxisLineColor(ChartAxis::Bottom, green);
  ASSERT_TRUE(chart.TickLabels(ChartAxis::Left).contains(QStringLiteral("4")));
  AddLine(chart, {{3, 4}, {7, 4}}, red, 4);
  const QImage before = chart.ToImage();
  const double row = chart.ValueToPixel(ChartAxis::Left, 4);
  chart.SetBeforeSeriesHook([row](AxisCopyPainter &painter) { painter.DrawCopy(ChartAxis::Bottom, row); });
  const QImage after = chart.ToImage();

  const QRect area = chart.PlotArea();
  const int x0 = area.left(), x1 = area.right();
  const double seriesStart = chart.ValueToPixel(ChartAxis::Bottom, 3),
               seriesEnd = chart.ValueToPixel(ChartAxis::Bottom, 7);
  // The rows the copy's line takes, found where nothing else is drawn.
  std::vector<int> copyRows;
  for (int y = static_cast<int>(row) - 3; y <= static_cast<int>(row) + 3; ++y)
    if (SameColor(after.pixel(static_cast<int>((x0 + seriesStart) / 2), y), green)) copyRows.push_back(y);
  ASSERT_FALSE(copyRows.empty());
  int gridPixels = 0, axisPixels = 0;
  for (int y : copyRows) {
    for (int x = x0 - 1; x <= x1; ++x) {
      const QRgb was = before.pixel(x, y), is = after.pixel(x, y);
      gridPixels += SameColor(was, magenta, 60);
      axisPixels += SameColor(was, blue);
      // The series's round ends blend with the copy; the pixels there show neither colour alone.
      if (std::abs(x - seriesStart) < 4 || std::abs(x - seriesEnd) < 4) continue;
      if (x > seriesStart && x < seriesEnd)
        EXPECT_TRUE(SameColor(is, red, 2)) << x << "," << y;
      else
        EXPECT_TRUE(SameColor(is, green)) << x << "," << y;
    }
  }
  EXPECT_GT(gridPixels, 10);
  EXPECT_GT(axisPixels, 0);
}

// redrawn comes once per redraw, after the hook; several changes in a row make one redraw, at
// the next turn of the event loop.
TEST_F(ChartTest, RedrawnFollowsTheWholeRedraw) {
  std::vector<std::string> events;
  chart.SetBeforeSeriesHook([&](AxisCopyPainter &) { events.push_back("hook"); });
  QObject::connect(&chart, &Chart::Redrawn, [&] { events.push_back("redrawn"); });
  QApplication::processEvents();
  events.clear();
  chart.RedrawNow();
  EXPECT_EQ(events, (std::vector<std::string>{"hook", "redrawn"}));

  events.clear();
  chart.SetRange(ChartAxis::Bottom, -1, 1);
  chart.SetRange(ChartAxis::Left, -2, 2);
  AddLine(chart, {{0, 0}, {1, 1}}, red, 1);
  EXPECT_TRUE(events.empty());
  QTest::qWait(50);
  EXPECT_EQ(events, (std::vector<std::string>{"hook", "redrawn"}));
}

class ChartAxisCopyTest : public ChartTest, public testing::WithParamInterface<ChartAxis> {};

// A copy of an axis has its line at the pixel it is given and its ticks, which point outwards as
// on the main axis, where the main axis has them: labelled ticks of 4 pixels and three minor
// ticks of 2 pixels between each two.
TEST_P(ChartAxisCopyTest, LineAndTicksStandAtThePixel) {
  const ChartAxis axis = GetParam();
  const ChartAxis across = axis == ChartAxis::Bottom ? ChartAxis::Left : ChartAxis::Bottom;
  ClearBackground();
  chart.SetAxisLineColor(axis, green);
  chart.SetTickColor(axis, blue);
  chart.SetMinorTickColor(axis, magenta);
  const double at = chart.ValueToPixel(across, axis == ChartAxis::Bottom ? 4.0 : 6.0);
  chart.SetBeforeSeriesHook([axis, at](AxisCopyPainter &painter) { painter.DrawCopy(axis, at); });
  const QImage image = chart.ToImage();
  // Down from a bottom axis copy, left from a left one.
  const int outwards = axis == ChartAxis::Bottom ? 1 : -1;
  const auto pixel = [&](double along, double offset) {
    const int a = static_cast<int>(std::floor(along)), o = static_cast<int>(std::floor(at + offset));
    return axis == ChartAxis::Bottom ? image.pixel(a, o) : image.pixel(o, a);
  };
  // Whether a colour is within a pixel of a place along the copy, somewhere in a stretch outwards.
  const auto found = [&](double along, int from, int to, const QColor &color) {
    for (int d = -1; d <= 1; ++d)
      for (int o = from; o <= to; ++o)
        if (SameColor(pixel(along + d, outwards * o), color)) return true;
    return false;
  };

  const QStringList labels = chart.TickLabels(axis);
  ASSERT_GE(labels.size(), 3);
  std::vector<double> ticks;
  for (const QString &label : labels) ticks.push_back(chart.ValueToPixel(axis, QLocale().toDouble(label)));
  for (size_t i = 0; i + 1 < ticks.size(); ++i) {
    SCOPED_TRACE(labels[static_cast<int>(i)].toStdString());
    const double step = ticks[i + 1] - ticks[i];
    EXPECT_TRUE(found(ticks[i], 2, 3, blue));
    EXPECT_FALSE(found(ticks[i], 6, 8, blue));
    EXPECT_TRUE(found(ticks[i] + step / 2, 1, 2, magenta));
    EXPECT_FALSE(found(ticks[i] + step / 2, 4, 8, magenta));
    EXPECT_FALSE(found(ticks[i] + step / 8, 1, 8, magenta) || found(ticks[i] + step / 8, 1, 8, blue));
    // The line between the ticks, on the copy's pixel.
    EXPECT_TRUE(SameColor(pixel(ticks[i] + step * 3 / 8, 0), green));
    EXPECT_FALSE(found(ticks[i] + step * 3 / 8, 3, 8, green) || found(ticks[i] + step * 3 / 8, -8, -3, green));
  }
}

INSTANTIATE_TEST_SUITE_P(Axes, ChartAxisCopyTest, testing::Values(ChartAxis::Bottom, ChartAxis::Left),
                         [](const auto &info) { return info.param == ChartAxis::Bottom ? "Bottom" : "Left"; });

}  // namespace

namespace {

std::vector<ChartPoint> Wave(double phase, int count) {
  std::vector<ChartPoint> points;
  for (int i = 0; i < count; ++i) {
    const double x = 10.0 * i / (count - 1);
    points.push_back(i % 700 == 0 ? ChartPoint::NullAt(x) : ChartPoint{x, 5 + 4 * std::sin(30 * x + phase)});
  }
  return points;
}

QImage DrawnOnThreads(Chart &chart, std::size_t threads) {
  RasterPipeline::SetThreadLimit(threads);
  chart.RedrawNow();
  QImage image = chart.ToImage();
  RasterPipeline::SetThreadLimit(0);
  return image;
}

}  // namespace

// The series are rastered on several threads at once, through fewer workspaces than series; the
// picture is the one a single thread draws, also after one series' points and another's colour
// change between redraws.
TEST_F(ChartTest, SeriesDrawnOnManyThreadsLookAsOnOne) {
  ClearBackground();
  std::vector<LineSeries *> lines;
  for (int i = 0; i < 6; ++i)
    lines.push_back(AddLine(chart, Wave(i, 4000), QColor::fromHsv(i * 60, 255, 200), 1 + i % 4));
  const QImage before = DrawnOnThreads(chart, 4);
  EXPECT_EQ(before, DrawnOnThreads(chart, 1));
  lines[2]->SetPoints(Wave(0.5, 3000));
  lines[4]->SetColor(magenta);
  const QImage after = DrawnOnThreads(chart, 4);
  EXPECT_EQ(after, DrawnOnThreads(chart, 1));
  EXPECT_NE(after, before);
}

// The chart's own rasteriser puts the ink where QPainter strokes the same
// polylines at every pen width; they may differ only in the shading of edges.
TEST_F(ChartTest, CurvesAreWhereQPainterStrokesThem) {
  ClearBackground();
  std::vector<const LineSeries *> lines;
  for (int i = 0; i < 4; ++i) lines.push_back(AddLine(chart, Wave(i, 3000), QColor::fromHsv(i * 90, 255, 200), 1 + i));
  const QImage ours = chart.ToImage();
  const TStrokedPicture reference = StrokedInstead(chart, lines);
  const long ink = DifferingPixels(reference.stroked, reference.background, 0);
  const long differing = DifferingPixels(ours, reference.stroked, kChannelTolerance);
  EXPECT_GT(ink, 10000);
  EXPECT_LT(differing, ink / 50) << differing << " of " << ink;
}

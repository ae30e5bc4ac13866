#include <vector>

#include "chartfixture.h"

namespace {

struct RangeCase {
  const char *name;
  double first, second;  // as given to setRange, in either order
};

void PrintTo(const RangeCase &c, std::ostream *os) { *os << c.name; }

class ChartRangeTest : public ChartTest, public testing::WithParamInterface<RangeCase> {};

// Values map to pixels and back on both axes; the bottom axis grows to the right, the left one
// upwards; the plot area's borders are the pixels of the ranges' ends.
TEST_P(ChartRangeTest, ValuesAndPixelsMapBothWays) {
  const RangeCase &c = GetParam();
  const double low = std::min(c.first, c.second), high = std::max(c.first, c.second);
  for (ChartAxis axis : {ChartAxis::Bottom, ChartAxis::Left}) chart.SetRange(axis, c.first, c.second);

  for (ChartAxis axis : {ChartAxis::Bottom, ChartAxis::Left}) {
    SCOPED_TRACE(axis == ChartAxis::Bottom ? "bottom" : "left");
    EXPECT_EQ(chart.Minimum(axis), low);
    EXPECT_EQ(chart.Maximum(axis), high);
    const double span = high - low;
    double previous = 0;
    for (double share : {-0.5, 0.0, 0.25, 0.5, 1.0, 1.5}) {
      const double value = low + share * span;
      const double pixel = chart.ValueToPixel(axis, value);
      EXPECT_NEAR(chart.PixelToValue(axis, pixel), value, span * 1e-9) << "share " << share;
      if (share > -0.5) {
        if (axis == ChartAxis::Bottom)
          EXPECT_GT(pixel, previous) << "share " << share;
        else
          EXPECT_LT(pixel, previous) << "share " << share;
      }
      previous = pixel;
    }
  }
  const QRect area = chart.PlotArea();
  const auto pixel = [&](ChartAxis axis, double value) { return std::lround(chart.ValueToPixel(axis, value)); };
  EXPECT_EQ(area.left(), pixel(ChartAxis::Bottom, low));
  EXPECT_EQ(area.right(), pixel(ChartAxis::Bottom, high));
  EXPECT_EQ(area.top(), pixel(ChartAxis::Left, high));
  EXPECT_EQ(area.bottom(), pixel(ChartAxis::Left, low));
  EXPECT_TRUE(chart.rect().contains(area))
      << area.left() << "," << area.top() << " " << area.width() << "x" << area.height();
  // Labels leave the curves most of the room, however long the numbers.
  EXPECT_GT(area.width(), chart.width() / 2);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ChartRangeTest,
                         testing::Values(RangeCase{"Unit", 0, 10}, RangeCase{"AroundZero", -5, 5},
                                         RangeCase{"Tiny", 1e-6, 3e-6}, RangeCase{"Large", -1e6, 2e6},
                                         RangeCase{"Huge", -1e100, 1e100}, RangeCase{"FarAway", 1e200, 3e200},
                                         RangeCase{"GivenDescending", 8, -2}),
                         [](const auto &info) { return std::string(info.param.name); });

// Without axes the plot area is the widget less its margins, each a share of the widget's width
// or height; the axes with their labels take room from it.
TEST_F(ChartTest, HiddenAxesLeaveThePlotAreaTheWidgetLessMargins) {
  EXPECT_EQ(chart.ToImage().size(), QSize(400, 300));
  const QMarginsF margins[] = {{0, 0, 0, 0}, {5, 10, 15, 20}, {2.5, 0, 0, 7}};
  for (const QMarginsF &percent : margins) {
    SCOPED_TRACE(testing::Message() << percent.left() << " " << percent.top() << " " << percent.right() << " "
                                    << percent.bottom());
    chart.SetMarginsPercent(percent);
    chart.SetAxesShown(false);
    const QRect bare = chart.PlotArea();
    const long left = std::lround(400 * percent.left() / 100), right = std::lround(400 * percent.right() / 100);
    const long top = std::lround(300 * percent.top() / 100), bottom = std::lround(300 * percent.bottom() / 100);
    // Values map onto the lines between pixels: the horizontal borders span the width the margins
    // leave, from its left edge to its right edge. QCustomPlot puts the vertical ones a pixel higher,
    // from the row above the top edge to the row above the bottom edge.
    EXPECT_EQ(bare.left(), left);
    EXPECT_EQ(bare.right() - bare.left(), 400 - left - right);
    EXPECT_GE(bare.top(), top - 1);
    EXPECT_LE(bare.top(), top);
    EXPECT_EQ(bare.bottom() - bare.top(), 300 - top - bottom);

    chart.SetAxesShown(true);
    const QRect withAxes = chart.PlotArea();
    EXPECT_GT(withAxes.left(), bare.left());
    EXPECT_GT(withAxes.top(), bare.top());
    EXPECT_LT(withAxes.right(), bare.right());
    EXPECT_LT(withAxes.bottom(), bare.bottom());
  }
}

struct LocaleCase {
  const char *name;
  QLocale locale;
  const char *group;    // thousands mark
  const char *decimal;  // decimal mark
};

struct LabelCase {
  ChartAxis axis;
  double minimum, maximum;
  // Labels that must be among the axis's, written with '_' for the group and ',' for the decimal mark.
  std::vector<const char *> expected;
  std::vector<const char *> forbidden;
};

void PrintTo(const LocaleCase &c, std::ostream *os) { *os << c.name; }

class ChartTickLabelTest : public testing::TestWithParam<LocaleCase> {
 protected:
  void SetUp() override { QLocale::setDefault(GetParam().locale); }
  void TearDown() override { QLocale::setDefault(saved_); }

  QLocale saved_;
};

// Labels are "#,##0.###" with the default locale's marks: groups of three, no more than three
// decimals, no trailing zeros, no sign on what rounds to zero; where that form cannot fit or hold
// the digits, "1,5E100" with the same decimals. The cases' steps follow from the
// axis lengths: a left label needs about 16 pixels, so 0.5 units over some 260 pixels are
// labelled every 0.05 and 0.002 units every 0.0002; bottom labels of a million over 360 pixels
// come every 200 000 or 500 000, of 3000 every 500 or 1000.
TEST_P(ChartTickLabelTest, UseTheLocalesMarks) {
  const LocaleCase &l = GetParam();
  const QString group = QString::fromUtf8(l.group), decimal = QString::fromUtf8(l.decimal);
  const auto spelled = [&](const char *text) {
    return QString::fromLatin1(text).replace('_', QChar(0xE000)).replace(',', decimal).replace(QChar(0xE000), group);
  };
  const QRegularExpression pattern(
      QStringLiteral("^-?(\\d{1,3}(%1\\d{3})*(%2\\d{0,2}[1-9])?|[1-9](%2\\d{0,2}[1-9])?E-?[1-9]\\d*)$")
          .arg(QRegularExpression::escape(group), QRegularExpression::escape(decimal)));
  const LabelCase cases[] = {
      {ChartAxis::Left, 1000.25, 1000.75, {"1_000,5", "1_000,45", "1_000,3"}, {}},
      {ChartAxis::Bottom, 0, 1e6, {"0", "1_000_000"}, {}},
      {ChartAxis::Left, 0, 0.002, {"0", "0,001"}, {}},
      {ChartAxis::Left, -0.002, 0, {"-0,001", "0"}, {"-0"}},
      {ChartAxis::Bottom, -1500, 1500, {"-1_000", "0", "1_000"}, {}},
      {ChartAxis::Left, -1e100, 1e100, {"-1E100", "0", "1E100"}, {}},
      {ChartAxis::Bottom, 0, 1e15, {"0", "1E15"}, {}},
      {ChartAxis::Left, 1e18, 1.5e18, {"1,5E18"}, {}},
  };
  for (const LabelCase &c : cases) {
    Chart chart;
    chart.resize(400, 300);
    chart.SetRange(c.axis, c.minimum, c.maximum);
    const QStringList labels = chart.TickLabels(c.axis);
    SCOPED_TRACE(labels.join(QStringLiteral(" | ")).toStdString());
    ASSERT_GE(labels.size(), 2);
    for (const QString &label : labels) EXPECT_TRUE(pattern.match(label).hasMatch()) << label.toStdString();
    for (const char *text : c.expected) EXPECT_TRUE(labels.contains(spelled(text))) << text;
    for (const char *text : c.forbidden) EXPECT_FALSE(labels.contains(spelled(text))) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, ChartTickLabelTest,
                         testing::Values(LocaleCase{"German", QLocale(QLocale::German, QLocale::Germany), ".", ","},
                                         LocaleCase{"Russian", QLocale(QLocale::Russian, QLocale::Russia), "\u00a0",
                                                    ","}),
                         [](const auto &info) { return std::string(info.param.name); });

// A hidden chart gets no resize event until it is shown, yet it measures at the size it is given,
// the one it draws at.
TEST(ChartHiddenTest, MeasuresAtTheSizeItIsGiven) {
  Chart chart;
  chart.SetRange(ChartAxis::Bottom, 0, 10);
  chart.SetRange(ChartAxis::Left, 0, 10);
  const QSize sizes[] = {{400, 300}, {250, 500}};
  for (const QSize &size : sizes) {
    chart.resize(size);
    const QRect area = chart.PlotArea();
    const QStringList labels = chart.TickLabels(ChartAxis::Left);
    const double middle = chart.ValueToPixel(ChartAxis::Left, 5);
    EXPECT_GT(area.width(), size.width() * 3 / 4);
    EXPECT_GT(area.height(), size.height() * 3 / 4);
    EXPECT_EQ(chart.ToImage().size(), size);
    EXPECT_EQ(chart.PlotArea(), area);
    EXPECT_EQ(chart.TickLabels(ChartAxis::Left), labels);
    EXPECT_EQ(chart.ValueToPixel(ChartAxis::Left, 5), middle);
  }
  EXPECT_FALSE(chart.isVisible());
}

}  // namespace

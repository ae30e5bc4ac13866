#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphsampler.h"
#include "pointsofinterest.h"

namespace {

struct TLayer {
  const char *Expression;
  int32_t Count;
};

struct TExpectedPoint {
  TPointKind Kind;
  int Layer;
  long double X, Y;
  long double XTolerance, YTolerance;
};

struct TPointsCase {
  std::vector<TLayer> Layers;
  long double MinX, MaxX;
  std::vector<TExpectedPoint> Points;  // in the order they are found
};

const long double kPi = std::numbers::pi_v<long double>;
const long double kSqrt2 = std::numbers::sqrt2_v<long double>;
const long double kSqrt3 = std::numbers::sqrt3_v<long double>;

// The library evaluates at abscissas of 15 significant digits: an extremum is
// found to within half a unit of the 15th digit, a zero to within one unit
// (its value then is the slope times that).
TEST(PointsOfInterest, FoundFromSamplesAndSharpenedByTheLibrary) {
  using enum TPointKind;
  const std::vector<TPointsCase> cases = {
      {{{"sin(x)", 10}}, 0, 3, {{Maximum, 0, kPi / 2, 1, 5e-15L, 0}}},
      {{{"sin(x)", 100000}},
       -3,
       3,
       {{Minimum, 0, -kPi / 2, -1, 5e-15L, 0}, {Maximum, 0, kPi / 2, 1, 5e-15L, 0}, {Zero, 0, 0, 0, 1e-15L, 1e-15L}}},
      {{{"x^3-3*x", 41}},
       -2,
       2,
       {{Maximum, 0, -1, 2, 5e-15L, 0},
        {Minimum, 0, 1, -2, 5e-15L, 0},
        {Zero, 0, -kSqrt3, 0, 1e-14L, 6e-14L},
        {Zero, 0, 0, 0, 1e-15L, 3e-15L},
        {Zero, 0, kSqrt3, 0, 1e-14L, 6e-14L}}},
      // A kink has no derivative to follow; the dense samples find it.
      {{{"abs(x-0.3)", 20}}, -1, 1, {{Minimum, 0, 0.3L, 0, 1e-15L, 1e-15L}}},
      {{{"x^2-2", 7}}, 0, 2, {{Zero, 0, kSqrt2, 0, 1e-14L, 3e-14L}}},
      // Sign changes across a pole or a jump are not zeros.
      {{{"1/x", 10}}, -1, 1, {}},
      {{{"x/abs(x)", 10}}, -1, 1, {}},
      // Runs of zeros and steps are neither zeros nor extrema.
      {{{"trunc(x)", 41}}, -2, 2, {}},
      {{{"x-x", 10}}, -1, 1, {}},
      {{{"sin(x)", 12}, {"cos(x)", 12}},
       0,
       3,
       {{Maximum, 0, kPi / 2, 1, 5e-15L, 0},
        {Crossing, 0, kPi / 4, kSqrt2 / 2, 1e-14L, 1e-14L},
        {Zero, 1, kPi / 2, 0, 1e-14L, 1e-14L}}},
      // Curves sampled on different grids still cross where they meet.
      {{{"x", 10}, {"1-x", 15}},
       -1,
       2,
       {{Zero, 0, 0, 0, 1e-15L, 1e-15L}, {Crossing, 0, 0.5L, 0.5L, 1e-15L, 1e-15L}, {Zero, 1, 1, 0, 1e-14L, 1e-14L}}},
      // Crossings that only errors interrupt: none where one curve has no value.
      {{{"ln(x)", 10}, {"0-ln(x)", 10}},
       -1,
       2,
       {{Zero, 0, 1, 0, 1e-15L, 1e-15L}, {Crossing, 0, 1, 0, 1e-15L, 1e-15L}, {Zero, 1, 1, 0, 1e-15L, 1e-15L}}},
  };
  for (const TPointsCase &c : cases) {
    TProject project;
    std::string names;
    for (const TLayer &layer : c.Layers) {
      project.AddGraph(SampledGraph(layer.Expression, layer.Count, c.MinX, c.MaxX));
      names += std::string(layer.Expression) + " ";
    }
    SCOPED_TRACE(names);
    TPointsOfInterest points;
    const auto found = points.InView(project, c.MinX, c.MaxX, -10, 10, 100);
    ASSERT_EQ(found.size(), c.Points.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
      SCOPED_TRACE(i);
      const TExpectedPoint &expected = c.Points[i];
      EXPECT_EQ(found[i].Kind, expected.Kind);
      EXPECT_EQ(found[i].Layer, expected.Layer);
      EXPECT_NEAR(static_cast<double>(found[i].X - expected.X), 0, static_cast<double>(expected.XTolerance));
      EXPECT_NEAR(static_cast<double>(found[i].Y - expected.Y), 0, static_cast<double>(expected.YTolerance));
      // What the tool tip shows is the library's own value at that abscissa.
      const TGraph at = SampledGraph(c.Layers[found[i].Layer].Expression, 2, found[i].X, found[i].X);
      EXPECT_EQ(at.XValues[1], found[i].X);
      EXPECT_EQ(at.YValues[1], found[i].Y);
    }
  }
}

// A view that holds more points than the limit shows none; a layer hidden
// since the last view has none.
TEST(PointsOfInterest, ViewLimitAndHiddenLayers) {
  TProject project;
  project.AddGraph(SampledGraph("sin(50*x)", 2000, -10, 10));
  TPointsOfInterest points;
  EXPECT_TRUE(points.InView(project, -10, 10, -2, 2, 300).empty());
  const auto some = points.InView(project, 0, 1, -2, 2, 300);
  EXPECT_GT(some.size(), 20u);
  for (const TPointOfInterest &point : some) EXPECT_TRUE(0 <= point.X && point.X <= 1);
  project.SetVisible(0, false);
  EXPECT_TRUE(points.InView(project, 0, 1, -2, 2, 300).empty());
}

// Abscissas run either way; ties go to the earlier sample.
TEST(PointsOfInterest, NearestSample) {
  const TGraph up = SampledGraph("x", 5, 0, 4), down = SampledGraph("x", 5, 4, 0), none = SampledGraph("x", 1, 0, 4);
  const struct {
    const TGraph &Graph;
    long double X;
    int Sample;
  } cases[] = {{up, -7, 1},  {up, 0.4L, 1},   {up, 0.5L, 1},   {up, 0.6L, 2}, {up, 3.9L, 5}, {up, 9, 5},
               {down, 9, 1}, {down, 3.4L, 2}, {down, 0.1L, 5}, {down, -1, 5}, {none, 1, 0}};
  for (const auto &c : cases) EXPECT_EQ(NearestSample(c.Graph, c.X), c.Sample) << static_cast<double>(c.X);
}

}  // namespace

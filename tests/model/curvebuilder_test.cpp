#include <cfloat>
#include <limits>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "curvebuilder.h"
#include "curvepoints.h"

namespace {

constexpr long double Huge = std::numeric_limits<long double>::max();
constexpr long double Inf = std::numeric_limits<long double>::infinity();
constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();

struct TSample {
  long double X;
  long double Y;
  unsigned char Error = 0;
};

// Element 0 carries the count as the library writes it, unless a case overrides it.
TGraph GraphOf(const std::vector<TSample> &samples, std::optional<long double> count = {}) {
  TGraph graph;
  const long double n = count.value_or(samples.size());
  graph.XValues = {n};
  graph.YValues = {n};
  graph.PointErrors = {static_cast<unsigned char>(samples.size())};
  for (const TSample &sample : samples) {
    graph.XValues.push_back(sample.X);
    graph.YValues.push_back(sample.Y);
    graph.PointErrors.push_back(sample.Error);
  }
  return graph;
}

std::vector<TCurvePoint> Build(const TGraph &graph, long double minY, long double maxY) {
  std::vector<TCurvePoint> series{P(99, 99)};  // stale content must go
  TCurveBuilder(minY, maxY).BuildSeries(graph, series);
  return series;
}

struct TBuildCase {
  const char *Name;
  std::vector<TSample> Samples;
  std::vector<TCurvePoint> Expected;
  long double MinY = -10;
  long double MaxY = 10;
  std::optional<long double> Count = {};
};

TEST(CurveBuilder, BuildsClippedSeries) {
  const std::vector<TBuildCase> cases = {
      {"all inside", {{0, 0}, {1, 5}, {2, 9}}, {P(0, 0), P(1, 5), P(2, 9)}},
      {"leaves above", {{0, 5}, {1, 15}}, {P(0, 5), P(0.5, 10)}},
      {"leaves below", {{0, 5}, {1, -15}}, {P(0, 5), P(0.75, -10)}},
      {"enters from above", {{0, 15}, {1, 5}}, {Null(0, 10), P(0, 10), P(1, 5)}},
      {"jumps, then enters", {{0, 15}, {1, -15}, {2, 0}}, {Null(1, -10), P(1, -10), P(2, 0)}},
      {"bounds are inside", {{0, 10}, {1, -10}, {2, 10}}, {P(0, 10), P(1, -10), P(2, 10)}},
      {"invalid sample", {{0, 1}, {1, 0, 32}, {2, 2}}, {P(0, 1), Null(2, 2), P(2, 2)}},
      {"invalid first sample", {{0, 0, 33}, {1, 3}}, {Null(1, 3), P(1, 3)}},
      {"all above", {{0, 11}, {1, 20}, {2, 10.5}}, {}},
      {"alternating sides", {{0, 20}, {1, -20}, {2, 20}, {3, -20}}, {}},
      {"long run out and back",
       {{0, 0}, {1, 20}, {2, 30}, {3, 5}, {4, -20}, {5, -5}},
       {P(0, 0), P(0.5, 10), Null(2, 10), P(2, 10), P(3, 5), P(3.6, -10), Null(4, -10), P(4, -10), P(5, -5)}},
      {"rejected layer", {{0, 0}, {0, 0}}, {}, -10, 10, 0},
      {"count below the arrays", {{0, 1}, {1, 2}, {2, 3}}, {P(0, 1), P(1, 2)}, -10, 10, 2},
      {"count beyond the arrays", {{0, 1}, {1, 2}}, {P(0, 1), P(1, 2)}, -10, 10, 1e9},
      {"huge samples",
       {{0, 0}, {1, 1e4000L}, {2, -1e4000L}, {3, 0}},
       {P(0, 0), P(0, 1000), Null(2, -1000), P(2, -1000), P(3, 0)},
       -1000,
       1000},
      {"band spanning the extended range",
       {{0, -Huge}, {1, Huge}},
       {P(0, -DBL_MAX), P(0.75, DBL_MAX)},
       -Huge,
       Huge / 2},
      {"abscissas spanning the extended range", {{-Huge, 0}, {Huge, 2000}}, {P(-DBL_MAX, 0), P(0, 1000)}, -1000, 1000},
      {"infinite sample", {{0, 0}, {1, Inf}}, {P(0, 0), P(0, 10)}},
      {"undefined sample counts as above",
       {{0, 0}, {1, NaN}, {2, 5}},
       {P(0, 0), P(0, 10), Null(1, 10), P(1, 10), P(2, 5)}},
  };
  for (const TBuildCase &c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(Build(GraphOf(c.Samples, c.Count), c.MinY, c.MaxY), c.Expected);
  }
}

}  // namespace

#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "curvebuilder.h"
#include "graphsampler.h"
#include "zeval.h"

namespace {

struct TSamplingCase {
  const char *Expression;
  int32_t Count;
  unsigned char ErrorCode;
  std::vector<long double> X;
  std::vector<long double> Y;  // compared where the sample is valid
  std::vector<unsigned char> Errors;
};

// Sampling over [-1, 1]; a layer that got no samples must build an empty series.
TEST(GraphSampler, SamplesThroughZeval) {
  const std::vector<TSamplingCase> cases = {
      {"x", 3, 0, {3, -1, 0, 1}, {3, -1, 0, 1}, {3, 0, 0, 0}},
      {"ln(x)", 3, 0, {3, -1, 0, 1}, {3, 0, 0, 0}, {3, 33, 33, 0}},
      {"a)+b", 3, 11, {0, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}},
      {"\xF1\xE8\xED(x)", 2, 0, {2, -1, 1}, {2, 0, 0}, {2, 31, 31}},
      {"x", 1, kZevalBadSamplingArguments, {0, 0}, {0, 0}, {0, 0}},
      {"x", 0, kZevalBadSamplingArguments, {0}, {0}, {0}},
      {"x", -5, kZevalBadSamplingArguments, {0}, {0}, {0}},
  };
  for (const TSamplingCase &c : cases) {
    SCOPED_TRACE(testing::Message() << c.Expression << " with " << c.Count << " points");
    const TGraph graph = SampledGraph(c.Expression, c.Count, -1, 1);
    EXPECT_EQ(graph.ErrorCode, c.ErrorCode);
    EXPECT_EQ(graph.XValues, c.X);
    EXPECT_EQ(graph.PointErrors, c.Errors);
    ASSERT_EQ(graph.YValues.size(), c.Y.size());
    for (std::size_t k = 0; k < c.Y.size(); ++k) {
      if (k == 0 || graph.PointErrors[k] == 0) {
        EXPECT_EQ(graph.YValues[k], c.Y[k]) << "sample " << k;
      }
    }
    std::vector<TCurvePoint> series;
    TCurveBuilder(-10, 10).BuildSeries(graph, series);
    if (c.ErrorCode) {
      EXPECT_TRUE(series.empty());
    }
  }
}

// The library never clears an error byte it is handed, so a second sampling
// must start from fresh arrays.
TEST(GraphSampler, ResamplingForgetsEarlierErrors) {
  TGraph graph = SampledGraph("ln(x)", 3, -1, 1);
  SampleGraph(graph, {.MinX = 1, .MaxX = 3});
  EXPECT_EQ(graph.PointErrors, (std::vector<unsigned char>{3, 0, 0, 0}));
  EXPECT_EQ(graph.YValues[1], 0);
}

}  // namespace

namespace {

// Layers sampled on all cores get exactly the arrays one by one would give.
TEST(GraphSampler, LayersSampledTogetherEqualLayersSampledOneByOne) {
  TProjectContents contents;
  contents.Bounds = {-3, 7, -1, 1};
  const char *expressions[] = {"sin(x)", "1/x", "x^3-x", "ln(x)", "a)+b", "exp(x)", "sqrt(x)", "tg(x)", "2x"};
  for (const char *expression : expressions) contents.Layers.push_back({expression, 5000, true, {}});
  std::size_t heard = 0;
  const std::vector<TGraph> together = SampleLayers(contents, [&heard](std::size_t done) { heard = done; });
  ASSERT_EQ(together.size(), std::size(expressions));
  EXPECT_GT(heard, 0u);
  for (std::size_t i = 0; i < together.size(); ++i) {
    TGraph alone;
    alone.Expression = expressions[i];
    alone.PointCount = 5000;
    SampleGraph(alone, contents.Bounds);
    EXPECT_EQ(together[i].ErrorCode, alone.ErrorCode) << expressions[i];
    EXPECT_EQ(together[i].PointErrors, alone.PointErrors) << expressions[i];
    for (std::size_t k = 0; k < alone.YValues.size(); ++k)
      ASSERT_EQ(std::memcmp(&together[i].YValues[k], &alone.YValues[k], 10), 0) << expressions[i] << " " << k;
  }
}

}  // namespace

#include "graphsampler.h"

#include <algorithm>
#include <cstdint>

#include "expression.h"
#include "zeval.h"

namespace {

template <typename T>
int32_t LengthOf(const std::vector<T> &array) {
  return static_cast<int32_t>(std::min<std::size_t>(array.size(), INT32_MAX));
}

}  // namespace

void SampleGraph(TGraph &graph, const TBounds &bounds) {
  // Fresh arrays every time: the library never clears an error byte it is given.
  graph.ClearSamples();
  // Nothing the program would let a user type is longer; a longer text from a
  // file is not worth the library's time.
  if (graph.PointCount < 2 || graph.Expression.size() > kMaxExpressionLength) {
    graph.ErrorCode = kZevalBadSamplingArguments;
    return;
  }
  FillResultArray(graph.Expression.c_str(), graph.PointCount, bounds.MinX, bounds.MaxX, graph.XValues.data(),
                  LengthOf(graph.XValues), graph.YValues.data(), LengthOf(graph.YValues), graph.PointErrors.data(),
                  LengthOf(graph.PointErrors), &graph.ErrorCode, &graph.CalcTime);
}

std::vector<TGraph> SampleLayers(const TProjectContents &contents) {
  std::vector<TGraph> graphs(contents.Layers.size());
  for (std::size_t i = 0; i < graphs.size(); ++i) {
    graphs[i].Expression = contents.Layers[i].Expression;
    graphs[i].PointCount = contents.Layers[i].PointCount;
    graphs[i].Visible = contents.Layers[i].Visible;
    SampleGraph(graphs[i], contents.Bounds);
  }
  return graphs;
}

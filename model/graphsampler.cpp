#include "graphsampler.h"

#include <algorithm>
#include <cstdint>

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
  if (graph.PointCount < 2) {
    graph.ErrorCode = kZevalBadSamplingArguments;
    return;
  }
  FillResultArray(graph.Expression.c_str(), graph.PointCount, bounds.MinX, bounds.MaxX, graph.XValues.data(),
                  LengthOf(graph.XValues), graph.YValues.data(), LengthOf(graph.YValues), graph.PointErrors.data(),
                  LengthOf(graph.PointErrors), &graph.ErrorCode, &graph.CalcTime);
}

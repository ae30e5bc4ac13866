#include "graph.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

void TGraph::ClearSamples() {
  const std::size_t length = static_cast<std::size_t>(std::max<int32_t>(PointCount, 0)) + 1;
  XValues.assign(length, 0);
  YValues.assign(length, 0);
  PointErrors.assign(length, 0);
  ErrorCode = 0;
  CalcTime = 0;
}

int32_t TGraph::SamplesHeld() const {
  const std::size_t stored = std::min({XValues.size(), YValues.size(), PointErrors.size()});
  if (stored < 2 || PointCount < 1) return 0;
  return static_cast<int32_t>(std::min<std::size_t>(static_cast<std::size_t>(PointCount), stored - 1));
}

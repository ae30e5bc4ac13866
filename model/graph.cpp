#include "graph.h"

#include <algorithm>
#include <cstddef>

void TGraph::ClearSamples() {
  const std::size_t length = static_cast<std::size_t>(std::max<int32_t>(PointCount, 0)) + 1;
  XValues.assign(length, 0);
  YValues.assign(length, 0);
  PointErrors.assign(length, 0);
  ErrorCode = 0;
  CalcTime = 0;
}

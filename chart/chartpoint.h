#pragma once

#include <cmath>
#include <limits>

// One point of a line series. A null point draws nothing and ends the polyline before it; the
// next ordinary point starts a new one. A null point keeps only its abscissa: its ordinate is
// not a number, which keeps a point at two doubles.
struct ChartPoint {
  double x = 0;
  double y = 0;

  static ChartPoint NullAt(double x) { return {x, std::numeric_limits<double>::quiet_NaN()}; }
  bool IsNull() const { return std::isnan(y); }
};

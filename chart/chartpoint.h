#pragma once

// One point of a line series. A null point draws nothing and ends the polyline before it;
// the next ordinary point starts a new one.
struct ChartPoint {
  double x = 0;
  double y = 0;
  bool null = false;
};

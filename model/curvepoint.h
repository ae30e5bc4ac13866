#ifndef LUMOPLOT_MODEL_CURVEPOINT_H
#define LUMOPLOT_MODEL_CURVEPOINT_H

// One point of a line series. A null point draws nothing and no segment leads
// into it, so the polyline ends before it; the next ordinary point starts anew.
struct TCurvePoint {
  double X = 0;
  double Y = 0;
  bool IsNull = false;

  bool operator==(const TCurvePoint &) const = default;
};

#endif

#ifndef LUMOPLOT_TESTS_MODEL_CURVEPOINTS_H
#define LUMOPLOT_TESTS_MODEL_CURVEPOINTS_H

#include <ostream>

#include "curvepoint.h"

inline TCurvePoint P(double x, double y) { return {x, y, false}; }
inline TCurvePoint Null(double x, double y) { return {x, y, true}; }

// Lets a failing comparison show the points instead of their bytes.
inline void PrintTo(const TCurvePoint &point, std::ostream *out) {
  *out << (point.IsNull ? "Null(" : "P(") << point.X << ", " << point.Y << ")";
}

#endif

#ifndef LUMOPLOT_MODEL_CURVEBUILDER_H
#define LUMOPLOT_MODEL_CURVEBUILDER_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "curvepoint.h"
#include "graph.h"

// Where the previous sample stands relative to the visible band.
enum class TCurveState : uint8_t {
  Gap = 0,     // no current run: the previous sample was invalid
  Inside = 1,  // the previous sample lay in the band and was drawn
  Above = 2,   // the previous sample lay above MaxY
  Below = 3,   // the previous sample lay below MinY
};

// Receives the points of a clipped curve in order.
class TCurveSink {
 public:
  virtual ~TCurveSink() = default;
  virtual void Append(double x, double y, bool isNull) = 0;
};

// Turns a layer's samples into a polyline clipped to [MinY, MaxY]. A run leaves
// the band at the interpolated crossing and re-enters it at the previous
// sample's abscissa on the band limit; every run but one starting at the first
// sample opens with a null point, so separate runs are never joined.
class TCurveBuilder {
 public:
  TCurveBuilder(long double minY, long double maxY);

  // Clears series and fills it with the clipped curve of graph.
  void BuildSeries(const TGraph &graph, std::vector<TCurvePoint> &series) const;
  // Hands the clipped curve of graph to sink, point by point.
  void Build(const TGraph &graph, TCurveSink &sink) const;
  // The number of points the curve of graph has, to size its storage before building it.
  std::size_t PointCount(const TGraph &graph) const;

 private:
  // Bounds inclusive; an undefined value counts as above.
  TCurveState Classify(long double y) const;
  TCurveState Step(const TGraph &graph, std::size_t i, TCurveState state, TCurveSink &sink) const;
  TCurveState StepInside(const TGraph &graph, std::size_t i, TCurveState side, TCurveSink &sink) const;
  TCurveState StepOutside(const TGraph &graph, std::size_t i, TCurveState state, TCurveState side,
                          TCurveSink &sink) const;
  long double LimitOf(TCurveState side) const;

  long double minY_;
  long double maxY_;
};

#endif

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

// Turns a layer's samples into a polyline clipped to [MinY, MaxY]. A run leaves
// the band at the interpolated crossing and re-enters it at the previous
// sample's abscissa on the band limit; every run but one starting at the first
// sample opens with a null point, so separate runs are never joined.
class TCurveBuilder {
 public:
  TCurveBuilder(long double minY, long double maxY);

  // Clears series and fills it with the clipped curve of graph.
  void BuildSeries(const TGraph &graph, std::vector<TCurvePoint> &series) const;

 private:
  // Bounds inclusive; an undefined value counts as above.
  TCurveState Classify(long double y) const;
  TCurveState Step(const TGraph &graph, std::size_t i, TCurveState state, std::vector<TCurvePoint> &series) const;
  TCurveState StepInside(const TGraph &graph, std::size_t i, TCurveState side, std::vector<TCurvePoint> &series) const;
  TCurveState StepOutside(const TGraph &graph, std::size_t i, TCurveState state, TCurveState side,
                          std::vector<TCurvePoint> &series) const;
  long double LimitOf(TCurveState side) const;

  long double FMinY;
  long double FMaxY;
};

#endif

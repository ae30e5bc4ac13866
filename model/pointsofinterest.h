#ifndef LUMOPLOT_MODEL_POINTSOFINTEREST_H
#define LUMOPLOT_MODEL_POINTSOFINTEREST_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "graph.h"
#include "project.h"

enum class TPointKind { Minimum, Maximum, Zero, Crossing };

// A point the stored samples show on a curve: at first where the samples put
// it, between the samples Low and High; once sharpened, the abscissa and the
// value the library gives there.
struct TPointOfInterest {
  TPointKind Kind = TPointKind::Zero;
  int Layer = 0;
  int OtherLayer = -1;  // the second curve of a crossing
  long double X = 0;
  long double Y = 0;
  long double Low = 0;
  long double High = 0;
  bool Sharpened = false;
  // False when sharpening finds a jump (a pole, a step) where the samples
  // changed sign, or loses the point.
  bool Genuine = true;
};

// Local minima and maxima, zeros and crossings of two curves among the given
// layers, from their stored samples alone. Levels of equal samples count as
// one point (the middle of a flat maximum) or as none (a run of zeros).
std::vector<TPointOfInterest> FindPointsOfInterest(const std::vector<TGraph> &graphs, const std::vector<int> &layers);

// Sharpens a point in 80-bit arithmetic by sampling its expressions through
// the library on ever smaller intervals around it.
void SharpenPoint(const std::vector<TGraph> &graphs, TPointOfInterest &point);

// The sample of a layer whose abscissa is nearest to x (1 to the count), 0
// when the layer has no samples.
int NearestSample(const TGraph &graph, long double x);

// The points of a project's visible sampled layers, found again whenever the
// project has changed and sharpened when a view first shows them.
class TPointsOfInterest {
 public:
  // The genuine points within the view, sharpened; none when more than
  // `limit` lie there, for a screen full of markers tells nothing.
  std::vector<TPointOfInterest> InView(const TProject &project, long double minX, long double maxX, long double minY,
                                       long double maxY, std::size_t limit);

 private:
  // The project's revision the points were found in.
  std::optional<uint64_t> foundAt_;
  std::vector<TPointOfInterest> points_;
};

#endif

#ifndef LUMOPLOT_MODEL_BOUNDS_H
#define LUMOPLOT_MODEL_BOUNDS_H

#include <cmath>
#include <utility>

// The plot region: [MinX, MaxX] is sampled, [MinY, MaxY] is the visible band the
// curves are clipped to. Any values are allowed, since a project file may carry
// any; only the bounds dialog guarantees min < max.
struct TBounds {
  long double MinX = 0;
  long double MaxX = 0;
  long double MinY = 0;
  long double MaxY = 0;

  // All four exactly 0 is how a project without bounds yet is told apart.
  bool IsSet() const { return MinX != 0 || MaxX != 0 || MinY != 0 || MaxY != 0; }

  bool operator==(const TBounds &) const = default;
};

// The bounds with each pair in order, as the bounds dialog puts them.
inline TBounds Ordered(TBounds b) {
  if (b.MaxX < b.MinX) std::swap(b.MinX, b.MaxX);
  if (b.MaxY < b.MinY) std::swap(b.MinY, b.MaxY);
  return b;
}

// Whether the windows can show the region: each pair ordered and apart once
// in double precision, and ends and widths within what a chart axis takes
// (magnitudes below 1e250, widths above 1e-280).
inline bool IsShowable(const TBounds &b) {
  const auto showable = [](long double minimum, long double maximum) {
    const double low = static_cast<double>(minimum);
    const double high = static_cast<double>(maximum);
    const double width = high - low;
    return low > -1e250 && high < 1e250 && width > 1e-280 && width < 1e250;
  };
  return showable(b.MinX, b.MaxX) && showable(b.MinY, b.MaxY);
}

#endif

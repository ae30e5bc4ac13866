#ifndef LUMOPLOT_MODEL_BOUNDS_H
#define LUMOPLOT_MODEL_BOUNDS_H

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

#endif

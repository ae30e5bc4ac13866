#pragma once

#include "chartpoint.h"

#include <cstdint>
#include <optional>
#include <vector>

// The points of one line series, shared between the series that fills them and the
// plottable that draws them. Keeps what the drawer asks for on every redraw
// (sortedness, extent) so it need not scan 100000 points each time.
class LineData {
 public:
  struct Extent {
    double minX, maxX, minY, maxY;
  };
  // Summary of points [index * blockSize, index * blockSize + blockSize): the drawer takes a
  // block that falls within one pixel column at once instead of point by point.
  static constexpr size_t kBlockSize = 16;
  // It holds copies of the points the drawer needs, which then never reads the block's points.
  struct Block {
    double minX, maxX;
    ChartPoint lowest, highest;  // the first points with the smallest and largest y
    ChartPoint last;
    bool lowestFirst;
    bool hasNull;
  };

  void Assign(std::vector<ChartPoint> points);

  const std::vector<ChartPoint> &Points() const { return points_; }
  // True when x never decreases from one point to the next, so the visible part can be found by
  // binary search.
  bool IsSortedByX() const { return sortedByX_; }
  // Extent of the ordinary points; empty when there are none.
  std::optional<Extent> PointExtent() const;
  // One block per whole blockSize points.
  const std::vector<Block> &Blocks() const;

 private:
  std::vector<ChartPoint> points_;
  bool sortedByX_ = true;
  mutable std::optional<Extent> extent_;
  mutable bool extentDirty_ = true;
  mutable std::vector<Block> blocks_;
  mutable bool blocksDirty_ = true;
};

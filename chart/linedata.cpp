#include "linedata.h"

#include <algorithm>

void LineData::Assign(std::vector<ChartPoint> points) {
  points_ = std::move(points);
  sortedByX_ = std::is_sorted(points_.begin(), points_.end(),
                              [](const ChartPoint &a, const ChartPoint &b) { return a.x < b.x; });
  extentDirty_ = true;
  blocksDirty_ = true;
}

std::optional<LineData::Extent> LineData::PointExtent() const {
  if (!extentDirty_) return extent_;
  extent_.reset();
  for (const ChartPoint &p : points_) {
    if (p.IsNull()) continue;
    if (!extent_) {
      extent_ = Extent{p.x, p.x, p.y, p.y};
      continue;
    }
    extent_->minX = std::min(extent_->minX, p.x);
    extent_->maxX = std::max(extent_->maxX, p.x);
    extent_->minY = std::min(extent_->minY, p.y);
    extent_->maxY = std::max(extent_->maxY, p.y);
  }
  extentDirty_ = false;
  return extent_;
}

const std::vector<LineData::Block> &LineData::Blocks() const {
  if (!blocksDirty_) return blocks_;
  blocks_.clear();
  for (size_t start = 0; start + kBlockSize <= points_.size(); start += kBlockSize) {
    size_t lowest = start;
    size_t highest = start;
    Block block{points_[start].x, points_[start].x, {}, {}, points_[start + kBlockSize - 1], false, false};
    // A null point has no ordinate to be an extreme: the block is then read point by point.
    for (size_t i = start; i < start + kBlockSize; ++i) {
      const ChartPoint &p = points_[i];
      block.hasNull = block.hasNull || p.IsNull();
      block.minX = std::min(block.minX, p.x);
      block.maxX = std::max(block.maxX, p.x);
      if (p.y < points_[lowest].y) lowest = i;
      if (p.y > points_[highest].y) highest = i;
    }
    block.lowest = points_[lowest];
    block.highest = points_[highest];
    block.lowestFirst = lowest < highest;
    blocks_.push_back(block);
  }
  blocksDirty_ = false;
  return blocks_;
}

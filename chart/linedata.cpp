#include "linedata.h"

#include <algorithm>

void LineData::assign(std::vector<ChartPoint> points) {
  mPoints = std::move(points);
  mSortedByX = std::is_sorted(mPoints.begin(), mPoints.end(),
                              [](const ChartPoint &a, const ChartPoint &b) { return a.x < b.x; });
  changed();
}

void LineData::changed() {
  ++mVersion;
  mExtentDirty = true;
  mBlocksDirty = true;
}

std::optional<LineData::Extent> LineData::extent() const {
  if (!mExtentDirty) return mExtent;
  mExtent.reset();
  for (const ChartPoint &p : mPoints) {
    if (p.isNull()) continue;
    if (!mExtent) {
      mExtent = Extent{p.x, p.x, p.y, p.y};
      continue;
    }
    mExtent->minX = std::min(mExtent->minX, p.x);
    mExtent->maxX = std::max(mExtent->maxX, p.x);
    mExtent->minY = std::min(mExtent->minY, p.y);
    mExtent->maxY = std::max(mExtent->maxY, p.y);
  }
  mExtentDirty = false;
  return mExtent;
}

const std::vector<LineData::Block> &LineData::blocks() const {
  if (!mBlocksDirty) return mBlocks;
  mBlocks.clear();
  for (size_t start = 0; start + blockSize <= mPoints.size(); start += blockSize) {
    size_t lowest = start;
    size_t highest = start;
    Block block{mPoints[start].x, mPoints[start].x, {}, {}, mPoints[start + blockSize - 1], false, false};
    // A null point has no ordinate to be an extreme: the block is then read point by point.
    for (size_t i = start; i < start + blockSize; ++i) {
      const ChartPoint &p = mPoints[i];
      block.hasNull = block.hasNull || p.isNull();
      block.minX = std::min(block.minX, p.x);
      block.maxX = std::max(block.maxX, p.x);
      if (p.y < mPoints[lowest].y) lowest = i;
      if (p.y > mPoints[highest].y) highest = i;
    }
    block.lowest = mPoints[lowest];
    block.highest = mPoints[highest];
    block.lowestFirst = lowest < highest;
    mBlocks.push_back(block);
  }
  mBlocksDirty = false;
  return mBlocks;
}

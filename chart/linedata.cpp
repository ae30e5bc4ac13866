#include "linedata.h"

#include <algorithm>

void LineData::clear()
{
  mPoints.clear();
  mSortedByX = true;
  mExtentDirty = true;
  mBlocksDirty = true;
}

void LineData::append(const ChartPoint &point)
{
  mPoints.push_back(point);
  noteAppended(point);
}

void LineData::assign(std::vector<ChartPoint> points)
{
  mPoints = std::move(points);
  mSortedByX = std::is_sorted(mPoints.begin(), mPoints.end(),
                              [](const ChartPoint &a, const ChartPoint &b) { return a.x < b.x; });
  mExtentDirty = true;
  mBlocksDirty = true;
}

void LineData::noteAppended(const ChartPoint &point)
{
  if (mPoints.size() > 1 && point.x < mPoints[mPoints.size() - 2].x)
    mSortedByX = false;
  mExtentDirty = true;
  mBlocksDirty = true;
}

std::optional<LineData::Extent> LineData::extent() const
{
  if (!mExtentDirty)
    return mExtent;
  mExtent.reset();
  for (const ChartPoint &p : mPoints) {
    if (p.null)
      continue;
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

const std::vector<LineData::Block> &LineData::blocks() const
{
  if (!mBlocksDirty)
    return mBlocks;
  mBlocks.clear();
  for (size_t start = 0; start + blockSize <= mPoints.size(); start += blockSize) {
    Block block{mPoints[start].x, mPoints[start].x, uint32_t(start), uint32_t(start), false};
    for (size_t i = start; i < start + blockSize; ++i) {
      const ChartPoint &p = mPoints[i];
      block.hasNull = block.hasNull || p.null;
      block.minX = std::min(block.minX, p.x);
      block.maxX = std::max(block.maxX, p.x);
      if (p.y < mPoints[block.lowest].y)
        block.lowest = uint32_t(i);
      if (p.y > mPoints[block.highest].y)
        block.highest = uint32_t(i);
    }
    mBlocks.push_back(block);
  }
  mBlocksDirty = false;
  return mBlocks;
}

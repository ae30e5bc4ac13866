#include "columnenvelope.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

namespace {
constexpr double unbounded = std::numeric_limits<double>::infinity();
}

ColumnEnvelope::ColumnEnvelope(Sink sink) : mSink(std::move(sink)) {}

void ColumnEnvelope::moveTo(QPointF p)
{
  finish();
  mOpen = true;
  startColumn(p);
}

void ColumnEnvelope::finish()
{
  if (!mOpen)
    return;
  flushColumn();
  if (mLine.size() > 1)
    mSink(mLine);
  mLine.clear();
  mOpen = false;
}

void ColumnEnvelope::startColumn(QPointF p)
{
  mColumn = columnOf(p.x());
  mFirst = mLow = mHigh = mLast = p;
  mCount = 1;
  mLowAt = mHighAt = 0;
  mFollowing = true;
  mTurns = 0;
  mDirection = 0;
  mShapeSize = 0;
  mAnchor = p;
  mSlopeLow = -unbounded;
  mSlopeHigh = unbounded;
}

// Called with each next point p while mLast is still the point before it.
void ColumnEnvelope::follow(QPointF p)
{
  const double rise = p.y() - mLast.y();
  const int direction = (rise > 0) - (rise < 0);
  if (direction != 0 && mDirection != 0 && direction != mDirection) {
    if (++mTurns > maximumTurns) {
      mFollowing = false;
      return;
    }
    keepShapeVertex(mLast);
    restartSleeve(mLast, p);
  } else if (!narrowSleeve(p)) {
    keepShapeVertex(mLast);
    restartSleeve(mLast, p);
  }
  if (direction != 0)
    mDirection = direction;
}

void ColumnEnvelope::keepShapeVertex(QPointF p)
{
  if (mShapeSize == int(mShape.size())) {
    mFollowing = false;
    return;
  }
  mShape[mShapeSize++] = p;
}

void ColumnEnvelope::restartSleeve(QPointF anchor, QPointF p)
{
  mAnchor = anchor;
  mSlopeLow = -unbounded;
  mSlopeHigh = unbounded;
  narrowSleeve(p);
}

// Whether the chord from the anchor to p passes within tolerance of every point since the anchor;
// if so, narrows the sleeve by p.
bool ColumnEnvelope::narrowSleeve(QPointF p)
{
  const double dy = p.y() - mAnchor.y();
  if (dy == 0)
    return mSlopeLow == -unbounded;
  const double inverse = 1 / dy;
  const double slope = (p.x() - mAnchor.x()) * inverse;
  if (slope < mSlopeLow || slope > mSlopeHigh)
    return false;
  double low = (p.x() - mAnchor.x() - tolerance) * inverse;
  double high = (p.x() - mAnchor.x() + tolerance) * inverse;
  if (inverse < 0)
    std::swap(low, high);
  low = std::max(low, mSlopeLow);
  high = std::min(high, mSlopeHigh);
  if (low > high)
    return false;
  mSlopeLow = low;
  mSlopeHigh = high;
  return true;
}

void ColumnEnvelope::flushColumn()
{
  mLine << mFirst;
  if (mCount == 1)
    return;
  if (mFollowing) {
    for (int i = 0; i < mShapeSize; ++i)
      mLine << mShape[i];
    mLine << mLast;
    return;
  }
  // Extremes in the order the curve reached them; the first and last point are added anyway.
  auto [early, earlyAt, late, lateAt] = mLowAt < mHighAt
      ? std::tuple(mLow, mLowAt, mHigh, mHighAt)
      : std::tuple(mHigh, mHighAt, mLow, mLowAt);
  const int lastAt = mCount - 1;
  if (earlyAt > 0 && earlyAt < lastAt)
    mLine << early;
  if (lateAt > 0 && lateAt < lastAt && lateAt != earlyAt)
    mLine << late;
  mLine << mLast;
}

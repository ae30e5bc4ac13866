#include "columnenvelope.h"

#include <algorithm>
#include <limits>
#include <tuple>
#include <utility>

namespace {
constexpr double kUnbounded = std::numeric_limits<double>::infinity();
}

ColumnEnvelope::ColumnEnvelope(Sink sink) : sink_(std::move(sink)) {}

void ColumnEnvelope::MoveTo(QPointF p) {
  Finish();
  open_ = true;
  StartColumn(p);
}

void ColumnEnvelope::Finish() {
  if (!open_) return;
  FlushColumn();
  if (line_.size() > 1) sink_(line_);
  line_.clear();
  open_ = false;
}

void ColumnEnvelope::StartColumn(QPointF p) {
  column_ = ColumnOf(p.x());
  first_ = low_ = high_ = last_ = p;
  count_ = 1;
  lowAt_ = highAt_ = 0;
  following_ = true;
  turns_ = 0;
  direction_ = 0;
  shapeSize_ = 0;
  anchor_ = p;
  slopeLow_ = -kUnbounded;
  slopeHigh_ = kUnbounded;
}

// Called with each next point p while last_ is still the point before it.
void ColumnEnvelope::Follow(QPointF p) {
  const double rise = p.y() - last_.y();
  const int direction = (rise > 0) - (rise < 0);
  if (direction != 0 && direction_ != 0 && direction != direction_) {
    if (++turns_ > kMaximumTurns) {
      following_ = false;
      return;
    }
    KeepShapeVertex(last_);
    RestartSleeve(last_, p);
  } else if (!NarrowSleeve(p)) {
    KeepShapeVertex(last_);
    RestartSleeve(last_, p);
  }
  if (direction != 0) direction_ = direction;
}

void ColumnEnvelope::KeepShapeVertex(QPointF p) {
  if (shapeSize_ == int(shape_.size())) {
    following_ = false;
    return;
  }
  shape_[shapeSize_++] = p;
}

void ColumnEnvelope::RestartSleeve(QPointF anchor, QPointF p) {
  anchor_ = anchor;
  slopeLow_ = -kUnbounded;
  slopeHigh_ = kUnbounded;
  NarrowSleeve(p);
}

// Whether the chord from the anchor to p passes within tolerance of every point since the anchor;
// if so, narrows the sleeve by p.
bool ColumnEnvelope::NarrowSleeve(QPointF p) {
  const double dy = p.y() - anchor_.y();
  if (dy == 0) return slopeLow_ == -kUnbounded;
  const double inverse = 1 / dy;
  const double slope = (p.x() - anchor_.x()) * inverse;
  if (slope < slopeLow_ || slope > slopeHigh_) return false;
  double low = (p.x() - anchor_.x() - kTolerance) * inverse;
  double high = (p.x() - anchor_.x() + kTolerance) * inverse;
  if (inverse < 0) std::swap(low, high);
  low = std::max(low, slopeLow_);
  high = std::min(high, slopeHigh_);
  if (low > high) return false;
  slopeLow_ = low;
  slopeHigh_ = high;
  return true;
}

void ColumnEnvelope::FlushColumn() {
  line_ << first_;
  if (count_ == 1) return;
  if (following_) {
    for (int i = 0; i < shapeSize_; ++i) line_ << shape_[i];
    line_ << last_;
    return;
  }
  // Extremes in the order the curve reached them; the first and last point are added anyway.
  auto [early, earlyAt, late, lateAt] =
      lowAt_ < highAt_ ? std::tuple(low_, lowAt_, high_, highAt_) : std::tuple(high_, highAt_, low_, lowAt_);
  const int lastAt = count_ - 1;
  if (earlyAt > 0 && earlyAt < lastAt) line_ << early;
  if (lateAt > 0 && lateAt < lastAt && lateAt != earlyAt) line_ << late;
  line_ << last_;
}

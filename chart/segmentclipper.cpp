#include "segmentclipper.h"

#include <cmath>

namespace {

// Narrows [t0, t1] by the half plane p * t <= q of one rectangle edge.
bool narrow(double p, double q, double &t0, double &t1)
{
  if (p == 0)
    return q >= 0;
  const double r = q / p;
  if (p < 0) {
    if (r > t1)
      return false;
    if (r > t0)
      t0 = r;
  } else {
    if (r < t0)
      return false;
    if (r < t1)
      t1 = r;
  }
  return true;
}

bool isFinite(QPointF p)
{
  return std::isfinite(p.x()) && std::isfinite(p.y());
}

}  // namespace

SegmentClipper::SegmentClipper(const QRectF &area)
    : mLeft(area.left()), mTop(area.top()), mRight(area.right()), mBottom(area.bottom())
{
}

SegmentClipper::Cut SegmentClipper::clipCrossing(QPointF &a, QPointF &b) const
{
  if (!isFinite(a) || !isFinite(b))
    return {false, false, false};
  const QPointF d = b - a;
  double t0 = 0;
  double t1 = 1;
  if (!narrow(-d.x(), a.x() - mLeft, t0, t1) || !narrow(d.x(), mRight - a.x(), t0, t1) ||
      !narrow(-d.y(), a.y() - mTop, t0, t1) || !narrow(d.y(), mBottom - a.y(), t0, t1))
    return {false, false, false};
  const QPointF start = a;
  if (t1 < 1)
    b = start + t1 * d;
  if (t0 > 0)
    a = start + t0 * d;
  return {true, t0 > 0, t1 < 1};
}

#include "segmentclipper.h"

#include <cmath>

namespace {

enum class Edge { Left, Top, Right, Bottom };

// The part [t0, t1] of a segment a + t (b - a) that is left, and the edges its ends were cut at.
struct Span {
  double t0 = 0;
  double t1 = 1;
  Edge edge0 = Edge::Left;
  Edge edge1 = Edge::Left;

  // Narrows the span by the half plane p * t <= q of one edge.
  bool narrow(double p, double q, Edge edge) {
    if (p == 0) return q >= 0;
    const double r = q / p;
    if (p < 0) {
      if (r > t1) return false;
      if (r > t0) {
        t0 = r;
        edge0 = edge;
      }
    } else {
      if (r < t0) return false;
      if (r < t1) {
        t1 = r;
        edge1 = edge;
      }
    }
    return true;
  }
};

bool IsFinite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

}  // namespace

SegmentClipper::SegmentClipper(const QRectF &area)
    : left_(area.left()), top_(area.top()), right_(area.right()), bottom_(area.bottom()) {}

SegmentClipper::Cut SegmentClipper::ClipCrossing(QPointF &a, QPointF &b) const {
  if (!IsFinite(a) || !IsFinite(b)) return {false, false, false};
  const QPointF d = b - a;
  Span span;
  if (!span.narrow(-d.x(), a.x() - left_, Edge::Left) || !span.narrow(d.x(), right_ - a.x(), Edge::Right) ||
      !span.narrow(-d.y(), a.y() - top_, Edge::Top) || !span.narrow(d.y(), bottom_ - a.y(), Edge::Bottom))
    return {false, false, false};
  // A cut end lies exactly on the edge that cut it, its other coordinate taken from the end
  // nearer that edge. Going a + t (b - a) from an end far outside would cancel away all the
  // precision the visible part needs: a line from -1e20 to 1e20 would shrink to a dot.
  const QPointF start = a;
  const QPointF end = b;
  const auto onEdge = [&](Edge edge) {
    if (edge == Edge::Left || edge == Edge::Right) {
      const double x = edge == Edge::Left ? left_ : right_;
      const QPointF &near = std::abs(start.x() - x) <= std::abs(end.x() - x) ? start : end;
      return QPointF(x, near.y() + (x - near.x()) * (d.y() / d.x()));
    }
    const double y = edge == Edge::Top ? top_ : bottom_;
    const QPointF &near = std::abs(start.y() - y) <= std::abs(end.y() - y) ? start : end;
    return QPointF(near.x() + (y - near.y()) * (d.x() / d.y()), y);
  };
  if (span.t1 < 1) b = onEdge(span.edge1);
  if (span.t0 > 0) a = onEdge(span.edge0);
  return {true, span.t0 > 0, span.t1 < 1};
}

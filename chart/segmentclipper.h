#pragma once

#include <QPointF>
#include <QRectF>

// Cuts line segments to a rectangle (Liang-Barsky), so that points far outside the view never
// reach the painter, whose rasteriser loses precision on huge coordinates.
class SegmentClipper {
 public:
  explicit SegmentClipper(const QRectF &area);

  bool Contains(QPointF p) const { return p.x() >= left_ && p.x() <= right_ && p.y() >= top_ && p.y() <= bottom_; }
  struct Cut {
    bool visible;     // some part of the segment lies inside
    bool startMoved;  // a was outside and now lies on the border
    bool endMoved;    // b was outside and now lies on the border
  };
  // Shortens a..b to its part inside the area. An end that lies inside is left exactly as it was.
  Cut Clip(QPointF &a, QPointF &b) const {
    if (Contains(a) && Contains(b)) return {true, false, false};
    return ClipCrossing(a, b);
  }

 private:
  Cut ClipCrossing(QPointF &a, QPointF &b) const;

  double left_, top_, right_, bottom_;
};

#pragma once

#include "series.h"

#include <QPointF>

// The outline of a rectangle between two corners given in axis values; no fill, not listed in
// the legend. Pen width 1 to 9.
class RectangleSeries : public Series {
 public:
  RectangleSeries();

  void SetCorners(QPointF first, QPointF second);
  QPointF FirstCorner() const { return first_; }
  QPointF SecondCorner() const { return second_; }

  QPen Pen() const override;
  bool IsListedInLegend() const override { return false; }

 private:
  QPointF first_;
  QPointF second_;
};

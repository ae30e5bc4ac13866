#pragma once

#include "series.h"

#include <QPointF>

// The outline of a rectangle between two corners given in axis values; no fill, not listed in
// the legend. Pen width 1 to 9.
class RectangleSeries : public Series {
public:
  RectangleSeries();

  void setCorners(QPointF first, QPointF second);
  QPointF firstCorner() const { return first_; }
  QPointF secondCorner() const { return second_; }

  QPen pen() const override;
  bool isListedInLegend() const override { return false; }

private:
  QPointF first_;
  QPointF second_;
};

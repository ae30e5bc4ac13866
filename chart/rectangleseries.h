#pragma once

#include "series.h"

#include <QPointF>

// The outline of a rectangle between two corners given in axis values; no fill, not listed in
// the legend. Pen width 1 to 9.
class RectangleSeries : public Series {
public:
  RectangleSeries();

  void setCorners(QPointF first, QPointF second);
  QPointF firstCorner() const { return mFirst; }
  QPointF secondCorner() const { return mSecond; }

  QPen pen() const override;
  bool isListedInLegend() const override { return false; }

private:
  QPointF mFirst;
  QPointF mSecond;
};

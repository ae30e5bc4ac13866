#pragma once

#include "chartaxis.h"

#include <QPen>
#include <QVector>

class QPainter;

// Handed to the chart's before-series hook: draws extra copies of an axis (its line and tick
// marks, no title, no grid) at a pixel position, for instance through the origin. The copy's
// labels would fall exactly on the main axis's labels, which are already drawn.
class AxisCopyPainter {
 public:
  // How one axis looks, in pixels along the axis.
  struct AxisLook {
    QPen linePen, tickPen, minorTickPen;
    int tickLength = 0;
    int minorTickLength = 0;
    double start = 0;
    double end = 0;
    QVector<double> ticks, minorTicks;
  };

  AxisCopyPainter(QPainter &painter, AxisLook bottom, AxisLook left);

  // A copy of the bottom axis stands at a pixel row, a copy of the left axis at a pixel column.
  void DrawCopy(ChartAxis axis, double pixel);

 private:
  void DrawBottomCopy(double row);
  void DrawLeftCopy(double column);

  QPainter &painter_;
  AxisLook bottom_;
  AxisLook left_;
};

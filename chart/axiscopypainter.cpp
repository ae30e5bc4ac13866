#include "axiscopypainter.h"

#include <QPainter>

AxisCopyPainter::AxisCopyPainter(QPainter &painter, AxisLook bottom, AxisLook left)
    : painter_(painter), bottom_(std::move(bottom)), left_(std::move(left)) {}

void AxisCopyPainter::DrawCopy(ChartAxis axis, double pixel) {
  painter_.save();
  // Crisp like the main axes.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  if (axis == ChartAxis::Bottom)
    DrawBottomCopy(pixel);
  else
    DrawLeftCopy(pixel);
  painter_.restore();
}

// Tick marks point outwards, as on the main axes: down from a bottom axis, left from a left axis.
void AxisCopyPainter::DrawBottomCopy(double row) {
  painter_.setPen(bottom_.minorTickPen);
  for (double x : bottom_.minorTicks) painter_.drawLine(QLineF(x, row, x, row + bottom_.minorTickLength));
  painter_.setPen(bottom_.tickPen);
  for (double x : bottom_.ticks) painter_.drawLine(QLineF(x, row, x, row + bottom_.tickLength));
  painter_.setPen(bottom_.linePen);
  painter_.drawLine(QLineF(bottom_.start, row, bottom_.end, row));
}

void AxisCopyPainter::DrawLeftCopy(double column) {
  painter_.setPen(left_.minorTickPen);
  for (double y : left_.minorTicks) painter_.drawLine(QLineF(column - left_.minorTickLength, y, column, y));
  painter_.setPen(left_.tickPen);
  for (double y : left_.ticks) painter_.drawLine(QLineF(column - left_.tickLength, y, column, y));
  painter_.setPen(left_.linePen);
  painter_.drawLine(QLineF(column, left_.start, column, left_.end));
}

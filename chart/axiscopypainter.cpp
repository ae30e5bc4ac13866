#include "axiscopypainter.h"

#include <QPainter>

AxisCopyPainter::AxisCopyPainter(QPainter &painter, AxisLook bottom, AxisLook left)
    : mPainter(painter), mBottom(std::move(bottom)), mLeft(std::move(left))
{
}

void AxisCopyPainter::drawCopy(ChartAxis axis, double pixel)
{
  mPainter.save();
  // Crisp like the main axes.
  mPainter.setRenderHint(QPainter::Antialiasing, false);
  if (axis == ChartAxis::Bottom)
    drawBottomCopy(pixel);
  else
    drawLeftCopy(pixel);
  mPainter.restore();
}

// Tick marks point outwards, as on the main axes: down from a bottom axis, left from a left axis.
void AxisCopyPainter::drawBottomCopy(double row)
{
  mPainter.setPen(mBottom.minorTickPen);
  for (double x : mBottom.minorTicks)
    mPainter.drawLine(QLineF(x, row, x, row + mBottom.minorTickLength));
  mPainter.setPen(mBottom.tickPen);
  for (double x : mBottom.ticks)
    mPainter.drawLine(QLineF(x, row, x, row + mBottom.tickLength));
  mPainter.setPen(mBottom.linePen);
  mPainter.drawLine(QLineF(mBottom.start, row, mBottom.end, row));
}

void AxisCopyPainter::drawLeftCopy(double column)
{
  mPainter.setPen(mLeft.minorTickPen);
  for (double y : mLeft.minorTicks)
    mPainter.drawLine(QLineF(column - mLeft.minorTickLength, y, column, y));
  mPainter.setPen(mLeft.tickPen);
  for (double y : mLeft.ticks)
    mPainter.drawLine(QLineF(column - mLeft.tickLength, y, column, y));
  mPainter.setPen(mLeft.linePen);
  mPainter.drawLine(QLineF(column, mLeft.start, column, mLeft.end));
}

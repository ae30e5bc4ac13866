#include "underlaylayerable.h"

#include "axiscopypainter.h"

namespace {

QVector<double> ToPixels(const QCPAxis &axis, const QVector<double> &values) {
  QVector<double> pixels;
  pixels.reserve(values.size());
  for (double value : values) pixels << axis.coordToPixel(value);
  return pixels;
}

AxisCopyPainter::AxisLook lookOf(QCPAxis &axis) {
  AxisCopyPainter::AxisLook look;
  look.linePen = axis.basePen();
  look.tickPen = axis.tickPen();
  look.minorTickPen = axis.subTickPen();
  look.tickLength = axis.tickLengthOut();
  look.minorTickLength = axis.subTickLengthOut();
  look.start = axis.coordToPixel(axis.range().lower);
  look.end = axis.coordToPixel(axis.range().upper);
  if (!axis.ticks()) return look;
  QVector<double> ticks, minorTicks;
  axis.ticker()->generate(axis.range(), QLocale(), QLatin1Char('g'), 6, ticks, &minorTicks, nullptr);
  look.ticks = ToPixels(axis, ticks);
  if (axis.subTicks()) look.minorTicks = ToPixels(axis, minorTicks);
  return look;
}

}  // namespace

UnderlayLayerable::UnderlayLayerable(QCustomPlot *plot, const QString &layer) : QCPLayerable(plot, layer) {}

void UnderlayLayerable::applyDefaultAntialiasingHint(QCPPainter *painter) const { painter->setAntialiasing(false); }

void UnderlayLayerable::draw(QCPPainter *painter) {
  if (!hook_) return;
  AxisCopyPainter copies(*painter, lookOf(*mParentPlot->xAxis), lookOf(*mParentPlot->yAxis));
  hook_(copies);
}

#pragma once

#include <QPainter>
#include <QPolygonF>

#include "chart.h"
#include "lineseries.h"

// QPainter's stroke of a line series on a chart, one polyline per run: the
// reference the chart's own rasteriser is held to. (Drawing the segments one
// by one would let their antialiased edges darken each other where they
// overlap, which no single stroke does.)
inline void StrokeRuns(QPainter &painter, const Chart &chart, const LineSeries &series) {
  painter.setPen(series.Pen());
  QPolygonF run;
  for (const ChartPoint &p : series.Points()) {
    if (p.IsNull()) {
      painter.drawPolyline(run);
      run.clear();
    } else {
      run << QPointF(chart.ValueToPixel(ChartAxis::Bottom, p.x), chart.ValueToPixel(ChartAxis::Left, p.y));
    }
  }
  painter.drawPolyline(run);
}

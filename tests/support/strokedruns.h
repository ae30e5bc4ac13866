#pragma once

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cstdlib>
#include <vector>

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

// A pixel differs when a colour channel is off by more than this; less is the
// antialiasing of edges.
constexpr int kChannelTolerance = 64;

// The chart's picture without the given series, and the same with them stroked
// by QPainter instead.
struct TStrokedPicture {
  QImage background, stroked;
};

inline TStrokedPicture StrokedInstead(Chart &chart, const std::vector<const LineSeries *> &lines) {
  const auto show = [&chart, &lines](bool shown) {
    for (int i = 0; i < chart.SeriesCount(); ++i)
      if (std::find(lines.begin(), lines.end(), chart.SeriesAt(i)) != lines.end()) chart.SeriesAt(i)->SetShown(shown);
  };
  show(false);
  TStrokedPicture picture{chart.ToImage(), {}};
  show(true);
  picture.stroked = picture.background;
  QPainter painter(&picture.stroked);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(chart.PlotArea().adjusted(0, 0, -1, -1));
  for (const LineSeries *line : lines) StrokeRuns(painter, chart, *line);
  return picture;
}

// The pixels of two pictures of one size where a colour channel differs by more than tolerance.
inline long DifferingPixels(const QImage &a, const QImage &b, int tolerance) {
  long differing = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      differing += std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))}) > tolerance;
    }
  return differing;
}

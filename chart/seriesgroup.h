#pragma once

#include "strokeraster.h"

#include <qcustomplot.h>

#include <vector>

class LinePlottable;

// Draws the chart's series in the chart's order. A run of line series drawn for a raster device is
// rastered on all cores and painted in order through a few workspaces, so memory does not grow
// with the number of series; anything else is drawn as QCustomPlot would draw it.
class SeriesGroup : public QCPLayerable {
 public:
  SeriesGroup(QCustomPlot *plot, const QString &layer);

  // The series' plottables in drawing order; the chart keeps them, this only draws them.
  void SetPlottables(std::vector<QCPAbstractPlottable *> plottables);

 protected:
  void applyDefaultAntialiasingHint(QCPPainter *painter) const override;
  void draw(QCPPainter *painter) override;

 private:
  // The line series from index on that are drawn one after another; the index after them.
  std::size_t LineRun(std::size_t index, std::vector<LinePlottable *> &run) const;
  void DrawLines(QCPPainter &painter, const std::vector<LinePlottable *> &run);

  std::vector<QCPAbstractPlottable *> plottables_;
  std::vector<StrokeRaster> workspaces_;
};

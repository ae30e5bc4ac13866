#pragma once

#include "chartaxis.h"

#include <qcustomplot.h>

#include <QMarginsF>

#include <functional>

class SeriesGroup;
class UnderlayLayerable;

// The QCustomPlot under a Chart, set up once with the chart's fixed look: layers in drawing
// order, the legend beside the plot area, the axes' pens, ticks and labels. It takes no mouse
// input of its own; the chart handles the mouse.
class PlotSurface : public QCustomPlot {
  Q_OBJECT

 public:
  explicit PlotSurface(QWidget *parent);

  QCPAxis &axis(ChartAxis axis) const;
  // Where the series' plottables are kept: a layer that is never drawn, for the series group
  // draws them in the chart's order.
  QCPLayer *plottableLayer() const;
  SeriesGroup &seriesGroup() const { return *seriesGroup_; }
  UnderlayLayerable &underlay() const { return *underlay_; }

  void setMarginsPercent(const QMarginsF &margins);
  void setBackgroundColors(const QColor &bottom, const QColor &top);
  QColor bottomColor() const { return bottomColor_; }
  QColor topColor() const { return topColor_; }
  void setLegendShown(bool shown);

  // What fills the legend; it runs before a layout once the legend has been marked.
  void setLegendFiller(std::function<void()> filler) { fillLegend_ = std::move(filler); }
  // Marks the legend to be filled anew before the next layout or drawing.
  void invalidateLegend() {
    legendValid_ = false;
    layoutValid_ = false;
  }
  // Geometry queries between redraws need a current layout.
  void invalidateLayout() { layoutValid_ = false; }
  void ensureLayout();

 protected:
  void updateLayout() override;
  void resizeEvent(QResizeEvent *event) override;

 private:
  void setUpLayers();
  void setUpAxis(QCPAxis &axis);
  void setUpLegend();
  void applyMargins();
  void applyRoomForEndLabels();

  UnderlayLayerable *underlay_ = nullptr;
  SeriesGroup *seriesGroup_ = nullptr;
  QCPLayoutGrid *legendColumn_ = nullptr;
  QMarginsF marginsPercent_;
  QColor bottomColor_ = Qt::white;
  QColor topColor_ = Qt::white;
  bool layoutValid_ = false;
  bool legendValid_ = false;
  std::function<void()> fillLegend_;
};

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

  QCPAxis &Axis(ChartAxis axis) const;
  // Where the series' plottables are kept: a layer that is never drawn, for the series group
  // draws them in the chart's order.
  QCPLayer *PlottableLayer() const;
  SeriesGroup &Group() const { return *seriesGroup_; }
  UnderlayLayerable &Underlay() const { return *underlay_; }

  void SetMarginsPercent(const QMarginsF &margins);
  void SetBackgroundColors(const QColor &bottom, const QColor &top);
  QColor BottomColor() const { return bottomColor_; }
  QColor TopColor() const { return topColor_; }
  void SetLegendShown(bool shown);

  // What fills the legend; it runs before a layout once the legend has been marked.
  void SetLegendFiller(std::function<void()> filler) { fillLegend_ = std::move(filler); }
  // Marks the legend to be filled anew before the next layout or drawing.
  void InvalidateLegend() {
    legendValid_ = false;
    layoutValid_ = false;
  }
  // Geometry queries between redraws need a current layout.
  void InvalidateLayout() { layoutValid_ = false; }
  void EnsureLayout();

 protected:
  void updateLayout() override;
  void resizeEvent(QResizeEvent *event) override;

 private:
  void SetUpLayers();
  void SetUpAxis(QCPAxis &axis);
  void SetUpLegend();
  void ApplyMargins();
  void ApplyRoomForEndLabels();

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

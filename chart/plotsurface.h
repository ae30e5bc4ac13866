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
  SeriesGroup &seriesGroup() const { return *mSeriesGroup; }
  UnderlayLayerable &underlay() const { return *mUnderlay; }

  void setMarginsPercent(const QMarginsF &margins);
  void setBackgroundColors(const QColor &bottom, const QColor &top);
  QColor bottomColor() const { return mBottomColor; }
  QColor topColor() const { return mTopColor; }
  void setLegendShown(bool shown);

  // What fills the legend; it runs before a layout once the legend has been marked.
  void setLegendFiller(std::function<void()> filler) { mFillLegend = std::move(filler); }
  // Marks the legend to be filled anew before the next layout or drawing.
  void invalidateLegend() {
    mLegendValid = false;
    mLayoutValid = false;
  }
  // Geometry queries between redraws need a current layout.
  void invalidateLayout() { mLayoutValid = false; }
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

  UnderlayLayerable *mUnderlay = nullptr;
  SeriesGroup *mSeriesGroup = nullptr;
  QCPLayoutGrid *mLegendColumn = nullptr;
  QMarginsF mMarginsPercent;
  QColor mBottomColor = Qt::white;
  QColor mTopColor = Qt::white;
  bool mLayoutValid = false;
  bool mLegendValid = false;
  std::function<void()> mFillLegend;
};

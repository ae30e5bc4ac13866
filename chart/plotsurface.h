#pragma once

#include "chartaxis.h"

#include <qcustomplot.h>

#include <QMarginsF>

class UnderlayLayerable;

// The QCustomPlot under a Chart, set up once with the chart's fixed look: layers in drawing
// order, the legend beside the plot area, the axes' pens, ticks and labels. It takes no mouse
// input of its own; the chart handles the mouse.
class PlotSurface : public QCustomPlot {
  Q_OBJECT

 public:
  explicit PlotSurface(QWidget *parent);

  QCPAxis &axis(ChartAxis axis) const;
  QCPLayer *seriesLayer() const;
  UnderlayLayerable &underlay() const { return *mUnderlay; }

  void setMarginsPercent(const QMarginsF &margins);
  QMarginsF marginsPercent() const { return mMarginsPercent; }
  void setBackgroundColors(const QColor &bottom, const QColor &top);
  QColor bottomColor() const { return mBottomColor; }
  QColor topColor() const { return mTopColor; }
  void setLegendShown(bool shown);

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
  QCPLayoutGrid *mLegendColumn = nullptr;
  QMarginsF mMarginsPercent;
  QColor mBottomColor = Qt::white;
  QColor mTopColor = Qt::white;
  bool mLayoutValid = false;
};

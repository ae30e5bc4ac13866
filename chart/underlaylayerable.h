#pragma once

#include <qcustomplot.h>

#include <functional>

class AxisCopyPainter;

// Sits on the layer between the axes and the series and runs the chart's before-series hook
// there, so whatever the hook draws lies over the grid and axes and under the curves.
class UnderlayLayerable : public QCPLayerable {
 public:
  using Hook = std::function<void(AxisCopyPainter &)>;

  UnderlayLayerable(QCustomPlot *plot, const QString &layer);

  void SetHook(Hook hook) { hook_ = std::move(hook); }

 protected:
  void applyDefaultAntialiasingHint(QCPPainter *painter) const override;
  void draw(QCPPainter *painter) override;

 private:
  Hook hook_;
};

#pragma once

#include <qcustomplot.h>

class RectangleSeries;

// Draws the outline of a rectangle series.
class RectanglePlottable : public QCPAbstractPlottable {
 public:
  RectanglePlottable(QCPAxis *keyAxis, QCPAxis *valueAxis, const RectangleSeries &series);

  double selectTest(const QPointF &pos, bool onlySelectable, QVariant *details) const override;
  QCPRange getKeyRange(bool &foundRange, QCP::SignDomain inSignDomain) const override;
  QCPRange getValueRange(bool &foundRange, QCP::SignDomain inSignDomain, const QCPRange &inKeyRange) const override;
  void draw(QCPPainter *painter) override;

 protected:
  void drawLegendIcon(QCPPainter *painter, const QRectF &rect) const override;

 private:
  const RectangleSeries &series_;
};

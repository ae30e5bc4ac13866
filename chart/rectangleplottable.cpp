#include "rectangleplottable.h"

#include "rectangleseries.h"

#include <algorithm>

namespace {

QCPRange SpanOf(double a, double b, bool &foundRange) {
  foundRange = true;
  return QCPRange(std::min(a, b), std::max(a, b));
}

}  // namespace

RectanglePlottable::RectanglePlottable(QCPAxis *keyAxis, QCPAxis *valueAxis, const RectangleSeries &series)
    : QCPAbstractPlottable(keyAxis, valueAxis), series_(series) {}

double RectanglePlottable::selectTest(const QPointF &, bool, QVariant *) const {
  return -1;  // series are never selected by the mouse
}

QCPRange RectanglePlottable::getKeyRange(bool &foundRange, QCP::SignDomain) const {
  return SpanOf(series_.FirstCorner().x(), series_.SecondCorner().x(), foundRange);
}

QCPRange RectanglePlottable::getValueRange(bool &foundRange, QCP::SignDomain, const QCPRange &) const {
  return SpanOf(series_.FirstCorner().y(), series_.SecondCorner().y(), foundRange);
}

void RectanglePlottable::draw(QCPPainter *painter) {
  if (!mKeyAxis || !mValueAxis) return;
  const QPointF first(mKeyAxis->coordToPixel(series_.FirstCorner().x()),
                      mValueAxis->coordToPixel(series_.FirstCorner().y()));
  const QPointF second(mKeyAxis->coordToPixel(series_.SecondCorner().x()),
                       mValueAxis->coordToPixel(series_.SecondCorner().y()));
  painter->setPen(mPen);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(QRectF(first, second).normalized());
}

void RectanglePlottable::drawLegendIcon(QCPPainter *, const QRectF &) const {
  // never listed in a legend
}

#pragma once

#include "columnenvelope.h"
#include "strokeraster.h"

#include <qcustomplot.h>

#include <memory>
#include <utility>

class LineData;

// Draws a line series exactly and fast: per pixel column only the envelope of the curve is
// stroked (see ColumnEnvelope), points outside the view are cut off, null points break the line.
// On raster devices (screen, picture) the envelope goes through our own StrokeRaster; on vector
// devices (printer) QPainter strokes it, at the device's own resolution.
class LinePlottable : public QCPAbstractPlottable {
public:
  LinePlottable(QCPAxis *keyAxis, QCPAxis *valueAxis, std::shared_ptr<const LineData> data);

  double selectTest(const QPointF &pos, bool onlySelectable, QVariant *details) const override;
  QCPRange getKeyRange(bool &foundRange, QCP::SignDomain inSignDomain) const override;
  QCPRange getValueRange(bool &foundRange, QCP::SignDomain inSignDomain,
                         const QCPRange &inKeyRange) const override;

protected:
  void draw(QCPPainter *painter) override;
  void drawLegendIcon(QCPPainter *painter, const QRectF &rect) const override;

private:
  // Feeds every visible run, in device pixels and cut to clip, to the envelope.
  void traceRuns(const QTransform &toDevice, const QRectF &clip, ColumnEnvelope &envelope) const;
  void drawRastered(QCPPainter &painter);
  void drawStroked(QCPPainter &painter);
  // Index range [first, last) of the points that can reach the view.
  std::pair<size_t, size_t> visibleSpan() const;

  std::shared_ptr<const LineData> mData;
  StrokeRaster mRaster;
};

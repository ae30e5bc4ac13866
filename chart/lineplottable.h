#pragma once

#include "columnenvelope.h"
#include "strokeraster.h"

#include <qcustomplot.h>

#include <memory>
#include <utility>

class LineData;

// Draws a line series exactly and fast: per pixel column only the envelope of the curve is
// stroked (see ColumnEnvelope), points outside the view are cut off, null points break the line.
// On raster devices (screen, picture) the envelope goes through our own StrokeRaster, into a
// workspace the chart's SeriesGroup hands out; on vector devices (printer) QPainter strokes it, at
// the device's own resolution.
class LinePlottable : public QCPAbstractPlottable {
 public:
  // Value-to-pixel mapping of one axis, taken once per redraw instead of per point.
  struct AxisMap {
    AxisMap(const QCPAxis &axis, double scale, double offset);
    double operator()(double value) const { return origin + (value - lower) * factor; }
    bool operator==(const AxisMap &) const = default;

    double lower, origin, factor;
  };
  // Everything a rastered picture of the series depends on.
  struct RasterInput {
    AxisMap toX, toY;
    QRect area;
    QCPRange keyRange;
    double penWidth;
    QColor color;
  };

  LinePlottable(QCPAxis *keyAxis, QCPAxis *valueAxis, std::shared_ptr<const LineData> data);

  double selectTest(const QPointF &pos, bool onlySelectable, QVariant *details) const override;
  QCPRange getKeyRange(bool &foundRange, QCP::SignDomain inSignDomain) const override;
  QCPRange getValueRange(bool &foundRange, QCP::SignDomain inSignDomain, const QCPRange &inKeyRange) const override;

  // Whether our own rasteriser can draw for this painter: a raster device, no rotation or shear,
  // the same scale both ways.
  static bool IsRasterTarget(const QPainter &painter);
  bool IsDrawable() const;
  // The picture's input for a painter's device transform and the device pixels it may touch;
  // makes ready, on the calling thread, whatever rastering on another thread reads.
  RasterInput RasterInputFor(const QTransform &toDevice, const QRect &area) const;
  // Any thread may raster any number of series at once, each into a workspace of its own.
  void Raster(StrokeRaster &workspace, const RasterInput &input) const;
  // Strokes the series with the painter.
  void draw(QCPPainter *painter) override;

 protected:
  void drawLegendIcon(QCPPainter *painter, const QRectF &rect) const override;

 private:
  // Feeds every visible run, in pixels and cut to clip, to the envelope.
  void TraceRuns(const AxisMap &toX, const AxisMap &toY, const QRectF &clip, double penWidth, const QCPRange &keyRange,
                 ColumnEnvelope &envelope) const;
  // Index range [first, last) of the points that can reach the view.
  std::pair<size_t, size_t> VisibleSpan(const QCPRange &view) const;

  std::shared_ptr<const LineData> data_;
};

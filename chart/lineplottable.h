#pragma once

#include "columnenvelope.h"
#include "strokeraster.h"

#include <qcustomplot.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

class JobBatch;
class LineData;

// Draws a line series exactly and fast: per pixel column only the envelope of the curve is
// stroked (see ColumnEnvelope), points outside the view are cut off, null points break the line.
// On raster devices (screen, picture) the envelope goes through our own StrokeRaster; on vector
// devices (printer) QPainter strokes it, at the device's own resolution. The series of one layer
// are rastered on all cores: the first one drawn starts the others on helper threads.
class LinePlottable : public QCPAbstractPlottable {
 public:
  LinePlottable(QCPAxis *keyAxis, QCPAxis *valueAxis, std::shared_ptr<const LineData> data);
  ~LinePlottable() override;

  double selectTest(const QPointF &pos, bool onlySelectable, QVariant *details) const override;
  QCPRange getKeyRange(bool &foundRange, QCP::SignDomain inSignDomain) const override;
  QCPRange getValueRange(bool &foundRange, QCP::SignDomain inSignDomain, const QCPRange &inKeyRange) const override;

 protected:
  void draw(QCPPainter *painter) override;
  void drawLegendIcon(QCPPainter *painter, const QRectF &rect) const override;

 private:
  // Value-to-pixel mapping of one axis, taken once per redraw instead of per point.
  struct AxisMap {
    AxisMap(const QCPAxis &axis, double scale, double offset);
    double operator()(double value) const { return origin + (value - lower) * factor; }
    bool operator==(const AxisMap &) const = default;

    double lower, origin, factor;
  };
  // Everything a rastered picture of the series depends on: equal inputs, equal pictures.
  struct RasterInput {
    AxisMap toX, toY;
    QRect area;
    QCPRange keyRange;
    double penWidth;
    QColor color;
    uint64_t dataVersion;
    bool operator==(const RasterInput &) const = default;
  };
  // A picture being rastered, perhaps on another thread, for the input it was started with.
  struct Pending {
    std::shared_ptr<JobBatch> batch;
    size_t job;
    RasterInput input;
  };

  bool isDrawable() const;
  RasterInput rasterInput(const QTransform &toDevice, const QRect &area) const;
  void startRastering(const QTransform &toDevice, const QRect &area);
  void raster(const RasterInput &input);
  void settlePending();
  // Feeds every visible run, in pixels and cut to clip, to the envelope.
  void traceRuns(const AxisMap &toX, const AxisMap &toY, const QRectF &clip, double penWidth, const QCPRange &keyRange,
                 ColumnEnvelope &envelope) const;
  void drawRastered(QCPPainter &painter);
  void drawStroked(QCPPainter &painter);
  // Index range [first, last) of the points that can reach the view.
  std::pair<size_t, size_t> visibleSpan(const QCPRange &view) const;

  std::shared_ptr<const LineData> mData;
  StrokeRaster mRaster;
  std::optional<Pending> mPending;
};

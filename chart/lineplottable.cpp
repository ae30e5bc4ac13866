#include "lineplottable.h"

#include "linedata.h"
#include "segmentclipper.h"

#include <QPaintEngine>

#include <algorithm>

namespace {

bool inSignDomain(double value, QCP::SignDomain domain) {
  return domain == QCP::sdBoth || (domain == QCP::sdPositive && value > 0) || (domain == QCP::sdNegative && value < 0);
}

template <typename Pick>
QCPRange ExtentRange(const LineData &data, bool &foundRange, Pick pick) {
  const std::optional<LineData::Extent> extent = data.PointExtent();
  foundRange = extent.has_value();
  return extent ? pick(*extent) : QCPRange();
}

// Range of the values that pick gives for the ordinary points it accepts.
template <typename Pick>
QCPRange scanRange(const std::vector<ChartPoint> &points, bool &foundRange, Pick pick) {
  QCPRange range;
  foundRange = false;
  for (const ChartPoint &p : points) {
    const auto [value, accepted] = pick(p);
    if (p.IsNull() || !accepted) continue;
    range = foundRange ? QCPRange(std::min(range.lower, value), std::max(range.upper, value)) : QCPRange(value, value);
    foundRange = true;
  }
  return range;
}

void Prefetch(const ChartPoint *points, size_t count) {
  const auto *bytes = reinterpret_cast<const char *>(points);
  constexpr size_t kCacheLine = 64;
  for (size_t offset = 0; offset < count * sizeof(ChartPoint); offset += kCacheLine) __builtin_prefetch(bytes + offset);
}

// Adds one segment, cut to the view, to the envelope; a cut end breaks the polyline there.
inline void TraceSegment(ColumnEnvelope &envelope, const SegmentClipper &clipper, QPointF from, QPointF to) {
  const SegmentClipper::Cut cut = clipper.Clip(from, to);
  if (!cut.visible) {
    envelope.Finish();
    return;
  }
  if (!envelope.IsOpen() || cut.startMoved) envelope.MoveTo(from);
  envelope.LineTo(to);
  if (cut.endMoved) envelope.Finish();
}

}  // namespace

LinePlottable::AxisMap::AxisMap(const QCPAxis &axis, double scale, double offset)
    : lower(axis.range().lower),
      origin(axis.coordToPixel(axis.range().lower) * scale + offset),
      factor((axis.coordToPixel(axis.range().upper) - axis.coordToPixel(axis.range().lower)) * scale /
             axis.range().size()) {}

LinePlottable::LinePlottable(QCPAxis *keyAxis, QCPAxis *valueAxis, std::shared_ptr<const LineData> data)
    : QCPAbstractPlottable(keyAxis, valueAxis), data_(std::move(data)) {}

bool LinePlottable::IsRasterTarget(const QPainter &painter) {
  const QTransform t = painter.deviceTransform();
  return painter.paintEngine()->type() == QPaintEngine::Raster && t.type() <= QTransform::TxScale &&
         t.m11() == t.m22() && t.m11() > 0;
}

double LinePlottable::selectTest(const QPointF &, bool, QVariant *) const {
  return -1;  // series are never selected by the mouse
}

QCPRange LinePlottable::getKeyRange(bool &foundRange, QCP::SignDomain domain) const {
  if (domain == QCP::sdBoth)
    return ExtentRange(*data_, foundRange, [](const LineData::Extent &e) { return QCPRange(e.minX, e.maxX); });
  return scanRange(data_->Points(), foundRange,
                   [domain](const ChartPoint &p) { return std::pair(p.x, inSignDomain(p.x, domain)); });
}

QCPRange LinePlottable::getValueRange(bool &foundRange, QCP::SignDomain domain, const QCPRange &inKeyRange) const {
  const bool wholeKeyRange = inKeyRange == QCPRange();
  if (domain == QCP::sdBoth && wholeKeyRange)
    return ExtentRange(*data_, foundRange, [](const LineData::Extent &e) { return QCPRange(e.minY, e.maxY); });
  return scanRange(data_->Points(), foundRange, [&](const ChartPoint &p) {
    return std::pair(p.y, inSignDomain(p.y, domain) && (wholeKeyRange || inKeyRange.contains(p.x)));
  });
}

bool LinePlottable::IsDrawable() const {
  return data_->Points().size() >= 2 && mKeyAxis && mValueAxis && mKeyAxis->range().size() > 0 &&
         mValueAxis->range().size() > 0;
}

LinePlottable::RasterInput LinePlottable::RasterInputFor(const QTransform &toDevice, const QRect &area) const {
  data_->Blocks();
  return {AxisMap(*mKeyAxis, toDevice.m11(), toDevice.dx()),
          AxisMap(*mValueAxis, toDevice.m22(), toDevice.dy()),
          area,
          mKeyAxis->range(),
          mPen.widthF() * toDevice.m11(),
          mPen.color()};
}

void LinePlottable::Raster(StrokeRaster &workspace, const RasterInput &input) const {
  workspace.Begin(input.area, input.penWidth);
  ColumnEnvelope envelope([&workspace](const QPolygonF &line) { workspace.AddPolyline(line); });
  TraceRuns(input.toX, input.toY, input.area, input.penWidth, input.keyRange, envelope);
  workspace.Finish(input.color);
}

void LinePlottable::draw(QCPPainter *painter) {
  if (!IsDrawable()) return;
  painter->setPen(mPen);
  painter->setBrush(Qt::NoBrush);
  ColumnEnvelope envelope([painter](const QPolygonF &line) { painter->drawPolyline(line); });
  TraceRuns(AxisMap(*mKeyAxis, 1, 0), AxisMap(*mValueAxis, 1, 0), clipRect(), mPen.widthF(), mKeyAxis->range(),
            envelope);
}

void LinePlottable::TraceRuns(const AxisMap &toX, const AxisMap &toY, const QRectF &clip, double penWidth,
                              const QCPRange &keyRange, ColumnEnvelope &envelope) const {
  const auto pixelOf = [&](const ChartPoint &p) { return QPointF(toX(p.x), toY(p.y)); };
  // Cut a little outside the view so that the pen's own width never shows a cut end.
  const double margin = penWidth + 2;
  const SegmentClipper clipper(clip.adjusted(-margin, -margin, margin, margin));
  const std::vector<ChartPoint> &points = data_->Points();
  const std::vector<LineData::Block> &blocks = data_->Blocks();
  const auto [first, last] = VisibleSpan(keyRange);
  bool hasPrevious = false;
  QPointF previous;
  for (size_t i = first; i < last;) {
    // A block wholly inside the view and within the column the curve is in adds only its
    // extremes and its last point to the envelope; the points between change nothing.
    if (hasPrevious && i % LineData::kBlockSize == 0 && i + LineData::kBlockSize <= last && envelope.IsOpen() &&
        clipper.Contains(previous)) {
      const LineData::Block &block = blocks[i / LineData::kBlockSize];
      const long long column = ColumnEnvelope::ColumnOf(previous.x());
      const QPointF low = pixelOf(block.lowest);
      const QPointF high = pixelOf(block.highest);
      if (!block.hasNull && ColumnEnvelope::ColumnOf(toX(block.minX)) == column &&
          ColumnEnvelope::ColumnOf(toX(block.maxX)) == column && clipper.Contains(low) && clipper.Contains(high)) {
        envelope.LineTo(block.lowestFirst ? low : high);
        envelope.LineTo(block.lowestFirst ? high : low);
        i += LineData::kBlockSize;
        previous = pixelOf(block.last);
        envelope.LineTo(previous);
        // The next block leaving the column is read point by point: fetch its points meanwhile.
        if (i + LineData::kBlockSize <= points.size() &&
            ColumnEnvelope::ColumnOf(toX(blocks[i / LineData::kBlockSize].maxX)) != column)
          Prefetch(&points[i], LineData::kBlockSize);
        continue;
      }
    }
    const ChartPoint &p = points[i++];
    if (p.IsNull()) {
      envelope.Finish();
      hasPrevious = false;
      continue;
    }
    const QPointF pixel = pixelOf(p);
    if (hasPrevious) TraceSegment(envelope, clipper, previous, pixel);
    previous = pixel;
    hasPrevious = true;
  }
  envelope.Finish();
}

void LinePlottable::drawLegendIcon(QCPPainter *painter, const QRectF &rect) const {
  painter->setPen(mPen);
  const double y = rect.center().y();
  painter->drawLine(QLineF(rect.left(), y, rect.right(), y));
}

std::pair<size_t, size_t> LinePlottable::VisibleSpan(const QCPRange &view) const {
  const std::vector<ChartPoint> &points = data_->Points();
  if (!data_->IsSortedByX()) return {0, points.size()};
  const auto byX = [](const ChartPoint &p, double x) { return p.x < x; };
  const auto firstIn = std::lower_bound(points.begin(), points.end(), view.lower, byX);
  const auto firstAfter =
      std::upper_bound(points.begin(), points.end(), view.upper, [](double x, const ChartPoint &p) { return x < p.x; });
  // One point beyond each end, so the segments that cross the view's borders are drawn.
  const size_t first = std::max<std::ptrdiff_t>(firstIn - points.begin() - 1, 0);
  const size_t last = std::min<size_t>(firstAfter - points.begin() + 1, points.size());
  return {first, last};
}

#include "chart.h"

#include "chartmouse.h"
#include "lineplottable.h"
#include "plotsurface.h"
#include "rectangleplottable.h"
#include "seriesgroup.h"
#include "underlaylayerable.h"

#include <QMouseEvent>
#include <QPicture>
#include <QPrinter>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <stdexcept>

struct Chart::Entry {
  std::unique_ptr<Series> series;
  QCPAbstractPlottable *plottable;
};

namespace {

constexpr ChartAxis kBothAxes[] = {ChartAxis::Bottom, ChartAxis::Left};
constexpr double kPrintMarginShare = 0.1;
// One notch of the wheel forwards narrows the view to this share about the pointer.
constexpr double kWheelNotchFactor = 0.8;
constexpr double kWheelNotchAngle = 120;  // eighths of a degree
// A narrower range leaves too few doubles between its ends to draw it.
constexpr double kNarrowestRangeShare = 1e-12;

int indexOf(ChartAxis axis) { return axis == ChartAxis::Bottom ? 0 : 1; }

QPen recoloured(QPen pen, const QColor &color) {
  pen.setColor(color);
  return pen;
}

QCPAbstractPlottable *plottableFor(Series &series, QCPAxis &x, QCPAxis &y) {
  if (auto *line = dynamic_cast<LineSeries *>(&series)) return new LinePlottable(&x, &y, line->data());
  if (auto *rectangle = dynamic_cast<RectangleSeries *>(&series)) return new RectanglePlottable(&x, &y, *rectangle);
  throw std::invalid_argument("a chart draws line and rectangle series only");
}

}  // namespace

Chart::Chart(QWidget *parent)
    : QWidget(parent),
      plot_(new PlotSurface(this)),
      mouse_(std::make_unique<ChartMouse>(*this)),
      scrollPermission_([](ChartAxis, double, double) { return true; }) {
  setMouseTracking(true);
  connect(plot_, &QCustomPlot::afterReplot, this, &Chart::redrawn);
  for (ChartAxis axis : kBothAxes) applyRange(axis);
  plot_->setLegendFiller([this] { fillLegend(); });
}

Chart::~Chart() {
  // The plottables refer to the series; they go first.
  delete plot_;
}

// --- axes -------------------------------------------------------------------------------------

void Chart::setRange(ChartAxis axis, double minimum, double maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  rangeOf(axis) = {minimum, maximum};
  applyRange(axis);
  requestRedraw();
}

double Chart::minimum(ChartAxis axis) const { return rangeOf(axis).minimum; }

double Chart::maximum(ChartAxis axis) const { return rangeOf(axis).maximum; }

double Chart::valueToPixel(ChartAxis axis, double value) const {
  fitSurface();
  return plot_->axis(axis).coordToPixel(value);
}

double Chart::pixelToValue(ChartAxis axis, double pixel) const {
  if (rangeOf(axis).isEmpty()) return rangeOf(axis).minimum;
  fitSurface();
  return plot_->axis(axis).pixelToCoord(pixel);
}

QRect Chart::plotArea() const {
  fitSurface();
  const QCPAxis &x = plot_->axis(ChartAxis::Bottom);
  const QCPAxis &y = plot_->axis(ChartAxis::Left);
  const auto pixel = [](const QCPAxis &axis, double value) {
    return static_cast<int>(std::lround(axis.coordToPixel(value)));
  };
  return QRect(QPoint(pixel(x, x.range().lower), pixel(y, y.range().upper)),
               QPoint(pixel(x, x.range().upper), pixel(y, y.range().lower)));
}

QStringList Chart::tickLabels(ChartAxis axis) const {
  if (rangeOf(axis).isEmpty()) return {};
  fitSurface();
  const QVector<QString> labels = plot_->axis(axis).tickVectorLabels();
  return QStringList(labels.begin(), labels.end());
}

void Chart::setAxesShown(bool shown) {
  axesShown_ = shown;
  for (ChartAxis axis : kBothAxes) applyAxisVisibility(axis);
  requestRedraw();
}

// An empty range cannot be drawn: the axis then spans one unit either side of its value and
// shows neither ticks, labels nor grid, while minimum() and maximum() still report the range.
void Chart::applyRange(ChartAxis axis) {
  const Range &range = rangeOf(axis);
  if (range.isEmpty())
    plot_->axis(axis).setRange(range.minimum - 1, range.minimum + 1);
  else
    plot_->axis(axis).setRange(range.minimum, range.maximum);
  applyAxisVisibility(axis);
}

void Chart::applyAxisVisibility(ChartAxis axis) {
  QCPAxis &shown = plot_->axis(axis);
  const bool spans = !rangeOf(axis).isEmpty();
  shown.setVisible(axesShown_);
  shown.setTicks(spans);
  shown.setTickLabels(spans);
  shown.grid()->setVisible(axesShown_ && spans && gridShown_[indexOf(axis)]);
}

Chart::Range &Chart::rangeOf(ChartAxis axis) { return axis == ChartAxis::Bottom ? ranges_.bottom : ranges_.left; }

const Chart::Range &Chart::rangeOf(ChartAxis axis) const {
  return axis == ChartAxis::Bottom ? ranges_.bottom : ranges_.left;
}

// --- appearance -------------------------------------------------------------------------------

void Chart::setGridShown(ChartAxis axis, bool shown) {
  gridShown_[indexOf(axis)] = shown;
  applyAxisVisibility(axis);
  requestRedraw();
}

bool Chart::isGridShown(ChartAxis axis) const { return gridShown_[indexOf(axis)]; }

void Chart::setGridColor(ChartAxis axis, const QColor &color) {
  QCPGrid &grid = *plot_->axis(axis).grid();
  grid.setPen(recoloured(grid.pen(), color));
  requestRedraw();
}

QColor Chart::gridColor(ChartAxis axis) const { return plot_->axis(axis).grid()->pen().color(); }

void Chart::setAxisLineColor(ChartAxis axis, const QColor &color) {
  QCPAxis &line = plot_->axis(axis);
  line.setBasePen(recoloured(line.basePen(), color));
  requestRedraw();
}

QColor Chart::axisLineColor(ChartAxis axis) const { return plot_->axis(axis).basePen().color(); }

void Chart::setTickColor(ChartAxis axis, const QColor &color) {
  QCPAxis &ticks = plot_->axis(axis);
  ticks.setTickPen(recoloured(ticks.tickPen(), color));
  requestRedraw();
}

QColor Chart::tickColor(ChartAxis axis) const { return plot_->axis(axis).tickPen().color(); }

void Chart::setMinorTickColor(ChartAxis axis, const QColor &color) {
  QCPAxis &ticks = plot_->axis(axis);
  ticks.setSubTickPen(recoloured(ticks.subTickPen(), color));
  requestRedraw();
}

void Chart::setLabelColor(ChartAxis axis, const QColor &color) {
  plot_->axis(axis).setTickLabelColor(color);
  requestRedraw();
}

QColor Chart::labelColor(ChartAxis axis) const { return plot_->axis(axis).tickLabelColor(); }

void Chart::setMarginsPercent(const QMarginsF &margins) {
  plot_->setMarginsPercent(margins);
  requestRedraw();
}

void Chart::setBackgroundColors(const QColor &bottom, const QColor &top) {
  plot_->setBackgroundColors(bottom, top);
  requestRedraw();
}

QColor Chart::backgroundBottomColor() const { return plot_->bottomColor(); }

QColor Chart::backgroundTopColor() const { return plot_->topColor(); }

void Chart::setLegendShown(bool shown) {
  legendShown_ = shown;
  plot_->invalidateLegend();
  requestRedraw();
}

QColor Chart::legendColor() const { return plot_->legend->brush().color(); }

// --- series -----------------------------------------------------------------------------------

void Chart::adoptSeries(std::unique_ptr<Series> series) {
  QCPAbstractPlottable *plottable = plottableFor(*series, plot_->axis(ChartAxis::Bottom), plot_->axis(ChartAxis::Left));
  plottable->setLayer(plot_->plottableLayer());
  series->listener_ = [this](Series &changed, Series::Change change) { seriesChanged(changed, change); };
  series_.push_back({std::move(series), plottable});
  applyStyle(series_.back());
  restack();
  plot_->invalidateLegend();
  requestRedraw();
}

int Chart::seriesCount() const { return static_cast<int>(series_.size()); }

Series *Chart::series(int index) const {
  if (index < 0 || index >= seriesCount()) return nullptr;
  return series_[index].series.get();
}

void Chart::exchangeSeries(int first, int second) {
  if (!series(first) || !series(second) || first == second) return;
  std::swap(series_[first], series_[second]);
  restack();
  plot_->invalidateLegend();
  requestRedraw();
}

void Chart::moveSeriesTowardsFront(int index) { exchangeSeries(index, index - 1); }

void Chart::moveSeriesTowardsBack(int index) { exchangeSeries(index, index + 1); }

void Chart::removeSeries(int index) {
  if (!series(index)) return;
  plot_->removePlottable(series_[index].plottable);
  series_.erase(series_.begin() + index);
  restack();
  plot_->invalidateLegend();
  requestRedraw();
}

void Chart::removeAllSeries() {
  while (!series_.empty()) removeSeries(seriesCount() - 1);
}

void Chart::seriesChanged(Series &series, Series::Change change) {
  if (change == Series::Change::Style) {
    const auto entry =
        std::find_if(series_.begin(), series_.end(), [&](const Entry &e) { return e.series.get() == &series; });
    applyStyle(*entry);
    plot_->invalidateLegend();
  }
  requestRedraw();
}

void Chart::applyStyle(const Entry &entry) {
  entry.plottable->setPen(entry.series->pen());
  entry.plottable->setName(entry.series->title());
  entry.plottable->setVisible(entry.series->isShown());
}

// The series order is the drawing order.
void Chart::restack() {
  std::vector<QCPAbstractPlottable *> order;
  order.reserve(series_.size());
  for (const Entry &entry : series_) order.push_back(entry.plottable);
  plot_->seriesGroup().setPlottables(std::move(order));
}

// One row per shown series in the legend, in series order; called by the surface before it lays
// itself out, so that a change of many series fills the legend once.
void Chart::fillLegend() {
  QCPLegend &legend = *plot_->legend;
  legend.clearItems();
  for (const Entry &entry : series_)
    if (entry.series->isListedInLegend() && entry.series->isShown())
      legend.addItem(new QCPPlottableLegendItem(&legend, entry.plottable));
  plot_->setLegendShown(legendShown_ && legend.itemCount() > 0);
}

// --- zoom and scroll --------------------------------------------------------------------------

void Chart::setZoomEnabled(bool enabled) { zoomEnabled_ = enabled; }

void Chart::setScrollEnabled(bool enabled) { scrollEnabled_ = enabled; }

void Chart::zoomToPixels(int left, int top, int right, int bottom) {
  const double x0 = pixelToValue(ChartAxis::Bottom, std::min(left, right));
  const double x1 = pixelToValue(ChartAxis::Bottom, std::max(left, right));
  const double y0 = pixelToValue(ChartAxis::Left, std::max(top, bottom));
  const double y1 = pixelToValue(ChartAxis::Left, std::min(top, bottom));
  announceViewChange();
  zoomToValues(x0, x1, y0, y1);
}

void Chart::zoomToValues(double bottomMinimum, double bottomMaximum, double leftMinimum, double leftMaximum) {
  saveRangesOnce();
  setRange(ChartAxis::Bottom, bottomMinimum, bottomMaximum);
  setRange(ChartAxis::Left, leftMinimum, leftMaximum);
  emit zoomed();
}

void Chart::zoomAbout(QPointF pixel, double bottomFactor, double leftFactor) {
  Ranges proposed = ranges_;
  for (ChartAxis axis : kBothAxes) {
    const double factor = axis == ChartAxis::Bottom ? bottomFactor : leftFactor;
    Range &range = axis == ChartAxis::Bottom ? proposed.bottom : proposed.left;
    if (factor == 1 || range.isEmpty()) continue;
    const double about = pixelToValue(axis, axis == ChartAxis::Bottom ? pixel.x() : pixel.y());
    Range scaled{about - (about - range.minimum) * factor, about + (range.maximum - about) * factor};
    if (viewLimit_) viewLimit_(axis, scaled.minimum, scaled.maximum);
    const double size = std::max(std::fabs(scaled.minimum), std::fabs(scaled.maximum));
    if (std::isfinite(size) && scaled.maximum - scaled.minimum > size * kNarrowestRangeShare) range = scaled;
  }
  if (proposed.bottom.minimum == ranges_.bottom.minimum && proposed.bottom.maximum == ranges_.bottom.maximum &&
      proposed.left.minimum == ranges_.left.minimum && proposed.left.maximum == ranges_.left.maximum)
    return;
  announceViewChange();
  zoomToValues(proposed.bottom.minimum, proposed.bottom.maximum, proposed.left.minimum, proposed.left.maximum);
}

void Chart::scrollByPixels(QPoint movement) {
  for (ChartAxis axis : kBothAxes) {
    const int pixels = axis == ChartAxis::Bottom ? movement.x() : movement.y();
    const Range range = rangeOf(axis);
    if (pixels == 0 || range.isEmpty()) continue;
    // Dragging moves the picture with the mouse, so the range moves the other way.
    const double shift = pixelToValue(axis, 0) - pixelToValue(axis, pixels);
    const double minimum = range.minimum + shift;
    const double maximum = range.maximum + shift;
    if (!scrollPermission_(axis, minimum, maximum)) continue;
    announceViewChange();
    saveRangesOnce();
    setRange(axis, minimum, maximum);
  }
}

void Chart::undoZoom() {
  if (!savedRanges_) return;
  announceViewChange();
  ranges_ = *savedRanges_;
  savedRanges_.reset();
  for (ChartAxis axis : kBothAxes) applyRange(axis);
  requestRedraw();
}

void Chart::saveRangesOnce() {
  if (!savedRanges_) savedRanges_ = ranges_;
}

void Chart::holdViewAnnouncements(bool hold) {
  announcementsHeld_ = hold;
  announcedWhileHeld_ = false;
}

void Chart::announceViewChange() {
  if (announcementsHeld_ && announcedWhileHeld_) return;
  announcedWhileHeld_ = announcementsHeld_;
  emit viewAboutToChange();
}

void Chart::setScrollPermission(ScrollPermission permission) { scrollPermission_ = std::move(permission); }

void Chart::setViewLimit(ViewLimit limit) { viewLimit_ = std::move(limit); }

void Chart::setToolTipSource(ToolTipSource source) { toolTipSource_ = std::move(source); }

void Chart::setBeforeSeriesHook(BeforeSeriesHook hook) {
  plot_->underlay().setHook(std::move(hook));
  requestRedraw();
}

// --- drawing and output -----------------------------------------------------------------------

void Chart::requestRedraw() {
  plot_->invalidateLayout();
  plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::redraw() { requestRedraw(); }

void Chart::redrawNow() {
  plot_->ensureLayout();
  plot_->replot(QCustomPlot::rpImmediateRefresh);
}

QImage Chart::toImage(qreal devicePixelRatio) const {
  fitSurface();
  QImage image(size() * devicePixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::white);
  QCPPainter painter(&image);
  plot_->toPainter(&painter, width(), height());
  return image;
}

void Chart::paint(QPainter &painter, const QRectF &target) const {
  if (width() <= 0 || height() <= 0) return;
  fitSurface();
  // The drawing is recorded once and replayed scaled, so any painter can take it.
  QPicture picture;
  {
    QCPPainter recorder(&picture);
    recorder.setMode(QCPPainter::pmVectorized);
    plot_->toPainter(&recorder, width(), height());
  }
  const double scale = std::min(target.width() / width(), target.height() / height());
  painter.save();
  painter.translate(target.center());
  painter.scale(scale, scale);
  painter.translate(-width() / 2.0, -height() / 2.0);
  // Playing a picture enlarges it from the resolution it was recorded at to the device's; the
  // target is in the device's pixels already, so that enlargement is taken back.
  painter.scale(double(picture.logicalDpiX()) / painter.device()->logicalDpiX(),
                double(picture.logicalDpiY()) / painter.device()->logicalDpiY());
  painter.drawPicture(0, 0, picture);
  painter.restore();
}

bool Chart::print(QPrinter &printer) const {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  const QMarginsF margins(page.width() * kPrintMarginShare, page.height() * kPrintMarginShare,
                          page.width() * kPrintMarginShare, page.height() * kPrintMarginShare);
  paint(painter, page.marginsRemoved(margins));
  return painter.end();
}

// --- events -----------------------------------------------------------------------------------

// A hidden chart gets its resize event only when shown; drawing or measuring it before then
// must not find the surface at its old size, or the layout changes mid-drawing and the pixels
// measured are not the ones drawn.
void Chart::fitSurface() const {
  if (plot_->size() != size()) plot_->setGeometry(rect());
  plot_->ensureLayout();
}

bool Chart::event(QEvent *event) {
  if (event->type() != QEvent::ToolTip || !toolTipSource_) return QWidget::event(event);
  const auto *help = static_cast<QHelpEvent *>(event);
  const QString text = toolTipSource_(help->pos());
  // The tip goes as soon as the pointer moves on; resting again asks anew.
  if (text.isEmpty())
    QToolTip::hideText();
  else
    QToolTip::showText(help->globalPos(), text, this, QRect(help->pos() - QPoint(2, 2), QSize(5, 5)));
  return true;
}

void Chart::resizeEvent(QResizeEvent *event) {
  plot_->setGeometry(rect());
  requestRedraw();
  QWidget::resizeEvent(event);
}

// Shift turns the wheel's zoom to the bottom axis alone, Ctrl to the left axis alone.
void Chart::wheelEvent(QWheelEvent *event) {
  const QPointF at = event->position();
  const QPoint angle = event->angleDelta();
  const int notches = angle.y() != 0 ? angle.y() : angle.x();
  if (!zoomEnabled_ || notches == 0 || !plotArea().contains(at.toPoint())) return QWidget::wheelEvent(event);
  const double factor = std::pow(kWheelNotchFactor, notches / kWheelNotchAngle);
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  zoomAbout(at, modifiers & Qt::ControlModifier ? 1 : factor, modifiers & Qt::ShiftModifier ? 1 : factor);
  event->accept();
}

void Chart::mousePressEvent(QMouseEvent *event) { mouse_->press(*event); }

void Chart::mouseMoveEvent(QMouseEvent *event) {
  emit mouseMoved(event->position().toPoint());
  mouse_->move(*event);
}

void Chart::mouseReleaseEvent(QMouseEvent *event) { mouse_->release(*event); }

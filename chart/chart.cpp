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

QPen Recoloured(QPen pen, const QColor &color) {
  pen.setColor(color);
  return pen;
}

QCPAbstractPlottable *PlottableFor(Series &series, QCPAxis &x, QCPAxis &y) {
  if (auto *line = dynamic_cast<LineSeries *>(&series)) return new LinePlottable(&x, &y, line->Data());
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
  connect(plot_, &QCustomPlot::afterReplot, this, &Chart::Redrawn);
  for (ChartAxis axis : kBothAxes) ApplyRange(axis);
  plot_->SetLegendFiller([this] { FillLegend(); });
}

Chart::~Chart() {
  // The plottables refer to the series; they go first.
  delete plot_;
}

// --- axes -------------------------------------------------------------------------------------

void Chart::SetRange(ChartAxis axis, double minimum, double maximum) {
  if (minimum > maximum) std::swap(minimum, maximum);
  RangeOf(axis) = {minimum, maximum};
  ApplyRange(axis);
  Redraw();
}

double Chart::Minimum(ChartAxis axis) const { return RangeOf(axis).minimum; }

double Chart::Maximum(ChartAxis axis) const { return RangeOf(axis).maximum; }

double Chart::ValueToPixel(ChartAxis axis, double value) const {
  FitSurface();
  return plot_->Axis(axis).coordToPixel(value);
}

double Chart::PixelToValue(ChartAxis axis, double pixel) const {
  if (RangeOf(axis).IsEmpty()) return RangeOf(axis).minimum;
  FitSurface();
  return plot_->Axis(axis).pixelToCoord(pixel);
}

QRect Chart::PlotArea() const {
  FitSurface();
  const QCPAxis &x = plot_->Axis(ChartAxis::Bottom);
  const QCPAxis &y = plot_->Axis(ChartAxis::Left);
  const auto pixel = [](const QCPAxis &axis, double value) {
    return static_cast<int>(std::lround(axis.coordToPixel(value)));
  };
  return QRect(QPoint(pixel(x, x.range().lower), pixel(y, y.range().upper)),
               QPoint(pixel(x, x.range().upper), pixel(y, y.range().lower)));
}

QStringList Chart::TickLabels(ChartAxis axis) const {
  if (RangeOf(axis).IsEmpty()) return {};
  FitSurface();
  const QVector<QString> labels = plot_->Axis(axis).tickVectorLabels();
  return QStringList(labels.begin(), labels.end());
}

void Chart::SetAxesShown(bool shown) {
  axesShown_ = shown;
  for (ChartAxis axis : kBothAxes) ApplyAxisVisibility(axis);
  Redraw();
}

// An empty range cannot be drawn: the axis then spans one unit either side of its value and
// shows neither ticks, labels nor grid, while minimum() and maximum() still report the range.
void Chart::ApplyRange(ChartAxis axis) {
  const Range &range = RangeOf(axis);
  if (range.IsEmpty())
    plot_->Axis(axis).setRange(range.minimum - 1, range.minimum + 1);
  else
    plot_->Axis(axis).setRange(range.minimum, range.maximum);
  ApplyAxisVisibility(axis);
}

void Chart::ApplyAxisVisibility(ChartAxis axis) {
  QCPAxis &shown = plot_->Axis(axis);
  const bool spans = !RangeOf(axis).IsEmpty();
  shown.setVisible(axesShown_);
  shown.setTicks(spans);
  shown.setTickLabels(spans);
  shown.grid()->setVisible(axesShown_ && spans && gridShown_[indexOf(axis)]);
}

Chart::Range &Chart::RangeOf(ChartAxis axis) { return axis == ChartAxis::Bottom ? ranges_.bottom : ranges_.left; }

const Chart::Range &Chart::RangeOf(ChartAxis axis) const {
  return axis == ChartAxis::Bottom ? ranges_.bottom : ranges_.left;
}

// --- appearance -------------------------------------------------------------------------------

void Chart::SetGridShown(ChartAxis axis, bool shown) {
  gridShown_[indexOf(axis)] = shown;
  ApplyAxisVisibility(axis);
  Redraw();
}

bool Chart::IsGridShown(ChartAxis axis) const { return gridShown_[indexOf(axis)]; }

void Chart::SetGridColor(ChartAxis axis, const QColor &color) {
  QCPGrid &grid = *plot_->Axis(axis).grid();
  grid.setPen(Recoloured(grid.pen(), color));
  Redraw();
}

QColor Chart::GridColor(ChartAxis axis) const { return plot_->Axis(axis).grid()->pen().color(); }

void Chart::SetAxisLineColor(ChartAxis axis, const QColor &color) {
  QCPAxis &line = plot_->Axis(axis);
  line.setBasePen(Recoloured(line.basePen(), color));
  Redraw();
}

QColor Chart::AxisLineColor(ChartAxis axis) const { return plot_->Axis(axis).basePen().color(); }

void Chart::SetTickColor(ChartAxis axis, const QColor &color) {
  QCPAxis &ticks = plot_->Axis(axis);
  ticks.setTickPen(Recoloured(ticks.tickPen(), color));
  Redraw();
}

QColor Chart::TickColor(ChartAxis axis) const { return plot_->Axis(axis).tickPen().color(); }

void Chart::SetMinorTickColor(ChartAxis axis, const QColor &color) {
  QCPAxis &ticks = plot_->Axis(axis);
  ticks.setSubTickPen(Recoloured(ticks.subTickPen(), color));
  Redraw();
}

void Chart::SetLabelColor(ChartAxis axis, const QColor &color) {
  plot_->Axis(axis).setTickLabelColor(color);
  Redraw();
}

void Chart::SetMarginsPercent(const QMarginsF &margins) {
  plot_->SetMarginsPercent(margins);
  Redraw();
}

void Chart::SetBackgroundColors(const QColor &bottom, const QColor &top) {
  plot_->SetBackgroundColors(bottom, top);
  Redraw();
}

QColor Chart::BackgroundBottomColor() const { return plot_->BottomColor(); }

QColor Chart::BackgroundTopColor() const { return plot_->TopColor(); }

void Chart::SetLegendShown(bool shown) {
  legendShown_ = shown;
  plot_->InvalidateLegend();
  Redraw();
}

QColor Chart::LegendColor() const { return plot_->legend->brush().color(); }

// --- series -----------------------------------------------------------------------------------

void Chart::AdoptSeries(std::unique_ptr<Series> series) {
  QCPAbstractPlottable *plottable = PlottableFor(*series, plot_->Axis(ChartAxis::Bottom), plot_->Axis(ChartAxis::Left));
  plottable->setLayer(plot_->PlottableLayer());
  series->listener_ = [this](Series &changed, Series::Change change) { SeriesChanged(changed, change); };
  series_.push_back({std::move(series), plottable});
  ApplyStyle(series_.back());
  Restack();
  plot_->InvalidateLegend();
  Redraw();
}

int Chart::SeriesCount() const { return static_cast<int>(series_.size()); }

Series *Chart::SeriesAt(int index) const {
  if (index < 0 || index >= SeriesCount()) return nullptr;
  return series_[index].series.get();
}

void Chart::ExchangeSeries(int first, int second) {
  if (!SeriesAt(first) || !SeriesAt(second) || first == second) return;
  std::swap(series_[first], series_[second]);
  Restack();
  plot_->InvalidateLegend();
  Redraw();
}

void Chart::MoveSeriesTowardsFront(int index) { ExchangeSeries(index, index - 1); }

void Chart::MoveSeriesTowardsBack(int index) { ExchangeSeries(index, index + 1); }

void Chart::RemoveSeries(int index) {
  if (!SeriesAt(index)) return;
  plot_->removePlottable(series_[index].plottable);
  series_.erase(series_.begin() + index);
  Restack();
  plot_->InvalidateLegend();
  Redraw();
}

void Chart::RemoveAllSeries() {
  while (!series_.empty()) RemoveSeries(SeriesCount() - 1);
}

void Chart::SeriesChanged(Series &series, Series::Change change) {
  if (change == Series::Change::Style) {
    const auto entry =
        std::find_if(series_.begin(), series_.end(), [&](const Entry &e) { return e.series.get() == &series; });
    ApplyStyle(*entry);
    plot_->InvalidateLegend();
  }
  Redraw();
}

void Chart::ApplyStyle(const Entry &entry) {
  entry.plottable->setPen(entry.series->Pen());
  entry.plottable->setName(entry.series->Title());
  entry.plottable->setVisible(entry.series->IsShown());
}

// The series order is the drawing order.
void Chart::Restack() {
  std::vector<QCPAbstractPlottable *> order;
  order.reserve(series_.size());
  for (const Entry &entry : series_) order.push_back(entry.plottable);
  plot_->Group().SetPlottables(std::move(order));
}

// One row per shown series in the legend, in series order; called by the surface before it lays
// itself out, so that a change of many series fills the legend once.
void Chart::FillLegend() {
  QCPLegend &legend = *plot_->legend;
  legend.clearItems();
  for (const Entry &entry : series_)
    if (entry.series->IsListedInLegend() && entry.series->IsShown())
      legend.addItem(new QCPPlottableLegendItem(&legend, entry.plottable));
  plot_->SetLegendShown(legendShown_ && legend.itemCount() > 0);
}

// --- zoom and scroll --------------------------------------------------------------------------

void Chart::SetZoomEnabled(bool enabled) { zoomEnabled_ = enabled; }

void Chart::SetScrollEnabled(bool enabled) { scrollEnabled_ = enabled; }

void Chart::ZoomToPixels(int left, int top, int right, int bottom) {
  const double x0 = PixelToValue(ChartAxis::Bottom, std::min(left, right));
  const double x1 = PixelToValue(ChartAxis::Bottom, std::max(left, right));
  const double y0 = PixelToValue(ChartAxis::Left, std::max(top, bottom));
  const double y1 = PixelToValue(ChartAxis::Left, std::min(top, bottom));
  AnnounceViewChange();
  ZoomToValues(x0, x1, y0, y1);
}

void Chart::ZoomToValues(double bottomMinimum, double bottomMaximum, double leftMinimum, double leftMaximum) {
  SaveRangesOnce();
  SetRange(ChartAxis::Bottom, bottomMinimum, bottomMaximum);
  SetRange(ChartAxis::Left, leftMinimum, leftMaximum);
  emit Zoomed();
}

void Chart::ZoomAbout(QPointF pixel, double bottomFactor, double leftFactor) {
  Ranges proposed = ranges_;
  for (ChartAxis axis : kBothAxes) {
    const double factor = axis == ChartAxis::Bottom ? bottomFactor : leftFactor;
    Range &range = axis == ChartAxis::Bottom ? proposed.bottom : proposed.left;
    if (factor == 1 || range.IsEmpty()) continue;
    const double about = PixelToValue(axis, axis == ChartAxis::Bottom ? pixel.x() : pixel.y());
    Range scaled{about - (about - range.minimum) * factor, about + (range.maximum - about) * factor};
    if (viewLimit_) viewLimit_(axis, scaled.minimum, scaled.maximum);
    const double size = std::max(std::fabs(scaled.minimum), std::fabs(scaled.maximum));
    if (std::isfinite(size) && scaled.maximum - scaled.minimum > size * kNarrowestRangeShare) range = scaled;
  }
  if (proposed == ranges_) return;
  AnnounceViewChange();
  ZoomToValues(proposed.bottom.minimum, proposed.bottom.maximum, proposed.left.minimum, proposed.left.maximum);
}

void Chart::ScrollByPixels(QPoint movement) {
  std::vector<std::pair<ChartAxis, Range>> moves;
  for (ChartAxis axis : kBothAxes) {
    const int pixels = axis == ChartAxis::Bottom ? movement.x() : movement.y();
    const Range range = RangeOf(axis);
    if (pixels == 0 || range.IsEmpty()) continue;
    // Dragging moves the picture with the mouse, so the range moves the other way.
    const double shift = PixelToValue(axis, 0) - PixelToValue(axis, pixels);
    const Range moved{range.minimum + shift, range.maximum + shift};
    if (scrollPermission_(axis, moved.minimum, moved.maximum)) moves.emplace_back(axis, moved);
  }
  // The view left is announced once, whole, before either axis moves.
  if (moves.empty()) return;
  AnnounceViewChange();
  SaveRangesOnce();
  for (const auto &[axis, moved] : moves) SetRange(axis, moved.minimum, moved.maximum);
}

void Chart::UndoZoom() {
  if (!savedRanges_) return;
  AnnounceViewChange();
  ranges_ = *savedRanges_;
  savedRanges_.reset();
  for (ChartAxis axis : kBothAxes) ApplyRange(axis);
  Redraw();
}

void Chart::SaveRangesOnce() {
  if (!savedRanges_) savedRanges_ = ranges_;
}

void Chart::HoldViewAnnouncements(bool hold) {
  announcementsHeld_ = hold;
  announcedWhileHeld_ = false;
}

void Chart::AnnounceViewChange() {
  if (announcementsHeld_ && announcedWhileHeld_) return;
  announcedWhileHeld_ = announcementsHeld_;
  emit ViewAboutToChange();
}

void Chart::SetScrollPermission(ScrollPermission permission) { scrollPermission_ = std::move(permission); }

void Chart::SetViewLimit(ViewLimit limit) { viewLimit_ = std::move(limit); }

void Chart::SetToolTipSource(ToolTipSource source) { toolTipSource_ = std::move(source); }

void Chart::SetBeforeSeriesHook(BeforeSeriesHook hook) {
  plot_->Underlay().SetHook(std::move(hook));
  Redraw();
}

// --- drawing and output -----------------------------------------------------------------------

void Chart::Redraw() {
  plot_->InvalidateLayout();
  plot_->replot(QCustomPlot::rpQueuedReplot);
}

void Chart::RedrawNow() {
  plot_->EnsureLayout();
  plot_->replot(QCustomPlot::rpImmediateRefresh);
}

QImage Chart::ToImage(qreal devicePixelRatio) const {
  FitSurface();
  QImage image(size() * devicePixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::white);
  QCPPainter painter(&image);
  plot_->toPainter(&painter, width(), height());
  return image;
}

void Chart::Paint(QPainter &painter, const QRectF &target) const {
  if (width() <= 0 || height() <= 0) return;
  FitSurface();
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

bool Chart::Print(QPrinter &printer) const {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
  const QMarginsF margins(page.width() * kPrintMarginShare, page.height() * kPrintMarginShare,
                          page.width() * kPrintMarginShare, page.height() * kPrintMarginShare);
  Paint(painter, page.marginsRemoved(margins));
  return painter.end();
}

// --- events -----------------------------------------------------------------------------------

// A hidden chart gets its resize event only when shown; drawing or measuring it before then
// must not find the surface at its old size, or the layout changes mid-drawing and the pixels
// measured are not the ones drawn.
void Chart::FitSurface() const {
  if (plot_->size() != size()) plot_->setGeometry(rect());
  plot_->EnsureLayout();
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
  Redraw();
  QWidget::resizeEvent(event);
}

// Shift turns the wheel's zoom to the bottom axis alone, Ctrl to the left axis alone.
void Chart::wheelEvent(QWheelEvent *event) {
  const QPointF at = event->position();
  const QPoint angle = event->angleDelta();
  const int notches = angle.y() != 0 ? angle.y() : angle.x();
  if (!zoomEnabled_ || notches == 0 || !PlotArea().contains(at.toPoint())) return QWidget::wheelEvent(event);
  const double factor = std::pow(kWheelNotchFactor, notches / kWheelNotchAngle);
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  ZoomAbout(at, modifiers & Qt::ControlModifier ? 1 : factor, modifiers & Qt::ShiftModifier ? 1 : factor);
  event->accept();
}

void Chart::mousePressEvent(QMouseEvent *event) { mouse_->Press(*event); }

void Chart::mouseMoveEvent(QMouseEvent *event) {
  emit MouseMoved(event->position().toPoint());
  mouse_->Move(*event);
}

void Chart::mouseReleaseEvent(QMouseEvent *event) { mouse_->Release(*event); }

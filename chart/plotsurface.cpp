#include "plotsurface.h"

#include "labelticker.h"
#include "seriesgroup.h"
#include "underlaylayerable.h"

#include <cmath>

namespace {

const QColor tickGrey(0x80, 0x80, 0x80);
constexpr int kTickLength = 4;
constexpr int kMinorTickLength = 2;
constexpr int kAxisLineWidth = 2;
constexpr int kLabelPixelSize = 11;
constexpr int kLegendPixelSize = 13;
const char *const underlayLayer = "underlay";
const char *const plottablesLayer = "plottables";

QFont PixelFont(const QString &family, int pixelSize) {
  QFont font(family);
  font.setPixelSize(pixelSize);
  return font;
}

}  // namespace

PlotSurface::PlotSurface(QWidget *parent) : QCustomPlot(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setInteractions(QCP::Interactions());
  setAutoAddPlottableToLegend(false);
  // Labels drawn from cached pixmaps land a pixel off the text that pictures and printouts draw;
  // the screen draws its text the same way they do.
  setPlottingHint(QCP::phCacheLabels, false);
  SetUpLayers();
  SetUpAxis(*xAxis);
  SetUpAxis(*yAxis);
  SetUpLegend();
  plotLayout()->setAutoMargins(QCP::msNone);
  SetBackgroundColors(bottomColor_, topColor_);
}

QCPAxis &PlotSurface::Axis(ChartAxis axis) const { return axis == ChartAxis::Bottom ? *xAxis : *yAxis; }

QCPLayer *PlotSurface::PlottableLayer() const { return layer(QString::fromLatin1(plottablesLayer)); }

// Drawing order: background, legend, grid, axes, whatever the before-series hook draws, series.
// The series' plottables live on a layer of their own that is never drawn: the series group
// draws them in the chart's order, without moving them between layers.
void PlotSurface::SetUpLayers() {
  moveLayer(layer(QStringLiteral("legend")), layer(QStringLiteral("background")), limAbove);
  moveLayer(layer(QStringLiteral("main")), layer(QStringLiteral("axes")), limAbove);
  addLayer(underlayLayer, layer(QStringLiteral("axes")), limAbove);
  underlay_ = new UnderlayLayerable(this, underlayLayer);
  seriesGroup_ = new SeriesGroup(this, QStringLiteral("main"));
  addLayer(plottablesLayer, layer(QStringLiteral("main")), limAbove);
  PlottableLayer()->setVisible(false);
  setCurrentLayer(plottablesLayer);
}

void PlotSurface::SetUpAxis(QCPAxis &axis) {
  axis.setTicker(QSharedPointer<QCPAxisTicker>(new LabelTicker(axis)));
  axis.setBasePen(QPen(Qt::black, kAxisLineWidth));
  axis.setTickPen(QPen(tickGrey, 1));
  axis.setSubTickPen(QPen(tickGrey, 1));
  axis.setTickLength(0, kTickLength);
  axis.setSubTickLength(0, kMinorTickLength);
  axis.setTickLabelFont(PixelFont(QStringLiteral("Liberation Sans"), kLabelPixelSize));
  axis.setTickLabelColor(Qt::black);
  axis.grid()->setPen(QPen(tickGrey, 1, Qt::DotLine));
  axis.grid()->setZeroLinePen(Qt::NoPen);
  axis.grid()->setSubGridVisible(false);
}

void PlotSurface::SetUpLegend() {
  legend->setBrush(Qt::white);
  legend->setBorderPen(Qt::NoPen);
  legend->setFont(PixelFont(QStringLiteral("Liberation Mono"), kLegendPixelSize));
  legend->setTextColor(Qt::black);
  // Beside the plot area, at its top, rather than inside it.
  axisRect()->insetLayout()->take(legend);
  legendColumn_ = new QCPLayoutGrid;
  legendColumn_->addElement(0, 0, legend);
  legendColumn_->addElement(1, 0, new QCPLayoutElement(this));
  legendColumn_->setRowStretchFactor(0, 0.001);
  legendColumn_->setRowSpacing(0);
  SetLegendShown(true);
}

// A hidden legend still takes its room in the layout, so its column leaves the layout instead.
void PlotSurface::SetLegendShown(bool shown) {
  const bool inLayout = plotLayout()->hasElement(0, 1);
  if (shown && !inLayout) {
    plotLayout()->addElement(0, 1, legendColumn_);
    plotLayout()->setColumnStretchFactor(1, 0.001);
  } else if (!shown && inLayout) {
    plotLayout()->take(legendColumn_);
    plotLayout()->simplify();
  }
  legend->setVisible(shown);
  InvalidateLayout();
}

void PlotSurface::SetMarginsPercent(const QMarginsF &margins) {
  marginsPercent_ = margins;
  InvalidateLayout();
}

void PlotSurface::SetBackgroundColors(const QColor &bottom, const QColor &top) {
  bottomColor_ = bottom;
  topColor_ = top;
  // In object coordinates the gradient stretches over whatever rectangle it fills.
  QLinearGradient gradient(0, 1, 0, 0);
  gradient.setCoordinateMode(QGradient::ObjectMode);
  gradient.setColorAt(0, bottom);
  gradient.setColorAt(1, top);
  setBackground(QBrush(gradient));
}

// A window being laid out can pass through an empty size; there is nothing to draw then, and
// drawing into empty buffers only makes the painter complain.
void PlotSurface::resizeEvent(QResizeEvent *event) {
  if (!size().isEmpty()) QCustomPlot::resizeEvent(event);
}

void PlotSurface::EnsureLayout() {
  if (viewport().size() != size() && !size().isEmpty()) {
    setViewport(rect());
    layoutValid_ = false;
  }
  if (!layoutValid_) updateLayout();
}

void PlotSurface::updateLayout() {
  if (!legendValid_ && fillLegend_) {
    legendValid_ = true;
    fillLegend_();
  }
  ApplyMargins();
  ApplyRoomForEndLabels();
  // The label step depends on the plot area's size, which the first pass settles.
  QCustomPlot::updateLayout();
  QCustomPlot::updateLayout();
  layoutValid_ = true;
}

void PlotSurface::ApplyMargins() {
  const QRect area = viewport();
  const auto share = [](double percent, int size) { return static_cast<int>(std::lround(percent * size / 100)); };
  plotLayout()->setMargins(
      QMargins(share(marginsPercent_.left(), area.width()), share(marginsPercent_.top(), area.height()),
               share(marginsPercent_.right(), area.width()), share(marginsPercent_.bottom(), area.height())));
}

namespace {

QString EndLabel(const QCPAxis &axis) {
  return static_cast<const LabelTicker &>(*axis.ticker()).LabelInCurrentForm(axis.range().upper);
}

}  // namespace

// The labels at the ends of the axes reach half their size beyond the plot area: above it for
// the left axis, to its right for the bottom axis.
void PlotSurface::ApplyRoomForEndLabels() {
  const QFontMetrics left(yAxis->tickLabelFont());
  const QFontMetrics bottom(xAxis->tickLabelFont());
  const int top = yAxis->visible() ? left.height() / 2 + 1 : 0;
  const int right = xAxis->visible() ? bottom.horizontalAdvance(EndLabel(*xAxis)) / 2 + 1 : 0;
  axisRect()->setMinimumMargins(QMargins(0, top, right, 0));
}

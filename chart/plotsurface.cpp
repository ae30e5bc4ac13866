#include "plotsurface.h"

#include "labelticker.h"
#include "seriesgroup.h"
#include "underlaylayerable.h"

#include <cmath>

namespace {

const QColor tickGrey(0x80, 0x80, 0x80);
constexpr int tickLength = 4;
constexpr int minorTickLength = 2;
constexpr int axisLineWidth = 2;
constexpr int labelPixelSize = 11;
constexpr int legendPixelSize = 13;
const char *const underlayLayer = "underlay";
const char *const plottablesLayer = "plottables";

QFont pixelFont(const QString &family, int pixelSize) {
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
  setUpLayers();
  setUpAxis(*xAxis);
  setUpAxis(*yAxis);
  setUpLegend();
  plotLayout()->setAutoMargins(QCP::msNone);
  setBackgroundColors(mBottomColor, mTopColor);
}

QCPAxis &PlotSurface::axis(ChartAxis axis) const { return axis == ChartAxis::Bottom ? *xAxis : *yAxis; }

QCPLayer *PlotSurface::plottableLayer() const { return layer(QString::fromLatin1(plottablesLayer)); }

// Drawing order: background, legend, grid, axes, whatever the before-series hook draws, series.
// The series' plottables live on a layer of their own that is never drawn: the series group
// draws them in the chart's order, without moving them between layers.
void PlotSurface::setUpLayers() {
  moveLayer(layer(QStringLiteral("legend")), layer(QStringLiteral("background")), limAbove);
  moveLayer(layer(QStringLiteral("main")), layer(QStringLiteral("axes")), limAbove);
  addLayer(underlayLayer, layer(QStringLiteral("axes")), limAbove);
  mUnderlay = new UnderlayLayerable(this, underlayLayer);
  mSeriesGroup = new SeriesGroup(this, QStringLiteral("main"));
  addLayer(plottablesLayer, layer(QStringLiteral("main")), limAbove);
  plottableLayer()->setVisible(false);
  setCurrentLayer(plottablesLayer);
}

void PlotSurface::setUpAxis(QCPAxis &axis) {
  axis.setTicker(QSharedPointer<QCPAxisTicker>(new LabelTicker(axis)));
  axis.setBasePen(QPen(Qt::black, axisLineWidth));
  axis.setTickPen(QPen(tickGrey, 1));
  axis.setSubTickPen(QPen(tickGrey, 1));
  axis.setTickLength(0, tickLength);
  axis.setSubTickLength(0, minorTickLength);
  axis.setTickLabelFont(pixelFont(QStringLiteral("Liberation Sans"), labelPixelSize));
  axis.setTickLabelColor(Qt::black);
  axis.grid()->setPen(QPen(tickGrey, 1, Qt::DotLine));
  axis.grid()->setZeroLinePen(Qt::NoPen);
  axis.grid()->setSubGridVisible(false);
}

void PlotSurface::setUpLegend() {
  legend->setBrush(Qt::white);
  legend->setBorderPen(Qt::NoPen);
  legend->setFont(pixelFont(QStringLiteral("Liberation Mono"), legendPixelSize));
  legend->setTextColor(Qt::black);
  // Beside the plot area, at its top, rather than inside it.
  axisRect()->insetLayout()->take(legend);
  mLegendColumn = new QCPLayoutGrid;
  mLegendColumn->addElement(0, 0, legend);
  mLegendColumn->addElement(1, 0, new QCPLayoutElement(this));
  mLegendColumn->setRowStretchFactor(0, 0.001);
  mLegendColumn->setRowSpacing(0);
  setLegendShown(true);
}

// A hidden legend still takes its room in the layout, so its column leaves the layout instead.
void PlotSurface::setLegendShown(bool shown) {
  const bool inLayout = plotLayout()->hasElement(0, 1);
  if (shown && !inLayout) {
    plotLayout()->addElement(0, 1, mLegendColumn);
    plotLayout()->setColumnStretchFactor(1, 0.001);
  } else if (!shown && inLayout) {
    plotLayout()->take(mLegendColumn);
    plotLayout()->simplify();
  }
  legend->setVisible(shown);
  invalidateLayout();
}

void PlotSurface::setMarginsPercent(const QMarginsF &margins) {
  mMarginsPercent = margins;
  invalidateLayout();
}

void PlotSurface::setBackgroundColors(const QColor &bottom, const QColor &top) {
  mBottomColor = bottom;
  mTopColor = top;
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

void PlotSurface::ensureLayout() {
  if (viewport().size() != size() && !size().isEmpty()) {
    setViewport(rect());
    mLayoutValid = false;
  }
  if (!mLayoutValid) updateLayout();
}

void PlotSurface::updateLayout() {
  if (!mLegendValid && mFillLegend) {
    mLegendValid = true;
    mFillLegend();
  }
  applyMargins();
  applyRoomForEndLabels();
  // The label step depends on the plot area's size, which the first pass settles.
  QCustomPlot::updateLayout();
  QCustomPlot::updateLayout();
  mLayoutValid = true;
}

void PlotSurface::applyMargins() {
  const QRect area = viewport();
  const auto share = [](double percent, int size) { return static_cast<int>(std::lround(percent * size / 100)); };
  plotLayout()->setMargins(
      QMargins(share(mMarginsPercent.left(), area.width()), share(mMarginsPercent.top(), area.height()),
               share(mMarginsPercent.right(), area.width()), share(mMarginsPercent.bottom(), area.height())));
}

namespace {

QString endLabel(const QCPAxis &axis) {
  return static_cast<const LabelTicker &>(*axis.ticker()).labelInCurrentForm(axis.range().upper);
}

}  // namespace

// The labels at the ends of the axes reach half their size beyond the plot area: above it for
// the left axis, to its right for the bottom axis.
void PlotSurface::applyRoomForEndLabels() {
  const QFontMetrics left(yAxis->tickLabelFont());
  const QFontMetrics bottom(xAxis->tickLabelFont());
  const int top = yAxis->visible() ? left.height() / 2 + 1 : 0;
  const int right = xAxis->visible() ? bottom.horizontalAdvance(endLabel(*xAxis)) / 2 + 1 : 0;
  axisRect()->setMinimumMargins(QMargins(0, top, right, 0));
}

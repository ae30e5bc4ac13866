#include "fieldform.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>

#include "axiscopypainter.h"
#include "chart.h"
#include "colorvalue.h"
#include "decimaltext.h"
#include "project.h"
#include "scaleform.h"

TFieldForm *FieldForm = nullptr;

namespace {

const QColor kGrey(0x80, 0x80, 0x80);

void SetUpChart(Chart &chart) {
  chart.setZoomEnabled(false);
  chart.setScrollEnabled(true);
  chart.setBackgroundColors(Qt::white, Qt::white);
  chart.setMarginsPercent(QMarginsF(0, 1, 1, 0));
  chart.setLegendShown(true);
  for (ChartAxis axis : {ChartAxis::Bottom, ChartAxis::Left}) {
    chart.setAxisLineColor(axis, Qt::black);
    chart.setTickColor(axis, kGrey);
    chart.setMinorTickColor(axis, kGrey);
    chart.setGridShown(axis, true);
    chart.setGridColor(axis, kGrey);
    chart.setLabelColor(axis, Qt::black);
  }
  chart.setCursor(Qt::CrossCursor);
}

bool Within(long double value, double minimum, double maximum) { return minimum <= value && value <= maximum; }

}  // namespace

QString OutsideCursorText() { return QStringLiteral("Текущие координаты курсора: Вне области вывода"); }

TFieldForm::TFieldForm(QWidget *parent)
    : QWidget(parent), FC(new Chart(this)), CoordSB(new QStatusBar(this)), coordText_(new QLabel(CoordSB)) {
  setWindowTitle(QStringLiteral("График"));
  resize(500, 500);
  CoordSB->setFixedHeight(19);
  CoordSB->setSizeGripEnabled(false);
  CoordSB->addWidget(coordText_, 1);
  auto *layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(FC, 1);
  layout->addWidget(CoordSB);
  SetUpChart(*FC);
  FC->setScrollPermission(
      [this](ChartAxis axis, double minimum, double maximum) { return FCAllowScroll(axis, minimum, maximum); });
  FC->setBeforeSeriesHook([this](AxisCopyPainter &painter) { FCBeforeDrawSeries(painter); });
  connect(FC, &Chart::mouseMoved, this, &TFieldForm::FCMouseMove);
  connect(FC, &Chart::zoomed, this, &TFieldForm::FCZoom);
  connect(FC, &Chart::redrawn, this, &TFieldForm::FCAfterDraw);
  SetDrawSecondAxes(true);
}

void TFieldForm::SetDrawSecondAxes(bool draw) {
  display_.DrawSecondAxes = draw;
  FC->redraw();
}

// Tick marks take the axis colour from the first time settings are applied on.
void TFieldForm::SetDisplaySettings(const TDisplaySettings &settings) {
  display_ = settings;
  const QColor axis = ToQColor(settings.AxisColor, Qt::black);
  for (ChartAxis a : {ChartAxis::Left, ChartAxis::Bottom}) {
    FC->setGridShown(a, settings.GridShown);
    FC->setAxisLineColor(a, axis);
    FC->setTickColor(a, axis);
    FC->setMinorTickColor(a, axis);
    FC->setGridColor(a, ToQColor(settings.GridColor, kGrey));
    FC->setLabelColor(a, ToQColor(settings.LabelColor, Qt::black));
  }
  FC->setBackgroundColors(ToQColor(settings.BackBottomColor, Qt::white), ToQColor(settings.BackTopColor, Qt::white));
  SetDrawSecondAxes(settings.DrawSecondAxes);
}

QString TFieldForm::StatusText() const { return coordText_->text(); }

void TFieldForm::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  coordText_->setText(OutsideCursorText());
}

QString TFieldForm::CursorText(QPoint pixel) const {
  if (FC->seriesCount() == 0) return OutsideCursorText();
  const long double x = FC->pixelToValue(ChartAxis::Bottom, pixel.x());
  const long double y = FC->pixelToValue(ChartAxis::Left, pixel.y());
  if (!Within(x, FC->minimum(ChartAxis::Bottom), FC->maximum(ChartAxis::Bottom)) ||
      !Within(y, FC->minimum(ChartAxis::Left), FC->maximum(ChartAxis::Left)))
    return OutsideCursorText();
  const std::string mark = QLocale().decimalPoint().toStdString();
  return QStringLiteral("Текущие координаты курсора: ") + QString::fromStdString(CoordinateText(x, mark)) +
         QStringLiteral(" : ") + QString::fromStdString(CoordinateText(y, mark));
}

void TFieldForm::FCMouseMove(QPoint pixel) { coordText_->setText(CursorText(pixel)); }

// The view may move freely inside the project's region, never past it.
bool TFieldForm::FCAllowScroll(ChartAxis axis, double minimum, double maximum) const {
  const TBounds &b = Project.Bounds();
  if (axis == ChartAxis::Bottom) return !(b.MinX > minimum || b.MaxX < maximum);
  return !(b.MinY > minimum || b.MaxY < maximum);
}

// A drag from upper left to lower right can carry the view past the right and
// the bottom side of the region; those two sides are pulled back.
void TFieldForm::FCZoom() {
  const TBounds &b = Project.Bounds();
  if (b.MaxX < FC->maximum(ChartAxis::Bottom))
    FC->setRange(ChartAxis::Bottom, FC->minimum(ChartAxis::Bottom), static_cast<double>(b.MaxX));
  if (b.MinY > FC->minimum(ChartAxis::Left))
    FC->setRange(ChartAxis::Left, static_cast<double>(b.MinY), FC->maximum(ChartAxis::Left));
}

void TFieldForm::FCBeforeDrawSeries(AxisCopyPainter &painter) {
  if (!DrawSecondAxes() || FC->seriesCount() == 0) return;
  if (Within(0, FC->minimum(ChartAxis::Bottom), FC->maximum(ChartAxis::Bottom)))
    painter.drawCopy(ChartAxis::Left, FC->valueToPixel(ChartAxis::Bottom, 0));
  if (Within(0, FC->minimum(ChartAxis::Left), FC->maximum(ChartAxis::Left)))
    painter.drawCopy(ChartAxis::Bottom, FC->valueToPixel(ChartAxis::Left, 0));
}

void TFieldForm::FCAfterDraw() { UpdateNavigator(); }

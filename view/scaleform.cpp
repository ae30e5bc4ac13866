#include "scaleform.h"

#include <QColorDialog>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>
#include <cmath>

#include "chart.h"
#include "colorvalue.h"
#include "dialoglayout.h"
#include "dialogs.h"
#include "fittedlabel.h"
#include "themeicon.h"
#include "fieldform.h"
#include "helpviewer.h"
#include "intspinedit.h"
#include "project.h"
#include "rectangleseries.h"
#include "scaleoptform.h"
#include "smalltoolbar.h"
#include "zoomform.h"

TScaleForm *ScaleForm = nullptr;

namespace {

constexpr int kHelpContext = 60;

void SetUpChart(Chart &chart) {
  chart.SetZoomEnabled(false);
  chart.SetScrollEnabled(false);
  chart.SetAxesShown(false);
  chart.SetLegendShown(false);
  chart.SetMarginsPercent(QMarginsF(0, 0, 0, 0));
  chart.SetBackgroundColors(Qt::white, Qt::white);
  chart.SetRange(ChartAxis::Bottom, 0, 100);
  chart.SetRange(ChartAxis::Left, 0, 100);
}

QLabel *Label(QWidget *parent, const QString &text, QPoint at) {
  auto *label = new QLabel(text, parent);
  label->move(at);
  return label;
}

// A zoom label reaches up to what follows it in the row, less a small gap.
QLabel *ZoomLabel(QWidget *parent, QPoint at, int next) {
  constexpr int kGap = 4;
  auto *label = new TFittedLabel(QStringLiteral("-"), parent);
  label->setGeometry(at.x(), at.y(), next - kGap - at.x(), label->sizeHint().height());
  return label;
}

// The zoom of one axis in percent, "-" when the view has no width to divide by.
QString ZoomPercent(long double region, long double view) {
  if (!(view > 0)) return QStringLiteral("-");
  const long double percent = std::nearbyint(100 * region / view);
  if (!std::isfinite(static_cast<double>(percent)) || std::fabs(percent) > 1e18L) return QStringLiteral("-");
  return QString::number(static_cast<qlonglong>(percent)) + QLatin1Char('%');
}

}  // namespace

TScaleForm::TScaleForm(QWidget *frame) : TToolWindow(frame, QStringLiteral("Навигатор")), SC(new Chart(this)) {
  setFixedSize(201, 224);
  setFont(DesignFont());
  SC->setGeometry(4, 4, 193, 193);
  SetUpChart(*SC);
  auto frameSeries = std::make_unique<RectangleSeries>();
  frameSeries->SetTitle(QStringLiteral("Rect"));
  frameSeries->SetShown(false);
  SC->AddSeries(std::move(frameSeries));
  SetFrameSettings(frameSettings_);
  Label(this, QStringLiteral("X:"), {4, 206});
  XLabel = ZoomLabel(this, {20, 206}, 68);
  Label(this, QStringLiteral("Y:"), {68, 206});
  YLabel = ZoomLabel(this, {84, 206}, 129);
  auto *bar = new QToolBar(this);
  bar->move(129, 201);
  ZoomButton = AddToolButton(bar, QStringLiteral("zoom-in"), QStringLiteral("Точное увеличение"));
  OptButton = AddToolButton(bar, QStringLiteral("preferences-system"), QStringLiteral("Настройки"));
  HelpButton = AddToolButton(bar, QStringLiteral("help-contents"), QStringLiteral("Справка"));
  MakeSmallToolBar(*bar, false);
  ZoomButton->setEnabled(false);
  connect(ZoomButton, &QToolButton::clicked, this, &TScaleForm::ZoomButtonClick);
  connect(OptButton, &QToolButton::clicked, this, &TScaleForm::OptButtonClick);
  connect(HelpButton, &QToolButton::clicked, this, &TScaleForm::HelpButtonClick);
}

RectangleSeries *TScaleForm::Frame() const {
  return static_cast<RectangleSeries *>(SC->SeriesAt(SC->SeriesCount() - 1));
}

void TScaleForm::ZoomButtonClick() {
  if (Dialogs().Exec(*ZoomForm) != QDialog::Accepted) return;
  Chart &fc = *FieldForm->FC;
  const auto pixel = [&fc](ChartAxis axis, int value) {
    return static_cast<int>(std::lround(fc.ValueToPixel(axis, value)));
  };
  fc.ZoomToPixels(
      pixel(ChartAxis::Bottom, ZoomForm->MinXSE->Value()), pixel(ChartAxis::Left, ZoomForm->MinYSE->Value()),
      pixel(ChartAxis::Bottom, ZoomForm->MaxXSE->Value()), pixel(ChartAxis::Left, ZoomForm->MaxYSE->Value()));
}

void TScaleForm::OptButtonClick() {
  if (Dialogs().Exec(*ScaleOptForm) != QDialog::Accepted) return;
  SetFrameSettings({ScaleOptForm->BWidthSE->Value(), ScaleOptForm->BorderCL->Value()});
}

void TScaleForm::SetFrameSettings(const TFrameSettings &settings) {
  frameSettings_ = settings;
  Frame()->SetWidth(settings.Width);
  Frame()->SetColor(ToQColor(settings.Color, Qt::blue));
}

void TScaleForm::HelpButtonClick() { ShowHelpTopic(kHelpContext); }

void UpdateNavigator() {
  const Chart &fc = *FieldForm->FC;
  RectangleSeries &frame = *ScaleForm->Frame();
  const long double w = frame.Width();
  const long double bMin = fc.Minimum(ChartAxis::Bottom), bMax = fc.Maximum(ChartAxis::Bottom);
  const long double lMin = fc.Minimum(ChartAxis::Left), lMax = fc.Maximum(ChartAxis::Left);
  const long double width = std::max(1, fc.width()), height = std::max(1, fc.height());
  const long double insetX = w * (bMax - bMin) / width, insetY = w * (lMax - lMin) / height;
  frame.SetCorners(QPointF(static_cast<double>(bMin + insetX), static_cast<double>(lMin + insetY)),
                   QPointF(static_cast<double>(bMax - insetX), static_cast<double>(lMax - insetY)));
  const TBounds &b = Project.Bounds();
  if (b.MaxX - b.MinX > 0 && b.MaxY - b.MinY > 0) {
    ScaleForm->XLabel->setText(ZoomPercent(b.MaxX - b.MinX, bMax - bMin));
    ScaleForm->YLabel->setText(ZoomPercent(b.MaxY - b.MinY, lMax - lMin));
  } else {
    ScaleForm->XLabel->setText(QStringLiteral("-"));
    ScaleForm->YLabel->setText(QStringLiteral("-"));
  }
}

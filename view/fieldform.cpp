#include "fieldform.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "axiscopypainter.h"
#include "chart.h"
#include "colorvalue.h"
#include "decimaltext.h"
#include "expression.h"
#include "project.h"
#include "projectlayers.h"
#include "scaleform.h"

TFieldForm *FieldForm = nullptr;

namespace {

const QColor kGrey(0x80, 0x80, 0x80);

void SetUpChart(Chart &chart) {
  chart.SetZoomEnabled(false);
  chart.SetScrollEnabled(true);
  chart.SetBackgroundColors(Qt::white, Qt::white);
  chart.SetMarginsPercent(QMarginsF(0, 1, 1, 0));
  chart.SetLegendShown(true);
  for (ChartAxis axis : {ChartAxis::Bottom, ChartAxis::Left}) {
    chart.SetAxisLineColor(axis, Qt::black);
    chart.SetTickColor(axis, kGrey);
    chart.SetMinorTickColor(axis, kGrey);
    chart.SetGridShown(axis, true);
    chart.SetGridColor(axis, kGrey);
    chart.SetLabelColor(axis, Qt::black);
  }
  chart.setCursor(Qt::CrossCursor);
}

bool Within(long double value, double minimum, double maximum) { return minimum <= value && value <= maximum; }

// A view showing more points of interest than this shows none.
constexpr std::size_t kShownPointsLimit = 300;
// How close, in pixels, the pointer must come to a point of interest.
constexpr double kPointReach = 6;
// "+" and "-" zoom about the centre by what one notch of the wheel does.
constexpr double kKeyZoomFactor = 0.8;

// A small ring over the point of interest a tool tip tells of.
class TPointMarker : public QWidget {
 public:
  explicit TPointMarker(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    resize(11, 11);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent *) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawEllipse(QRectF(rect()).adjusted(2, 2, -2, -2));
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawEllipse(QRectF(rect()).adjusted(2, 2, -2, -2));
  }
};

void ShowMarker(QWidget &marker, QPointF centre) {
  marker.move(centre.toPoint() - marker.rect().center());
  marker.show();
  marker.raise();
}

QString KindText(TPointKind kind) {
  switch (kind) {
    case TPointKind::Minimum:
      return QStringLiteral("Минимум");
    case TPointKind::Maximum:
      return QStringLiteral("Максимум");
    case TPointKind::Zero:
      return QStringLiteral("Нуль");
    case TPointKind::Crossing:
      return QStringLiteral("Пересечение");
  }
  return {};
}

}  // namespace

QString OutsideCursorText() { return QStringLiteral("Текущие координаты курсора: Вне области вывода"); }

TFieldForm::TFieldForm(QWidget *parent)
    : QWidget(parent),
      FC(new Chart(this)),
      CoordSB(new QStatusBar(this)),
      coordText_(new QLabel(CoordSB)),
      marker_(new TPointMarker(FC)) {
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
  FC->SetScrollPermission(
      [this](ChartAxis axis, double minimum, double maximum) { return FCAllowScroll(axis, minimum, maximum); });
  FC->SetBeforeSeriesHook([this](AxisCopyPainter &painter) { FCBeforeDrawSeries(painter); });
  FC->SetViewLimit([this](ChartAxis axis, double &minimum, double &maximum) { KeepInRegion(axis, minimum, maximum); });
  FC->SetToolTipSource([this](QPoint pixel) { return PointerTip(pixel); });
  FC->setFocusPolicy(Qt::StrongFocus);
  connect(FC, &Chart::MouseMoved, this, &TFieldForm::FCMouseMove);
  connect(FC, &Chart::Zoomed, this, &TFieldForm::FCZoom);
  connect(FC, &Chart::Redrawn, this, &TFieldForm::FCAfterDraw);
  connect(FC, &Chart::ViewAboutToChange, this, &TFieldForm::FCViewAboutToChange);
  SetDrawSecondAxes(true);
}

void TFieldForm::SetDrawSecondAxes(bool draw) {
  display_.DrawSecondAxes = draw;
  FC->Redraw();
}

// Tick marks take the axis colour from the first time settings are applied on.
void TFieldForm::SetDisplaySettings(const TDisplaySettings &settings) {
  display_ = settings;
  const QColor axis = ToQColor(settings.AxisColor, Qt::black);
  for (ChartAxis a : {ChartAxis::Left, ChartAxis::Bottom}) {
    FC->SetGridShown(a, settings.GridShown);
    FC->SetAxisLineColor(a, axis);
    FC->SetTickColor(a, axis);
    FC->SetMinorTickColor(a, axis);
    FC->SetGridColor(a, ToQColor(settings.GridColor, kGrey));
    FC->SetLabelColor(a, ToQColor(settings.LabelColor, Qt::black));
  }
  FC->SetBackgroundColors(ToQColor(settings.BackBottomColor, Qt::white), ToQColor(settings.BackTopColor, Qt::white));
  SetDrawSecondAxes(settings.DrawSecondAxes);
}

QString TFieldForm::StatusText() const { return coordText_->text(); }

void TFieldForm::showEvent(QShowEvent *event) {
  QWidget::showEvent(event);
  coordText_->setText(OutsideCursorText());
}

QString TFieldForm::CursorText(QPoint pixel) const {
  if (FC->SeriesCount() == 0) return OutsideCursorText();
  const long double x = FC->PixelToValue(ChartAxis::Bottom, pixel.x());
  const long double y = FC->PixelToValue(ChartAxis::Left, pixel.y());
  if (!Within(x, FC->Minimum(ChartAxis::Bottom), FC->Maximum(ChartAxis::Bottom)) ||
      !Within(y, FC->Minimum(ChartAxis::Left), FC->Maximum(ChartAxis::Left)))
    return OutsideCursorText();
  const std::string mark = QLocale().decimalPoint().toStdString();
  return QStringLiteral("Текущие координаты курсора: ") + QString::fromStdString(CoordinateText(x, mark)) +
         QStringLiteral(" : ") + QString::fromStdString(CoordinateText(y, mark));
}

void TFieldForm::FCMouseMove(QPoint pixel) {
  coordText_->setText(CursorText(pixel));
  if (marker_->isVisible() && QLineF(marker_->geometry().center(), pixel).length() > kPointReach) marker_->hide();
}

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
  if (b.MaxX < FC->Maximum(ChartAxis::Bottom))
    FC->SetRange(ChartAxis::Bottom, FC->Minimum(ChartAxis::Bottom), static_cast<double>(b.MaxX));
  if (b.MinY > FC->Minimum(ChartAxis::Left))
    FC->SetRange(ChartAxis::Left, static_cast<double>(b.MinY), FC->Maximum(ChartAxis::Left));
}

void TFieldForm::FCBeforeDrawSeries(AxisCopyPainter &painter) {
  if (!DrawSecondAxes() || FC->SeriesCount() == 0) return;
  if (Within(0, FC->Minimum(ChartAxis::Bottom), FC->Maximum(ChartAxis::Bottom)))
    painter.DrawCopy(ChartAxis::Left, FC->ValueToPixel(ChartAxis::Bottom, 0));
  if (Within(0, FC->Minimum(ChartAxis::Left), FC->Maximum(ChartAxis::Left)))
    painter.DrawCopy(ChartAxis::Bottom, FC->ValueToPixel(ChartAxis::Left, 0));
}

void TFieldForm::FCAfterDraw() {
  if (marker_->isVisible() && (View() != markerView_ || Project.Revision() != markerRevision_)) marker_->hide();
  UpdateNavigator();
}

// --- keys, views and their history --------------------------------------------------------------

TView TFieldForm::View() const {
  return {FC->Minimum(ChartAxis::Bottom), FC->Maximum(ChartAxis::Bottom), FC->Minimum(ChartAxis::Left),
          FC->Maximum(ChartAxis::Left)};
}

TView TFieldForm::Region() const {
  const TBounds &b = Project.Bounds();
  const auto [minX, maxX] = ChartRange(b.MinX, b.MaxX);
  const auto [minY, maxY] = ChartRange(b.MinY, b.MaxY);
  return {minX, maxX, minY, maxY};
}

// A zoom about a point keeps the view's size where it can and moves it back
// inside the region; a view larger than the region becomes the region.
void TFieldForm::KeepInRegion(ChartAxis axis, double &minimum, double &maximum) const {
  const TView region = Region();
  const double low = axis == ChartAxis::Bottom ? region.MinX : region.MinY;
  const double high = axis == ChartAxis::Bottom ? region.MaxX : region.MaxY;
  if (maximum - minimum >= high - low) {
    minimum = low;
    maximum = high;
  } else if (minimum < low) {
    maximum = low + (maximum - minimum);
    minimum = low;
  } else if (maximum > high) {
    minimum = high - (maximum - minimum);
    maximum = high;
  }
}

// A new project or an opened one starts with no views behind it.
TViewHistory &TFieldForm::History() {
  if (historyGeneration_ != Project.Generation()) {
    history_.Clear();
    historyGeneration_ = Project.Generation();
  }
  return history_;
}

// Emptying the project restores the view too; that view belongs to no project.
void TFieldForm::FCViewAboutToChange() {
  if (Project.HasBounds()) History().Leave(View());
}

void TFieldForm::ShowView(const TView &view) { FC->ZoomToValues(view.MinX, view.MaxX, view.MinY, view.MaxY); }

void TFieldForm::ShowRegion() {
  FC->UndoZoom();
  if (View() != Region()) {
    FCViewAboutToChange();
    ShowView(Region());
  }
}

void TFieldForm::CopyPicture() const { QGuiApplication::clipboard()->setImage(FC->ToImage(FC->devicePixelRatioF())); }

void TFieldForm::keyPressEvent(QKeyEvent *event) {
  if (event->matches(QKeySequence::Copy)) {
    CopyPicture();
  } else if (!FC->IsZoomEnabled() || !MoveView(*event)) {
    QWidget::keyPressEvent(event);
  }
}

// Only while the project has its region; true when the key was one of these.
bool TFieldForm::MoveView(const QKeyEvent &event) {
  const QRect area = FC->PlotArea();
  const int across = area.width() / 10, down = area.height() / 10;
  const bool alt = event.modifiers() & Qt::AltModifier;
  std::optional<TView> earlier;
  switch (event.key()) {
    case Qt::Key_Left:
      if (!alt)
        FC->ScrollByPixels({across, 0});
      else if ((earlier = History().Back(View())))
        ShowView(*earlier);
      return true;
    case Qt::Key_Right:
      if (!alt)
        FC->ScrollByPixels({-across, 0});
      else if ((earlier = History().Forward(View())))
        ShowView(*earlier);
      return true;
    case Qt::Key_Up:
      FC->ScrollByPixels({0, down});
      return true;
    case Qt::Key_Down:
      FC->ScrollByPixels({0, -down});
      return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      FC->ZoomAbout(QRectF(area).center(), kKeyZoomFactor, kKeyZoomFactor);
      return true;
    case Qt::Key_Minus:
      FC->ZoomAbout(QRectF(area).center(), 1 / kKeyZoomFactor, 1 / kKeyZoomFactor);
      return true;
    case Qt::Key_Home:
      ShowRegion();
      return true;
    default:
      return false;
  }
}

// --- tool tips --------------------------------------------------------------------------------

QString TFieldForm::PointerTip(QPoint pixel) {
  marker_->hide();
  if (!Project.HasBounds() || FC->SeriesCount() == 0 || !FC->PlotArea().contains(pixel)) return {};
  if (const auto point = PointNear(pixel)) {
    ShowMarker(*marker_, QPointF(FC->ValueToPixel(ChartAxis::Bottom, static_cast<double>(point->X)),
                                 FC->ValueToPixel(ChartAxis::Left, static_cast<double>(point->Y))));
    markerView_ = View();
    markerRevision_ = Project.Revision();
    return PointTip(*point);
  }
  return CurveTip(pixel);
}

std::optional<TPointOfInterest> TFieldForm::PointNear(QPoint pixel) {
  const TView view = View();
  std::optional<TPointOfInterest> nearest;
  double nearestDistance = kPointReach;
  for (const TPointOfInterest &point :
       points_.InView(Project, view.MinX, view.MaxX, view.MinY, view.MaxY, kShownPointsLimit)) {
    const QPointF at(FC->ValueToPixel(ChartAxis::Bottom, static_cast<double>(point.X)),
                     FC->ValueToPixel(ChartAxis::Left, static_cast<double>(point.Y)));
    const double distance = QLineF(at, pixel).length();
    if (distance <= nearestDistance) {
      nearest = point;
      nearestDistance = distance;
    }
  }
  return nearest;
}

QString TFieldForm::ValueText(long double value) const {
  const TCalcSettings format = valueFormat_();
  return QString::fromStdString(
      CalcResultText(value, format.Format, format.Precision, format.Digits, QLocale().decimalPoint().toStdString()));
}

QString TFieldForm::PointTip(const TPointOfInterest &point) const {
  QString curves = ShownExpression(Project.Graph(point.Layer).Expression);
  if (point.OtherLayer >= 0)
    curves += QStringLiteral(" и ") + ShownExpression(Project.Graph(point.OtherLayer).Expression);
  return KindText(point.Kind) + QStringLiteral(": ") + curves + QStringLiteral("\nx = ") + ValueText(point.X) +
         QStringLiteral("\ny = ") + ValueText(point.Y);
}

// The nearest curve at the pointer's x, in pixels up or down; with none that
// has a value there, the uppermost of those with samples.
QString TFieldForm::CurveTip(QPoint pixel) const {
  const long double x = FC->PixelToValue(ChartAxis::Bottom, pixel.x());
  int layer = -1, sample = 0;
  double nearest = std::numeric_limits<double>::infinity();
  for (int i = 0; i < Project.GraphCount(); ++i) {
    const TGraph &graph = Project.Graph(i);
    const int k = graph.Visible ? NearestSample(graph, x) : 0;
    if (k == 0) continue;
    const double distance =
        graph.PointErrors[k]
            ? std::numeric_limits<double>::infinity()
            : std::fabs(FC->ValueToPixel(ChartAxis::Left, static_cast<double>(graph.YValues[k])) - pixel.y());
    if (layer < 0 || distance <= nearest) {
      layer = i;
      sample = k;
      nearest = distance;
    }
  }
  if (layer < 0) return {};
  const TGraph &graph = Project.Graph(layer);
  const QString value = graph.PointErrors[sample] ? QString::fromStdString(ErrorCodeText(graph.PointErrors[sample]))
                                                  : QStringLiteral("y = ") + ValueText(graph.YValues[sample]);
  return ShownExpression(graph.Expression) + QStringLiteral("\nx = ") + ValueText(graph.XValues[sample]) +
         QStringLiteral("\n") + value;
}

#include "projectlayers.h"

#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "chart.h"
#include "colorvalue.h"
#include "cp1251.h"
#include "lineseries.h"
#include "project.h"
#include "rectangleseries.h"
#include "scaleform.h"
#include "zoomform.h"

TProjectLayers *ProjectLayers = nullptr;

namespace {

const QString kPlaceholderTitle = QStringLiteral(" ");
// Beyond this a chart axis takes no range: its ends and its width stay within 1e250.
constexpr long double kLargestEnd = 1e249L;

QColor SeriesColor(TColor color) { return ToQColor(color, Qt::black); }

void SetAxes(Chart &chart, const TBounds &b) {
  const auto set = [&chart, &b](ChartAxis axis, long double first, long double second) {
    if (b.IsSet()) {
      const auto [low, high] = ChartRange(first, second);
      chart.SetRange(axis, low, high);
    } else {
      chart.SetRange(axis, 0, 0);
    }
  };
  set(ChartAxis::Bottom, b.MinX, b.MaxX);
  set(ChartAxis::Left, b.MinY, b.MaxY);
}

// The curve goes straight into storage of its exact size.
class TChartPointSink final : public TCurveSink {
 public:
  explicit TChartPointSink(std::size_t count) { points.reserve(count); }
  void Append(double x, double y, bool isNull) override {
    points.push_back(isNull ? ChartPoint::NullAt(x) : ChartPoint{x, y});
  }
  std::vector<ChartPoint> points;
};

std::vector<ChartPoint> CurvePoints(const TProject &project, int index) {
  TChartPointSink sink(project.CurvePointCount(index));
  project.BuildSeries(index, sink);
  return std::move(sink.points);
}

std::unique_ptr<LineSeries> Styled(std::unique_ptr<LineSeries> series, const QString &title, const QColor &colour,
                                   int width, bool shown) {
  series->SetColor(colour);
  series->SetWidth(width);
  series->SetTitle(title);
  series->SetShown(shown);
  return series;
}

// Adds at the end, then one place towards the front, so the last series stays last.
void InsertBeforeLast(Chart &chart, std::unique_ptr<LineSeries> series) {
  chart.AddSeries(std::move(series));
  chart.MoveSeriesTowardsFront(chart.SeriesCount() - 1);
}

}  // namespace

QString ShownExpression(const std::string &expression) {
  if (expression.size() <= kShownExpressionLength) return QString::fromStdString(Cp1251ToUtf8(expression));
  return QString::fromStdString(Cp1251ToUtf8(expression.substr(0, kShownExpressionLength))) + QChar(0x2026);
}

std::pair<double, double> ChartRange(long double first, long double second) {
  const double low = static_cast<double>(std::clamp(std::min(first, second), -kLargestEnd, kLargestEnd));
  const double high = static_cast<double>(std::clamp(std::max(first, second), -kLargestEnd, kLargestEnd));
  const double middle = low / 2 + high / 2;
  if (high - low >= std::max(1e-270, std::fabs(middle) * 1e-12)) return {low, high};
  const double half = std::max(1.0, std::fabs(middle) * 1e-9);
  return {middle - half, middle + half};
}

TProjectLayers::TProjectLayers(TProject &project, Chart &plot, Chart &navigator, QObject *parent)
    : QObject(parent), project_(project), plot_(plot), navigator_(navigator) {}

bool TProjectLayers::HasPlaceholder() const {
  const int count = plot_.SeriesCount();
  return count > project_.GraphCount() && plot_.SeriesAt(count - 1)->Title() == kPlaceholderTitle;
}

void TProjectLayers::Start(const TBounds &bounds) {
  project_.SetBounds(bounds);
  SetAxes(plot_, bounds);
  SetAxes(navigator_, bounds);
  ScaleForm->Frame()->SetShown(true);
  UpdateNavigator();
  ZoomForm->PrepareForBounds(bounds.MinX, bounds.MaxX, bounds.MinY, bounds.MaxY);
  if (!HasPlaceholder()) {
    auto placeholder = std::make_unique<LineSeries>();
    placeholder->SetTitle(kPlaceholderTitle);
    placeholder->SetColor(plot_.LegendColor());
    plot_.AddSeries(std::move(placeholder));
  }
  ScaleForm->ZoomButton->setEnabled(true);
  plot_.SetZoomEnabled(true);
}

void TProjectLayers::Clear() {
  project_.Clear();
  styles_.clear();
  plot_.UndoZoom();
  plot_.RemoveAllSeries();
  SetAxes(plot_, project_.Bounds());
  plot_.SetZoomEnabled(false);
  navigator_.UndoZoom();
  navigator_.ExchangeSeries(0, navigator_.SeriesCount() - 1);
  while (navigator_.SeriesCount() > 1) navigator_.RemoveSeries(navigator_.SeriesCount() - 1);
  SetAxes(navigator_, project_.Bounds());
  ScaleForm->ZoomButton->setEnabled(false);
  ScaleForm->Frame()->SetShown(false);
  emit Cleared();
}

void TProjectLayers::Add(TGraph graph, const TLayerStyle &style) {
  const int index = project_.AddGraph(std::move(graph));
  styles_.push_back(style);
  AddSeries(index);
  emit Added(index);
}

// Both charts' series of one layer are built by the same procedure from the same samples and
// bounds: they share one curve.
void TProjectLayers::AddSeries(int index) {
  const TGraph &graph = project_.Graph(index);
  const QString title = ShownExpression(graph.Expression);
  const QColor colour = SeriesColor(styles_[index].Color);
  auto plot = std::make_unique<LineSeries>();
  plot->SetPoints(CurvePoints(project_, index));
  auto navigator = LineSeries::SharingPointsOf(*plot);
  InsertBeforeLast(plot_, Styled(std::move(plot), title, colour, styles_[index].Width, graph.Visible));
  InsertBeforeLast(navigator_, Styled(std::move(navigator), title, colour, 1, graph.Visible));
}

void TProjectLayers::Remove(int index) {
  project_.RemoveGraph(index);
  styles_.erase(styles_.begin() + index);
  plot_.RemoveSeries(index);
  navigator_.RemoveSeries(index);
  emit Removed(index);
}

void TProjectLayers::MoveTowardsFront(int index) {
  if (index <= 0 || index >= project_.GraphCount()) return;
  project_.SwapGraphs(index, index - 1);
  std::swap(styles_[index], styles_[index - 1]);
  plot_.MoveSeriesTowardsFront(index);
  navigator_.MoveSeriesTowardsFront(index);
  emit Exchanged(index - 1, index);
}

void TProjectLayers::SetVisible(int index, bool visible) {
  project_.SetVisible(index, visible);
  plot_.SeriesAt(index)->SetShown(visible);
  navigator_.SeriesAt(index)->SetShown(visible);
  emit VisibilityChanged(index);
}

void TProjectLayers::Restyle(int index, const TLayerStyle &style) {
  project_.Graph(index);  // refuses a wrong index before anything changes
  styles_[index] = style;
  const QColor colour = SeriesColor(style.Color);
  plot_.SeriesAt(index)->SetColor(colour);
  plot_.SeriesAt(index)->SetWidth(style.Width);
  navigator_.SeriesAt(index)->SetColor(colour);
}

const TLayerStyle &TProjectLayers::Style(int index) const {
  project_.Graph(index);
  return styles_[index];
}

void TProjectLayers::ShowOnly(const std::vector<bool> &ticked) {
  for (int i = 0; i < project_.GraphCount(); ++i)
    plot_.SeriesAt(i)->SetShown(i < static_cast<int>(ticked.size()) && ticked[i]);
}

void TProjectLayers::ShowAsLayers() {
  for (int i = 0; i < project_.GraphCount(); ++i) plot_.SeriesAt(i)->SetShown(project_.Graph(i).Visible);
}

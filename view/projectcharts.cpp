#include "projectcharts.h"

#include <QToolButton>
#include <vector>

#include "chart.h"
#include "cp1251.h"
#include "fieldform.h"
#include "lineseries.h"
#include "project.h"
#include "rectangleseries.h"
#include "scaleform.h"
#include "zoomform.h"

namespace {

const QString kPlaceholderTitle = QStringLiteral(" ");

void SetAxesToBounds(Chart &chart) {
  const TBounds &b = Project.Bounds();
  chart.setRange(ChartAxis::Bottom, static_cast<double>(b.MinX), static_cast<double>(b.MaxX));
  chart.setRange(ChartAxis::Left, static_cast<double>(b.MinY), static_cast<double>(b.MaxY));
}

bool HasPlaceholder(const Chart &chart) {
  const int count = chart.seriesCount();
  return count > Project.GraphCount() && chart.series(count - 1)->title() == kPlaceholderTitle;
}

std::unique_ptr<LineSeries> BuiltSeries(int index, const QColor &colour, int width) {
  std::vector<TCurvePoint> curve;
  Project.BuildSeries(index, curve);
  std::vector<ChartPoint> points;
  points.reserve(curve.size());
  for (const TCurvePoint &p : curve) points.push_back({p.X, p.Y, p.IsNull});
  auto series = std::make_unique<LineSeries>();
  series->setPoints(std::move(points));
  series->setColor(colour);
  series->setWidth(width);
  series->setTitle(ShownExpression(index));
  series->setShown(Project.Graph(index).Visible);
  return series;
}

// Adds at the end, then one place towards the front, so the last series stays last.
void InsertBeforeLast(Chart &chart, std::unique_ptr<LineSeries> series) {
  chart.addSeries(std::move(series));
  chart.moveSeriesTowardsFront(chart.seriesCount() - 1);
}

}  // namespace

QString ShownExpression(int index) {
  const std::string &expression = Project.Graph(index).Expression;
  if (expression.size() <= kShownExpressionLength) return QString::fromStdString(Cp1251ToUtf8(expression));
  return QString::fromStdString(Cp1251ToUtf8(expression.substr(0, kShownExpressionLength))) + QChar(0x2026);
}

void StartProjectCharts() {
  Chart &fc = *FieldForm->FC;
  SetAxesToBounds(fc);
  SetAxesToBounds(*ScaleForm->SC);
  ScaleForm->Frame()->setShown(true);
  UpdateNavigator();
  const TBounds &b = Project.Bounds();
  ZoomForm->PrepareForBounds(b.MinX, b.MaxX, b.MinY, b.MaxY);
  if (!HasPlaceholder(fc)) {
    auto placeholder = std::make_unique<LineSeries>();
    placeholder->setTitle(kPlaceholderTitle);
    placeholder->setColor(fc.legendColor());
    fc.addSeries(std::move(placeholder));
  }
  ScaleForm->ZoomButton->setEnabled(true);
  fc.setZoomEnabled(true);
}

void ClearProjectCharts() {
  Chart &fc = *FieldForm->FC;
  fc.undoZoom();
  fc.removeAllSeries();
  SetAxesToBounds(fc);
  fc.setZoomEnabled(false);
  Chart &sc = *ScaleForm->SC;
  sc.undoZoom();
  sc.exchangeSeries(0, sc.seriesCount() - 1);
  while (sc.seriesCount() > 1) sc.removeSeries(sc.seriesCount() - 1);
  SetAxesToBounds(sc);
  ScaleForm->ZoomButton->setEnabled(false);
  ScaleForm->Frame()->setShown(false);
}

void AddLayerSeries(int index, const QColor &colour, int width) {
  InsertBeforeLast(*FieldForm->FC, BuiltSeries(index, colour, width));
  InsertBeforeLast(*ScaleForm->SC, BuiltSeries(index, colour, 1));
}

void RemoveLayerSeries(int index) {
  FieldForm->FC->removeSeries(index);
  ScaleForm->SC->removeSeries(index);
}

void MoveLayerSeriesTowardsFront(int index) {
  FieldForm->FC->moveSeriesTowardsFront(index);
  ScaleForm->SC->moveSeriesTowardsFront(index);
}

void ShowLayerSeries(int index, bool shown) {
  FieldForm->FC->series(index)->setShown(shown);
  ScaleForm->SC->series(index)->setShown(shown);
}

void StyleLayerSeries(int index, const QColor &colour, int width) {
  FieldForm->FC->series(index)->setColor(colour);
  FieldForm->FC->series(index)->setWidth(width);
  ScaleForm->SC->series(index)->setColor(colour);
}

bool ChartsMatchProject(QString *why) {
  const auto fail = [why](const QString &reason) {
    if (why) *why = reason;
    return false;
  };
  const Chart &fc = *FieldForm->FC, &sc = *ScaleForm->SC;
  const int layers = Project.GraphCount();
  const bool started = Project.HasBounds() || HasPlaceholder(fc);
  if (fc.seriesCount() != layers + (started ? 1 : 0)) return fail(QStringLiteral("plot series count"));
  if (started && !HasPlaceholder(fc)) return fail(QStringLiteral("placeholder not last"));
  if (sc.seriesCount() != layers + 1 || !dynamic_cast<RectangleSeries *>(sc.series(layers)))
    return fail(QStringLiteral("navigator frame not last"));
  for (int i = 0; i < layers; ++i) {
    const QString title = ShownExpression(i);
    const bool visible = Project.Graph(i).Visible;
    if (fc.series(i)->title() != title || sc.series(i)->title() != title)
      return fail(QStringLiteral("series %1 belongs to another layer").arg(i));
    if (fc.series(i)->isShown() != visible || sc.series(i)->isShown() != visible)
      return fail(QStringLiteral("series %1 visibility").arg(i));
    if (sc.series(i)->width() != 1 || sc.series(i)->color() != fc.series(i)->color())
      return fail(QStringLiteral("navigator series %1 style").arg(i));
  }
  return true;
}

#pragma once

#include <QObject>
#include <QString>
#include <cstddef>
#include <utility>
#include <vector>

#include "bounds.h"
#include "graph.h"
#include "projectfile.h"

class Chart;
class TProject;

// A layer's expression as the legend and the layers list show it: laying out a
// text takes time in its length on every redraw, and no window is wide enough
// for more than a few hundred characters anyway, so longer ones are cut with "…".
constexpr std::size_t kShownExpressionLength = 256;
QString ShownExpression(const std::string &expression);

// The range a chart shows for two bounds: in order, within what a chart axis
// can take, and widened about its middle when the bounds are too close to
// tell apart on screen. The bounds themselves stay exactly as they are.
std::pair<double, double> ChartRange(long double first, long double second);

// The one owner of the project's layers as the windows show them: record i of
// the project, series i of the plot chart and of the navigator chart and (kept
// by whoever listens to the signals) entry i of the layers list belong to the
// same function, with the plot's placeholder series and the navigator frame
// behind them. Every change of a layer goes through here.
class TProjectLayers : public QObject {
  Q_OBJECT

 public:
  TProjectLayers(TProject &project, Chart &plot, Chart &navigator, QObject *parent = nullptr);

  // Gives the project its region: both charts' axes, the navigator frame shown
  // and brought up to date, the exact-zoom dialog prepared, the placeholder
  // added unless there is one, exact zoom and mouse zoom switched on.
  void Start(const TBounds &bounds);
  // Back to no project: no layers, no bounds, no series but the hidden
  // navigator frame, axes at the zeroed bounds, zooming off.
  void Clear();

  // Appends a sampled layer; its two series are built from its samples.
  void Add(TGraph graph, const TLayerStyle &style);
  void Remove(int index);
  // Exchanges layers index - 1 and index.
  void MoveTowardsFront(int index);
  void SetVisible(int index, bool visible);
  void Restyle(int index, const TLayerStyle &style);
  // The style as set, a file's values included that no window would offer.
  const TLayerStyle &Style(int index) const;

  // For picture output: the plot chart shows the ticked layers only, until
  // ShowAsLayers shows every layer as its record says again.
  void ShowOnly(const std::vector<bool> &ticked);
  void ShowAsLayers();

 signals:
  void Added(int index);
  void Removed(int index);
  void Exchanged(int first, int second);
  void VisibilityChanged(int index);
  void Cleared();

 private:
  void AddSeries(int index);
  bool HasPlaceholder() const;

  TProject &project_;
  Chart &plot_;
  Chart &navigator_;
  std::vector<TLayerStyle> styles_;
};

extern TProjectLayers *ProjectLayers;

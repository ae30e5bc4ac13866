#pragma once

#include <QColor>
#include <QString>
#include <cstddef>

// What the project's life does to the plot chart and the navigator: layer i
// is series i of both, behind them the plot's placeholder series and the
// navigator frame.

// From the project's bounds: both charts' axes, the navigator frame shown and
// brought up to date, the exact-zoom dialog prepared, the placeholder added
// unless there is one, exact zoom and mouse zoom switched on.
void StartProjectCharts();

// Back to no project: no series but the (hidden) navigator frame, axes at the
// zeroed bounds, zooming off.
void ClearProjectCharts();

// Builds layer index's two series from its samples and inserts them in front
// of the placeholder and the frame. The navigator series is always 1 wide.
// A layer's expression as the legend and the layers list show it: laying out a
// text takes time in its length on every redraw, and no window is wide enough
// for more than a few hundred characters anyway, so longer ones are cut with "…".
constexpr std::size_t kShownExpressionLength = 256;
QString ShownExpression(int index);

void AddLayerSeries(int index, const QColor &colour, int width);
void RemoveLayerSeries(int index);
// Exchanges the series of layers index - 1 and index in both charts.
void MoveLayerSeriesTowardsFront(int index);
void ShowLayerSeries(int index, bool shown);
void StyleLayerSeries(int index, const QColor &colour, int width);

// Whether the charts hold one series per layer, titled and built from the
// project, with the placeholder and the frame last.
bool ChartsMatchProject(QString *why = nullptr);

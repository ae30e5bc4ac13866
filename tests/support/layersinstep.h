#pragma once

// Whether the four sequences of the project's layers agree: record i of the
// project, series i of the plot chart and of the navigator chart, and (when a
// list is given) entry i of the layers list, with the plot's placeholder and
// the navigator frame behind them.

#include <QListWidget>
#include <QString>

#include "chart.h"
#include "fieldform.h"
#include "project.h"
#include "projectlayers.h"
#include "rectangleseries.h"
#include "scaleform.h"

inline bool LayersInStep(const QListWidget *list, QString *why = nullptr) {
  const auto fail = [why](const QString &reason) {
    if (why) *why = reason;
    return false;
  };
  const Chart &fc = *FieldForm->FC, &sc = *ScaleForm->SC;
  const int layers = Project.GraphCount();
  const bool placeholder = fc.SeriesCount() > layers && fc.SeriesAt(fc.SeriesCount() - 1)->Title() == " ";
  if (fc.SeriesCount() != layers + (placeholder ? 1 : 0)) return fail(QStringLiteral("plot series count"));
  if (Project.HasBounds() && !placeholder) return fail(QStringLiteral("placeholder not last"));
  if (sc.SeriesCount() != layers + 1 || !dynamic_cast<RectangleSeries *>(sc.SeriesAt(layers)))
    return fail(QStringLiteral("navigator frame not last"));
  if (list && list->count() != layers) return fail(QStringLiteral("list count"));
  for (int i = 0; i < layers; ++i) {
    const TGraph &graph = Project.Graph(i);
    const QString title = ShownExpression(graph.Expression);
    if (fc.SeriesAt(i)->Title() != title || sc.SeriesAt(i)->Title() != title)
      return fail(QStringLiteral("series %1 belongs to another layer").arg(i));
    if (fc.SeriesAt(i)->IsShown() != graph.Visible || sc.SeriesAt(i)->IsShown() != graph.Visible)
      return fail(QStringLiteral("series %1 visibility").arg(i));
    if (sc.SeriesAt(i)->Width() != 1 || sc.SeriesAt(i)->Color() != fc.SeriesAt(i)->Color())
      return fail(QStringLiteral("navigator series %1 style").arg(i));
    if (list && list->item(i)->text() != (graph.Visible ? "[+] " : "[-] ") + title)
      return fail(QStringLiteral("entry %1").arg(i));
  }
  return true;
}

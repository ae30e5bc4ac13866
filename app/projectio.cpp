#include "projectio.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <stdexcept>

#include "calcform.h"
#include "calcoptform.h"
#include "intspinedit.h"
#include "chart.h"
#include "colorvalue.h"
#include "fieldform.h"
#include "filenames.h"
#include "layersform.h"
#include "lineseries.h"
#include "optionsform.h"
#include "project.h"
#include "projectcharts.h"
#include "projectreader.h"
#include "projectwriter.h"
#include "rectangleseries.h"
#include "savefile.h"
#include "scaleform.h"

namespace {

// Above this a layer would not fit in memory; a file asking for it is broken.
constexpr int32_t kMaxPointCount = 10'000'000;

QString ProjectFileName(const QString &chosen) {
  return QString::fromStdString(WithExtension(chosen.toStdString(), ".lpp"));
}

void WriteSettings(TProjectWriter &out) {
  const Chart &fc = *FieldForm->FC;
  out.WriteBoolean(FieldForm->DrawSecondAxes);
  out.WriteBoolean(fc.isGridShown(ChartAxis::Left));
  out.WriteColor(ToTColor(fc.axisLineColor(ChartAxis::Left)));
  out.WriteColor(ToTColor(fc.gridColor(ChartAxis::Left)));
  out.WriteColor(ToTColor(fc.labelColor(ChartAxis::Left)));
  out.WriteColor(ToTColor(fc.backgroundBottomColor()));
  out.WriteColor(ToTColor(fc.backgroundTopColor()));
  out.WriteInteger(ScaleForm->Frame()->width());
  out.WriteColor(ToTColor(ScaleForm->Frame()->color()));
  out.WriteInteger(CalcForm->CalcDigits);
  out.WriteInteger(CalcForm->CalcPrecision);
  out.WriteInteger(CalcForm->CalcFormat);
}

void WriteLayers(TProjectWriter &out) {
  const TBounds &b = Project.Bounds();
  for (long double bound : {b.MinX, b.MinY, b.MaxX, b.MaxY}) out.WriteReal(bound);
  out.WriteInteger(Project.GraphCount());
  for (int i = 0; i < Project.GraphCount(); ++i) {
    const TGraph &graph = Project.Graph(i);
    const Series &series = *FieldForm->FC->series(i);
    out.WriteText(graph.Expression);
    out.WriteInteger(graph.PointCount);
    out.WriteBoolean(graph.Visible);
    out.WriteColor(ToTColor(series.color()));
    out.WriteInteger(series.width());
  }
}

// Each setting goes to the charts and to the dialog that keeps it, at once.
void ReadDisplaySettings(TProjectReader &in) {
  Chart &fc = *FieldForm->FC;
  FieldForm->DrawSecondAxes = in.ReadBoolean();
  OptionsForm->AxisCB->setChecked(FieldForm->DrawSecondAxes);
  const bool grid = in.ReadBoolean();
  OptionsForm->GridCB->setChecked(grid);
  const QColor axis = ToQColor(in.ReadColor());
  OptionsForm->AxisCD->setCurrentColor(axis);
  for (ChartAxis a : {ChartAxis::Left, ChartAxis::Bottom}) {
    fc.setGridShown(a, grid);
    fc.setAxisLineColor(a, axis);
    fc.setTickColor(a, axis);
    fc.setMinorTickColor(a, axis);
  }
  const QColor gridColour = ToQColor(in.ReadColor());
  OptionsForm->GridCD->setCurrentColor(gridColour);
  for (ChartAxis a : {ChartAxis::Left, ChartAxis::Bottom}) fc.setGridColor(a, gridColour);
  const QColor labels = ToQColor(in.ReadColor());
  OptionsForm->LabelsCD->setCurrentColor(labels);
  for (ChartAxis a : {ChartAxis::Left, ChartAxis::Bottom}) fc.setLabelColor(a, labels);
  const QColor bottom = ToQColor(in.ReadColor());
  OptionsForm->BacK2CD->setCurrentColor(bottom);
  for (Chart *chart : {FieldForm->FC, ScaleForm->SC}) chart->setBackgroundColors(bottom, chart->backgroundTopColor());
  const QColor top = ToQColor(in.ReadColor());
  OptionsForm->Back1CD->setCurrentColor(top);
  for (Chart *chart : {FieldForm->FC, ScaleForm->SC}) chart->setBackgroundColors(chart->backgroundBottomColor(), top);
}

void ReadFrameAndCalculator(TProjectReader &in) {
  ScaleForm->Frame()->setWidth(in.ReadInteger());
  ScaleForm->Frame()->setColor(ToQColor(in.ReadColor()));
  CalcForm->CalcDigits = in.ReadInteger();
  CalcOptForm->PrecSE->SetValue(CalcForm->CalcDigits);
  CalcForm->CalcPrecision = in.ReadInteger();
  CalcOptForm->DigitsSE->SetValue(CalcForm->CalcPrecision);
  CalcForm->CalcFormat = static_cast<std::uint8_t>(in.ReadInteger());
  // Format 1 is the exponential item, 2 the fixed one; other codes leave the choice.
  if (CalcForm->CalcFormat == 1 || CalcForm->CalcFormat == 2)
    CalcOptForm->FormatRG->button(CalcForm->CalcFormat == 1 ? 1 : 0)->setChecked(true);
}

void ReadBounds(TProjectReader &in) {
  TBounds b;
  b.MinX = in.ReadReal();
  b.MinY = in.ReadReal();
  b.MaxX = in.ReadReal();
  b.MaxY = in.ReadReal();
  // Only a hand-made file holds bounds the bounds dialog would not give:
  // reversed pairs are put in order, a region no chart can show ends the load.
  if (b.IsSet()) {
    b = Ordered(b);
    if (!IsShowable(b)) throw TProjectFileError("Invalid numeric input");
  }
  Project.SetBounds(b);
  StartProjectCharts();
}

// A layer's five lines are read before anything of it is created, so a layer
// is either loaded whole or not at all.
void ReadLayer(TProjectReader &in) {
  std::string expression = in.ReadText();
  const int32_t pointCount = in.ReadInteger();
  const bool visible = in.ReadBoolean();
  const QColor colour = ToQColor(in.ReadColor());
  const int width = in.ReadInteger();
  if (pointCount > kMaxPointCount) throw TProjectFileError("Invalid numeric input");
  const int index = Project.AddGraph(std::move(expression), pointCount);
  Project.SetVisible(index, visible);
  Project.ComputeGraph(index);
  LayersForm->AppendEntry(index);
  AddLayerSeries(index, colour, width);
}

}  // namespace

void SaveProject(const QString &chosenName) {
  TProjectWriter out;
  WriteSettings(out);
  WriteLayers(out);
  SaveFileBytes(ProjectFileName(chosenName), QByteArray::fromStdString(out.Bytes()));
}

void OpenProject(const QString &chosenName) {
  TProjectReader in(ReadFileBytes(ProjectFileName(chosenName)));
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct Restore {
    ~Restore() { QApplication::restoreOverrideCursor(); }
  } restore;
  ClearProject();
  ReadDisplaySettings(in);
  ReadFrameAndCalculator(in);
  ReadBounds(in);
  const int32_t layers = in.ReadInteger();
  for (int32_t i = 0; i < layers; ++i) ReadLayer(in);
}

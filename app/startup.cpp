#include "startup.h"

#include <QCoreApplication>

#include "aboutform.h"
#include "accessiblenames.h"
#include "addform.h"
#include "calcform.h"
#include "calcoptform.h"
#include "fieldform.h"
#include "helpviewer.h"
#include "layersform.h"
#include "layersoptform.h"
#include "mainform.h"
#include "newform.h"
#include "optionsform.h"
#include "programversion.h"
#include "project.h"
#include "projectlayers.h"
#include "scaleform.h"
#include "scaleoptform.h"
#include "selfuncform.h"
#include "zoomform.h"

namespace {

template <typename TWindow>
void Destroy(TWindow *&window) {
  delete window;
  window = nullptr;
}

}  // namespace

void SetTitleAndHelpFile() {
  // The application name rather than a display name: Qt would append a display
  // name to every window's caption.
  QCoreApplication::setApplicationName(QString::fromLatin1(ProgramName));
  SetHelpFile(QStringLiteral("Help/Lumoplot.hlp"));
}

void CreateWindows() {
  MainForm = new TMainForm;
  FieldForm = new TFieldForm;
  MainForm->AdoptPlotWindow(FieldForm);
  ScaleForm = new TScaleForm(MainForm);
  ProjectLayers = new TProjectLayers(Project, *FieldForm->FC, *ScaleForm->SC, MainForm);
  LayersForm = new TLayersForm(MainForm);
  CalcForm = new TCalcForm(MainForm);
  FieldForm->SetValueFormatSource([] { return CalcForm->Settings(); });
  MainForm->AttachPanels(ScaleForm, LayersForm, CalcForm);
  NewForm = new TNewForm(MainForm);
  AddForm = new TAddForm(MainForm);
  ScaleOptForm = new TScaleOptForm(MainForm);
  LayersOptForm = new TLayersOptForm(MainForm);
  CalcOptForm = new TCalcOptForm(MainForm);
  ZoomForm = new TZoomForm(MainForm);
  OptionsForm = new TOptionsForm(MainForm);
  AboutForm = new TAboutForm(MainForm);
  SelFuncForm = new TSelFuncForm(MainForm);
  for (QWidget *window : std::initializer_list<QWidget *>{MainForm, FieldForm, ScaleForm, LayersForm, CalcForm, NewForm,
                                                          AddForm, ScaleOptForm, LayersOptForm, CalcOptForm, ZoomForm,
                                                          OptionsForm, AboutForm, SelFuncForm})
    NameControls(*window);
}

void ShowWindows() {
  FieldForm->show();
  ScaleForm->show();
  LayersForm->show();
  CalcForm->show();
}

void DestroyWindows() {
  Destroy(SelFuncForm);
  Destroy(AboutForm);
  Destroy(OptionsForm);
  Destroy(ZoomForm);
  Destroy(CalcOptForm);
  Destroy(LayersOptForm);
  Destroy(ScaleOptForm);
  Destroy(AddForm);
  Destroy(NewForm);
  Destroy(CalcForm);
  Destroy(LayersForm);
  Destroy(ProjectLayers);
  Destroy(ScaleForm);
  Destroy(FieldForm);
  Destroy(MainForm);
}

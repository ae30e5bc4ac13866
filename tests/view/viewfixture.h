#pragma once

#include <QLineEdit>
#include <QLocale>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>

#include "chart.h"
#include "fieldform.h"
#include "intspinedit.h"
#include "lineseries.h"
#include "project.h"
#include "graphsampler.h"
#include "layersinstep.h"
#include "projectlayers.h"
#include "rectangleseries.h"
#include "scaleform.h"
#include "scaleoptform.h"
#include "scripteddialogs.h"
#include "zoomform.h"

// Types into a spin field's own editor, replacing what it holds.
inline void TypeInto(TIntSpinEdit *field, const char *text) {
  auto *editor = field->findChild<QLineEdit *>();
  editor->selectAll();
  QTest::keyClicks(editor, text);
}

// The plot window and the navigator with their dialogs, fresh for each test,
// and a project with bounds as adding the first layer leaves it.
class ViewTest : public testing::Test {
 protected:
  void SetUp() override {
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto scripted = std::make_unique<TScriptedDialogs>();
    dialogs = scripted.get();
    previous_ = SetDialogs(std::move(scripted));
    field_ = std::make_unique<TFieldForm>();
    scale_ = std::make_unique<TScaleForm>(nullptr);
    zoom_ = std::make_unique<TZoomForm>();
    scaleOpt_ = std::make_unique<TScaleOptForm>();
    FieldForm = field_.get();
    ScaleForm = scale_.get();
    ZoomForm = zoom_.get();
    ScaleOptForm = scaleOpt_.get();
    layers_ = std::make_unique<TProjectLayers>(Project, *FieldForm->FC, *ScaleForm->SC);
    ProjectLayers = layers_.get();
    Project.Clear();
  }

  void TearDown() override {
    Project.Clear();
    SetDialogs(std::move(previous_));
    ProjectLayers = nullptr;
    FieldForm = nullptr;
    ScaleForm = nullptr;
    ZoomForm = nullptr;
    ScaleOptForm = nullptr;
    QLocale::setDefault(QLocale::c());
  }

  void SetBounds(long double minX, long double maxX, long double minY, long double maxY) {
    ProjectLayers->Start({minX, maxX, minY, maxY});
  }

  // A layer sampled over the project's bounds, added as the layers panel adds it.
  void AddLayer(const char *expression, int32_t pointCount, TColor colour = 0x0000FF, int32_t width = 1) {
    TGraph graph;
    graph.Expression = expression;
    graph.PointCount = pointCount;
    SampleGraph(graph, Project.Bounds());
    ProjectLayers->Add(std::move(graph), {colour, width});
  }

  // Shows the plot window with its chart at exactly the given size.
  void ShowField(int chartWidth, int chartHeight) {
    FieldForm->resize(chartWidth, chartHeight + FieldForm->CoordSB->height());
    FieldForm->show();
    QCoreApplication::processEvents();
    FieldForm->FC->resize(chartWidth, chartHeight);
    QCoreApplication::processEvents();
  }

  TScriptedDialogs *dialogs = nullptr;

 private:
  std::unique_ptr<TDialogs> previous_;
  std::unique_ptr<TFieldForm> field_;
  std::unique_ptr<TScaleForm> scale_;
  std::unique_ptr<TZoomForm> zoom_;
  std::unique_ptr<TScaleOptForm> scaleOpt_;
  std::unique_ptr<TProjectLayers> layers_;
};

// The plot window's own work on a scene of 10 layers of 100000 points at 800x600: a redraw
// alone (the chart benchmark's figure), one wheel notch in and out with its redraws, and the
// tool tip for a resting pointer (the nearest curve's sample, or a point of interest).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStatusBar>
#include <memory>
#include <string>

#include "chart.h"
#include "fieldform.h"
#include "graphsampler.h"
#include "project.h"
#include "projectlayers.h"
#include "scaleform.h"
#include "zoomform.h"

namespace {

struct Window {
  TFieldForm field;
  TScaleForm scale{nullptr};
  TZoomForm zoom;
  std::unique_ptr<TProjectLayers> layers;

  Window() {
    FieldForm = &field;
    ScaleForm = &scale;
    ZoomForm = &zoom;
    layers = std::make_unique<TProjectLayers>(Project, *field.FC, *scale.SC);
    layers->Start({-10, 10, -10, 10});
    for (int k = 0; k < 10; ++k) {
      TGraph graph;
      graph.Expression = std::to_string(k + 1) + "*sin(x/" + std::to_string(k + 1) + ")+" + std::to_string(k) + "/10";
      graph.PointCount = 100000;
      SampleGraph(graph, Project.Bounds());
      layers->Add(std::move(graph), {0x0000FF, 1});
    }
    field.resize(800, 600 + field.CoordSB->height());
    field.show();
    QCoreApplication::processEvents();
  }
};

// Made once the application is up, gone before it goes.
std::unique_ptr<Window> scene;

Window &Scene() {
  if (!scene) scene = std::make_unique<Window>();
  return *scene;
}

void Redraw(benchmark::State &state) {
  Chart &chart = *Scene().field.FC;
  for (auto _ : state) chart.RedrawNow();
}

void WheelNotchInAndOut(benchmark::State &state) {
  Chart &chart = *Scene().field.FC;
  const QPointF at = chart.PlotArea().center() + QPointF(100, 50);
  for (auto _ : state) {
    chart.ZoomAbout(at, 0.8, 0.8);
    chart.RedrawNow();
    chart.ZoomAbout(at, 1.25, 1.25);
    chart.RedrawNow();
  }
}

// Pointers swept over the plot area; the points of interest are found at the first tip.
void ToolTip(benchmark::State &state) {
  TFieldForm &field = Scene().field;
  const QRect area = field.FC->PlotArea();
  field.PointerTip(area.center());
  int step = 0;
  for (auto _ : state) {
    const QPoint at(area.left() + (step * 37) % area.width(), area.top() + (step * 23) % area.height());
    benchmark::DoNotOptimize(field.PointerTip(at));
    ++step;
  }
}

BENCHMARK(Redraw)->Unit(benchmark::kMillisecond);
BENCHMARK(WheelNotchInAndOut)->Unit(benchmark::kMillisecond);
BENCHMARK(ToolTip)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  scene.reset();
  Project.Clear();
  return 0;
}

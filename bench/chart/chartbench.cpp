// Redraw time of charts of 10 and 50 layers of 100000 points each, at every pen width, against
// plain QCustomPlot graphs of the same points (pen width 1, its adaptive sampling on) as the
// reference; and how far our picture is from the same curves stroked by QPainter.

#include "chart.h"
#include "strokedruns.h"

#include <benchmark/benchmark.h>
#include <qcustomplot.h>

#include <QApplication>
#include <QPainter>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kPointCount = 100000;
constexpr double kLowest = -10;
constexpr double kHighest = 10;
constexpr int kPenWidth = 4;

// A chart of many layers as the program shows it: legend on, at a window's size.
struct Scene {
  const char *name;
  int layers;
  QSize size;
  bool legend;
};
const Scene kScenes[] = {{"10x100000/800x600", 10, {800, 600}, false},
                         {"50x100000/1300x850/legend", 50, {1300, 850}, true}};
double Abscissa(int i) { return kLowest + (kHighest - kLowest) * i / (kPointCount - 1); }

// Samples of one curve; invalid samples (NaN) and samples outside the band leave gaps, and every
// run after a gap starts with a null point, as the program's curve builder does.
template <typename Curve>
std::vector<ChartPoint> Sampled(Curve curve) {
  std::vector<ChartPoint> points;
  bool inRun = false;
  for (int i = 0; i < kPointCount; ++i) {
    const double x = Abscissa(i);
    const double y = curve(i, x);
    if (!(y >= kLowest && y <= kHighest)) {
      inRun = false;
      continue;
    }
    if (!inRun) points.push_back(ChartPoint::NullAt(x));
    points.push_back({x, y});
    inRun = true;
  }
  return points;
}

std::vector<ChartPoint> LayerPoints(int layer) {
  switch (layer % 3) {
    case 0:  // tan(x), with a gap of 20 invalid samples every 997
      return Sampled([layer](int i, double x) { return i % 997 < 20 ? std::nan("") : std::tan(x + 0.05 * layer); });
    case 1:
      return Sampled([layer](int, double x) { return 8 * std::sin(50 * x + layer); });
    default: {
      std::minstd_rand random(layer);
      std::uniform_real_distribution<double> noise(-1.5, 1.5);
      return Sampled([&](int, double) { return layer - 5 + noise(random); });
    }
  }
}

// Our chart of a scene at one pen width.
std::unique_ptr<Chart> SceneChart(const Scene &scene, int width) {
  auto chart = std::make_unique<Chart>();
  chart->resize(scene.size);
  chart->SetLegendShown(scene.legend);
  chart->SetMarginsPercent(QMarginsF(0, 1, 1, 0));
  chart->SetRange(ChartAxis::Bottom, kLowest, kHighest);
  chart->SetRange(ChartAxis::Left, kLowest, kHighest);
  for (int layer = 0; layer < scene.layers; ++layer) {
    auto series = std::make_unique<LineSeries>();
    series->SetColor(QColor::fromHsv(layer * 36 % 360, 255, 200));
    series->SetWidth(width);
    series->SetTitle(QStringLiteral("layer %1").arg(layer));
    series->SetPoints(LayerPoints(layer));
    chart->AddSeries(std::move(series));
  }
  chart->show();
  return chart;
}

// The same scene in plain QCustomPlot: a graph per layer, NaN where our null points break the
// line, pen width 1, adaptive sampling on as it comes.
std::unique_ptr<QCustomPlot> ReferencePlot(const Scene &scene) {
  auto plot = std::make_unique<QCustomPlot>();
  plot->resize(scene.size);
  plot->xAxis->setRange(kLowest, kHighest);
  plot->yAxis->setRange(kLowest, kHighest);
  plot->legend->setVisible(scene.legend);
  for (int layer = 0; layer < scene.layers; ++layer) {
    QVector<double> keys, values;
    for (const ChartPoint &p : LayerPoints(layer)) {
      keys << p.x;
      values << (p.IsNull() ? std::nan("") : p.y);
    }
    QCPGraph *graph = plot->addGraph();
    graph->setData(keys, values, true);
    graph->setPen(QPen(QColor::fromHsv(layer * 36 % 360, 255, 200), 1));
    graph->setName(QStringLiteral("layer %1").arg(layer));
  }
  plot->show();
  return plot;
}

void BM_SceneRedraw(benchmark::State &state, const Scene &scene, int width) {
  const std::unique_ptr<Chart> chart = SceneChart(scene, width);
  for (auto _ : state) chart->RedrawNow();
}

void BM_SceneReference(benchmark::State &state, const Scene &scene) {
  const std::unique_ptr<QCustomPlot> plot = ReferencePlot(scene);
  for (auto _ : state) plot->replot(QCustomPlot::rpImmediateRefresh);
}

// Prints each redraw against the reference of its scene once all runs are in.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) times_[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    std::printf("\n%-28s %6s %12s %14s %8s\n", "scene", "width", "ours ms", "QCustomPlot ms", "ratio");
    for (const Scene &scene : kScenes) {
      const double reference = Time(std::string("reference/") + scene.name);
      for (int width = 1; width <= 4; ++width) {
        const double ours = Time("redraw/" + std::string(scene.name) + "/width" + std::to_string(width));
        if (ours > 0 && reference > 0)
          std::printf("%-28s %6d %12.2f %14.2f %7.2fx\n", scene.name, width, ours, reference, ours / reference);
      }
    }
  }

 private:
  double Time(const std::string &name) const {
    const auto it = times_.find(name);
    return it == times_.end() ? 0 : it->second;
  }
  std::map<std::string, double> times_;
};

// The 10-layer scene at pen width 4, shared by the benchmarks below.
Chart *theChart = nullptr;

void ShowSeries(Chart &chart, bool shown) {
  for (int i = 0; i < chart.SeriesCount(); ++i) chart.SeriesAt(i)->SetShown(shown);
}

void BM_Redraw(benchmark::State &state) {
  for (auto _ : state) theChart->RedrawNow();
}
BENCHMARK(BM_Redraw)->Unit(benchmark::kMillisecond);

// What a redraw costs besides the series: background, grid, axes and the plot's buffers.
void BM_RedrawWithoutSeries(benchmark::State &state) {
  ShowSeries(*theChart, false);
  for (auto _ : state) theChart->RedrawNow();
  ShowSeries(*theChart, true);
}
BENCHMARK(BM_RedrawWithoutSeries)->Unit(benchmark::kMillisecond);

void BM_Picture(benchmark::State &state) {
  for (auto _ : state) benchmark::DoNotOptimize(theChart->ToImage());
  std::vector<const LineSeries *> lines;
  for (int i = 0; i < theChart->SeriesCount(); ++i) lines.push_back(static_cast<LineSeries *>(theChart->SeriesAt(i)));
  const QImage ours = theChart->ToImage();
  const double pixels = double(ours.width()) * ours.height();
  const QImage reference = StrokedInstead(*theChart, lines).stroked;
  state.counters["differing_%"] = 100.0 * DifferingPixels(ours, reference, kChannelTolerance) / pixels;
  state.counters["any_difference_%"] = 100.0 * DifferingPixels(ours, reference, 0) / pixels;
}
BENCHMARK(BM_Picture)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  const std::unique_ptr<Chart> chart = SceneChart(kScenes[0], kPenWidth);
  theChart = chart.get();
  for (const Scene &scene : kScenes) {
    for (int width = 1; width <= 4; ++width)
      benchmark::RegisterBenchmark(("redraw/" + std::string(scene.name) + "/width" + std::to_string(width)).c_str(),
                                   BM_SceneRedraw, scene, width)
          ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("reference/" + std::string(scene.name)).c_str(), BM_SceneReference, scene)
        ->Unit(benchmark::kMillisecond);
  }
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}

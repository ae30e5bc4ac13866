// What adding a layer costs before it reaches the charts: sampling 100000
// points through the library and building the clipped curve twice (plot and
// navigator).
#include <benchmark/benchmark.h>

#include <vector>

#include "project.h"

namespace {

void AddLayerOf100000Points(benchmark::State &state, const char *expression) {
  TProject project;
  project.SetBounds({-10, 10, -10, 10});
  std::vector<TCurvePoint> plot, navigator;
  for (auto _ : state) {
    project.Clear();
    project.SetBounds({-10, 10, -10, 10});
    const int index = project.AddGraph(expression, 100000);
    project.ComputeGraph(index);
    project.BuildSeries(index, plot);
    project.BuildSeries(index, navigator);
    benchmark::DoNotOptimize(plot.data());
  }
}

BENCHMARK_CAPTURE(AddLayerOf100000Points, sin, "sin(x)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AddLayerOf100000Points, tg, "tg(x)")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(AddLayerOf100000Points, polynomial, "x^3-2*x+1")->Unit(benchmark::kMillisecond);

}  // namespace

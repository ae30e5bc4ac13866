// Points of interest over 10 layers of 100000 samples each on [-10, 10]:
// finding them in the stored samples, and the first tool tip's work in a view,
// where every point in it is sharpened through the library.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "pointsofinterest.h"

namespace {

// Waves of different lengths and heights that cross each other and the axis.
TProject TenLayers() {
  TProject project;
  project.SetBounds({.MinX = -10, .MaxX = 10, .MinY = -10, .MaxY = 10});
  for (int k = 0; k < 10; ++k) {
    const int index = project.AddGraph(
        std::to_string(k + 1) + "*sin(x/" + std::to_string(k + 1) + ")+" + std::to_string(k) + "/10", 100000);
    project.ComputeGraph(index);
  }
  return project;
}

void FindInSamples(benchmark::State &state) {
  const TProject project = TenLayers();
  std::vector<int> layers(10);
  for (int k = 0; k < 10; ++k) layers[k] = k;
  std::size_t found = 0;
  for (auto _ : state) found = FindPointsOfInterest(project.Graphs(), layers).size();
  state.counters["points"] = static_cast<double>(found);
}

void FindAndSharpenInView(benchmark::State &state) {
  const TProject project = TenLayers();
  std::size_t shown = 0;
  for (auto _ : state) {
    TPointsOfInterest points;
    shown = points.InView(project, -10, 10, -10, 10, 300).size();
  }
  state.counters["points"] = static_cast<double>(shown);
}

BENCHMARK(FindInSamples)->Unit(benchmark::kMillisecond);
BENCHMARK(FindAndSharpenInView)->Unit(benchmark::kMillisecond);

}  // namespace

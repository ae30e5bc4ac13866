#include "graphsampler.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <cstdint>

#include "expression.h"
#include "zeval.h"

namespace {

template <typename T>
int32_t LengthOf(const std::vector<T> &array) {
  return static_cast<int32_t>(std::min<std::size_t>(array.size(), INT32_MAX));
}

}  // namespace

void SampleGraph(TGraph &graph, const TBounds &bounds) {
  // Fresh arrays every time: the library never clears an error byte it is given.
  graph.ClearSamples();
  // Nothing the program would let a user type is longer; a longer text from a
  // file is not worth the library's time.
  if (graph.PointCount < 2 || graph.Expression.size() > kMaxExpressionLength) {
    graph.ErrorCode = kZevalBadSamplingArguments;
    return;
  }
  FillResultArray(graph.Expression.c_str(), graph.PointCount, bounds.MinX, bounds.MaxX, graph.XValues.data(),
                  LengthOf(graph.XValues), graph.YValues.data(), LengthOf(graph.YValues), graph.PointErrors.data(),
                  LengthOf(graph.PointErrors), &graph.ErrorCode, &graph.CalcTime);
}

TGraph SampledGraph(const std::string &expression, int32_t count, long double minX, long double maxX) {
  TGraph graph;
  graph.Expression = expression;
  graph.PointCount = count;
  SampleGraph(graph, {.MinX = minX, .MaxX = maxX});
  return graph;
}

// The library keeps nothing between calls, so layers sampled on separate
// threads get exactly the arrays they would get one after another.
std::vector<TGraph> SampleLayers(const TProjectContents &contents, const std::function<void(std::size_t)> &progress) {
  std::vector<TGraph> graphs(contents.Layers.size());
  std::atomic<std::size_t> next = 0, done = 0;
  std::exception_ptr failure;
  std::mutex failureMutex;
  const std::thread::id caller = std::this_thread::get_id();
  const auto work = [&] {
    try {
      for (std::size_t i = next++; i < graphs.size(); i = next++) {
        graphs[i].Expression = contents.Layers[i].Expression;
        graphs[i].PointCount = contents.Layers[i].PointCount;
        graphs[i].Visible = contents.Layers[i].Visible;
        SampleGraph(graphs[i], contents.Bounds);
        ++done;
        if (progress && std::this_thread::get_id() == caller) progress(done);
      }
    } catch (...) {
      next = graphs.size();
      const std::lock_guard lock(failureMutex);
      failure = std::current_exception();
    }
  };
  const std::size_t cores = std::max(1u, std::thread::hardware_concurrency());
  {
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < std::min(cores, graphs.size()); ++t) helpers.emplace_back(work);
    work();
  }
  // The helpers may have taken every layer: the caller hears the end in any case.
  if (progress && !failure) progress(done);
  if (failure) std::rethrow_exception(failure);
  return graphs;
}

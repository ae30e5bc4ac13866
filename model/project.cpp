#include "project.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

#include "curvebuilder.h"
#include "graphsampler.h"

TProject Project;

int32_t TProject::GraphCount() const { return static_cast<int32_t>(FGraphs.size()); }

const std::vector<TGraph> &TProject::Graphs() const { return FGraphs; }

const TGraph &TProject::Graph(int index) const { return FGraphs[CheckedIndex(index)]; }

// Every change of a layer goes through here.
TGraph &TProject::MutableGraph(int index) {
  ++FRevision;
  return FGraphs[CheckedIndex(index)];
}

// A wrong index becomes an error the command reports, not a stray write.
std::size_t TProject::CheckedIndex(int index) const {
  if (index < 0 || index >= GraphCount())
    throw std::out_of_range("layer index " + std::to_string(index) + " out of range");
  return static_cast<std::size_t>(index);
}

int TProject::AddGraph(std::string expression, int32_t pointCount) {
  TGraph &graph = FGraphs.emplace_back();
  graph.Expression = std::move(expression);
  graph.PointCount = pointCount;
  graph.ClearSamples();
  ++FRevision;
  return GraphCount() - 1;
}

int TProject::AddGraph(TGraph graph) {
  FGraphs.push_back(std::move(graph));
  ++FRevision;
  return GraphCount() - 1;
}

void TProject::RemoveGraph(int index) {
  FGraphs.erase(FGraphs.begin() + static_cast<std::ptrdiff_t>(CheckedIndex(index)));
  ++FRevision;
}

void TProject::SwapGraphs(int first, int second) { std::swap(MutableGraph(first), MutableGraph(second)); }

void TProject::SetVisible(int index, bool visible) { MutableGraph(index).Visible = visible; }

const TBounds &TProject::Bounds() const { return FBounds; }

void TProject::SetBounds(const TBounds &bounds) {
  FBounds = bounds;
  ++FRevision;
}

bool TProject::HasBounds() const { return FBounds.IsSet(); }

void TProject::Clear() {
  FGraphs.clear();
  FBounds = TBounds{};
  ++FRevision;
  ++FGeneration;
}

void TProject::ComputeGraph(int index) { SampleGraph(MutableGraph(index), FBounds); }

void TProject::BuildSeries(int index, std::vector<TCurvePoint> &series) const {
  TCurveBuilder(FBounds.MinY, FBounds.MaxY).BuildSeries(Graph(index), series);
}

void TProject::BuildSeries(int index, TCurveSink &sink) const {
  TCurveBuilder(FBounds.MinY, FBounds.MaxY).Build(Graph(index), sink);
}

std::size_t TProject::CurvePointCount(int index) const {
  return TCurveBuilder(FBounds.MinY, FBounds.MaxY).PointCount(Graph(index));
}

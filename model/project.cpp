#include "project.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

#include "curvebuilder.h"
#include "graphsampler.h"

TProject Project;

int32_t TProject::GraphCount() const { return static_cast<int32_t>(graphs_.size()); }

const std::vector<TGraph> &TProject::Graphs() const { return graphs_; }

const TGraph &TProject::Graph(int index) const { return graphs_[CheckedIndex(index)]; }

// Every change of a layer goes through here.
TGraph &TProject::MutableGraph(int index) {
  ++revision_;
  return graphs_[CheckedIndex(index)];
}

// A wrong index becomes an error the command reports, not a stray write.
std::size_t TProject::CheckedIndex(int index) const {
  if (index < 0 || index >= GraphCount())
    throw std::out_of_range("layer index " + std::to_string(index) + " out of range");
  return static_cast<std::size_t>(index);
}

int TProject::AddGraph(std::string expression, int32_t pointCount) {
  TGraph &graph = graphs_.emplace_back();
  graph.Expression = std::move(expression);
  graph.PointCount = pointCount;
  graph.ClearSamples();
  ++revision_;
  return GraphCount() - 1;
}

int TProject::AddGraph(TGraph graph) {
  graphs_.push_back(std::move(graph));
  ++revision_;
  return GraphCount() - 1;
}

void TProject::RemoveGraph(int index) {
  graphs_.erase(graphs_.begin() + static_cast<std::ptrdiff_t>(CheckedIndex(index)));
  ++revision_;
}

void TProject::SwapGraphs(int first, int second) { std::swap(MutableGraph(first), MutableGraph(second)); }

void TProject::SetVisible(int index, bool visible) { MutableGraph(index).Visible = visible; }

const TBounds &TProject::Bounds() const { return bounds_; }

void TProject::SetBounds(const TBounds &bounds) {
  bounds_ = bounds;
  ++revision_;
}

bool TProject::HasBounds() const { return bounds_.IsSet(); }

void TProject::Clear() {
  graphs_.clear();
  bounds_ = TBounds{};
  ++revision_;
  ++generation_;
}

void TProject::ComputeGraph(int index) { SampleGraph(MutableGraph(index), bounds_); }

void TProject::BuildSeries(int index, std::vector<TCurvePoint> &series) const {
  TCurveBuilder(bounds_.MinY, bounds_.MaxY).BuildSeries(Graph(index), series);
}

void TProject::BuildSeries(int index, TCurveSink &sink) const {
  TCurveBuilder(bounds_.MinY, bounds_.MaxY).Build(Graph(index), sink);
}

std::size_t TProject::CurvePointCount(int index) const {
  return TCurveBuilder(bounds_.MinY, bounds_.MaxY).PointCount(Graph(index));
}

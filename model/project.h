#ifndef LUMOPLOT_MODEL_PROJECT_H
#define LUMOPLOT_MODEL_PROJECT_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "bounds.h"
#include "curvebuilder.h"
#include "curvepoint.h"
#include "graph.h"

// The layers table and the plot bounds: the one owner of the project's data.
// The layer count is the table's length, so the two cannot disagree; layers
// change only through the operations below.
class TProject {
 public:
  int32_t GraphCount() const;
  const std::vector<TGraph> &Graphs() const;
  const TGraph &Graph(int index) const;

  // Appends a visible, not yet sampled layer; returns its index.
  int AddGraph(std::string expression, int32_t pointCount);
  // Appends a layer as it stands, samples included; returns its index.
  int AddGraph(TGraph graph);
  void RemoveGraph(int index);
  // Exchanges two whole records, samples included; moving a layer up or down.
  void SwapGraphs(int first, int second);
  void SetVisible(int index, bool visible);

  const TBounds &Bounds() const;
  void SetBounds(const TBounds &bounds);
  bool HasBounds() const;

  // Back to the state of a new project: no layers and no bounds.
  void Clear();

  // Counts every change of the layers or the bounds, so that whatever is
  // derived from them can tell it is out of date.
  uint64_t Revision() const { return revision_; }
  // Counts the times the project has been emptied: a new project or opening one.
  uint64_t Generation() const { return generation_; }

  // (Re)samples layer index over [MinX, MaxX]; its ErrorCode tells the outcome.
  void ComputeGraph(int index);
  // Clears series and fills it with layer index clipped to [MinY, MaxY].
  void BuildSeries(int index, std::vector<TCurvePoint> &series) const;
  // The same curve handed to a sink, and the number of its points.
  void BuildSeries(int index, TCurveSink &sink) const;
  std::size_t CurvePointCount(int index) const;

 private:
  TGraph &MutableGraph(int index);
  std::size_t CheckedIndex(int index) const;

  std::vector<TGraph> graphs_;
  TBounds bounds_;
  uint64_t revision_ = 0;
  uint64_t generation_ = 0;
};

// The program's project, reached by the commands that work on it.
extern TProject Project;

#endif

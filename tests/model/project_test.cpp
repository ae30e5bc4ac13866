#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "curvepoints.h"
#include "project.h"

namespace {

std::vector<std::string> Expressions(const TProject &project) {
  std::vector<std::string> expressions;
  for (const TGraph &graph : project.Graphs()) expressions.push_back(graph.Expression);
  return expressions;
}

TEST(Project, LayersMoveAsWholeRecordsUntilCleared) {
  TProject project;
  project.SetBounds({.MinX = 1, .MaxX = 2, .MinY = -10, .MaxY = 3});
  for (const char *expression : {"x", "2*x", "3*x"}) project.ComputeGraph(project.AddGraph(expression, 2));
  project.SetVisible(0, false);

  project.SwapGraphs(0, 1);
  project.RemoveGraph(2);

  EXPECT_EQ(project.GraphCount(), 2);
  EXPECT_EQ(Expressions(project), (std::vector<std::string>{"2*x", "x"}));
  EXPECT_EQ(project.Graph(0).YValues, (std::vector<long double>{2, 2, 4}));
  EXPECT_FALSE(project.Graph(1).Visible);
  std::vector<TCurvePoint> series;
  project.BuildSeries(0, series);
  EXPECT_EQ(series, (std::vector<TCurvePoint>{P(1, 2), P(1.5, 3)}));
  EXPECT_THROW(project.RemoveGraph(2), std::out_of_range);
  EXPECT_THROW(project.SwapGraphs(-1, 0), std::out_of_range);

  project.Clear();
  EXPECT_EQ(project.GraphCount(), 0);
  EXPECT_FALSE(project.HasBounds());
}

}  // namespace

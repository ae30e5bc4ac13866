#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "curvepoints.h"
#include "project.h"

namespace {

std::vector<std::string> Expressions(const TProject &project)
{
    std::vector<std::string> expressions;
    for (const TGraph &graph : project.Graphs())
        expressions.push_back(graph.Expression);
    return expressions;
}

TEST(Project, HasBoundsUnlessAllFourAreZero)
{
    const std::vector<std::pair<TBounds, bool>> cases = {
        {{}, false},
        {{.MinX = -1}, true},
        {{.MaxX = 1}, true},
        {{.MinY = -1e-4000L}, true},
        {{.MaxY = 1}, true},
        {{.MinX = -10, .MaxX = 10, .MinY = -5, .MaxY = 5}, true},
    };
    for (const auto &[bounds, expected] : cases) {
        TProject project;
        project.SetBounds(bounds);
        EXPECT_EQ(project.HasBounds(), expected);
    }
}

TEST(Project, LayersMoveAsWholeRecords)
{
    TProject project;
    project.SetBounds({.MinX = 1, .MaxX = 2, .MinY = -10, .MaxY = 10});
    for (const char *expression : {"x", "2*x", "3*x"})
        project.ComputeGraph(project.AddGraph(expression, 2));
    project.SetVisible(0, false);

    project.SwapGraphs(0, 1);
    project.RemoveGraph(2);

    EXPECT_EQ(project.GraphCount(), 2);
    EXPECT_EQ(Expressions(project), (std::vector<std::string>{"2*x", "x"}));
    EXPECT_EQ(project.Graph(0).YValues, (std::vector<long double>{2, 2, 4}));
    EXPECT_FALSE(project.Graph(1).Visible);
    EXPECT_THROW(project.RemoveGraph(2), std::out_of_range);
    EXPECT_THROW(project.SwapGraphs(-1, 0), std::out_of_range);
}

TEST(Project, ClearLeavesNoLayersAndNoBounds)
{
    TProject project;
    project.SetBounds({.MinX = -1, .MaxX = 1, .MinY = -1, .MaxY = 1});
    project.AddGraph("x", 10);
    project.Clear();
    EXPECT_EQ(project.GraphCount(), 0);
    EXPECT_FALSE(project.HasBounds());
}

// Samples y = x at every whole x in [-10, 10], clipped to [-5, 5].
TEST(Project, ComputesAndClipsALayer)
{
    TProject project;
    project.SetBounds({.MinX = -10, .MaxX = 10, .MinY = -5, .MaxY = 5});
    const int index = project.AddGraph("x", 21);
    project.ComputeGraph(index);

    std::vector<TCurvePoint> expected = {Null(-6, -5), P(-6, -5)};
    for (int x = -5; x <= 5; ++x)
        expected.push_back(P(x, x));
    expected.push_back(P(5, 5));
    std::vector<TCurvePoint> series;
    project.BuildSeries(index, series);
    EXPECT_EQ(series, expected);
}

}  // namespace

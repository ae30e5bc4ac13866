#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphsampler.h"
#include "valuestable.h"

namespace {

TEST(ValuesTableTest, OneBlockPerLayerWithErrorsAndAnEmptyLineOrSideBySideForASpreadsheet) {
  TGraph graph;
  graph.Expression = "ln(x)";
  graph.PointCount = 3;
  SampleGraph(graph, {-1.5L, 1, -10, 10});
  ASSERT_EQ(graph.ErrorCode, 0);
  TGraph rejected;
  rejected.Expression = "a)+b";
  rejected.PointCount = 2;
  SampleGraph(rejected, {0, 1, -1, 1});
  EXPECT_EQ(ValuesTableText({&graph, &rejected}),
            "f(x)=ln(x)\r\n     X            Y\r\n    -1.50000 Error\r\n    -0.25000 Error\r\n"
            "     1.00000      0.00000\r\n\r\n"
            "f(x)=a)+b\r\n     X            Y\r\n     0.00000      0.00000\r\n     0.00000      0.00000\r\n\r\n");
  EXPECT_EQ(ValuesTableText({}), "");
  // Side by side for a spreadsheet, the shorter layer's cells left empty.
  EXPECT_EQ(ValuesTabText({&graph, &rejected}, ","),
            "X\tf(x)=ln(x)\tX\tf(x)=a)+b\n"
            "-1,50000\tОшибка: 33\t0,00000\t0,00000\n"
            "-0,25000\tОшибка: 33\t0,00000\t0,00000\n"
            "1,00000\t0,00000\t\t\n");
  EXPECT_EQ(ValuesTabText({}, ","), "");
}

}  // namespace

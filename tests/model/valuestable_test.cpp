#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "graphsampler.h"
#include "valuestable.h"

namespace {

struct FieldCase {
  long double value;
  const char *text;
};

TEST(ValuesTableTest, ValuesInTheirTwelveCharacterColumn) {
  for (const FieldCase &c :
       {FieldCase{0, "     0.00000"}, FieldCase{-10, "   -10.00000"}, FieldCase{1234.5678949L, "  1234.56789"},
        FieldCase{1e40L, " 1.000E+0040"}, FieldCase{-0.000001L, "    -0.00000"}, FieldCase{1234567, "1234567.00000"},
        FieldCase{-100000, "-100000.00000"}, FieldCase{0.015625L, "     0.01563"},
        FieldCase{-0.015625L, "    -0.01563"}, FieldCase{9.999995L, "    10.00000"},
        FieldCase{-1.23456e37L, "-1.235E+0037"}, FieldCase{1e-40L, "     0.00000"},
        FieldCase{std::numeric_limits<long double>::infinity(), "        +Inf"},
        FieldCase{-std::numeric_limits<long double>::infinity(), "        -Inf"},
        FieldCase{std::nanl(""), "         Nan"}}) {
    EXPECT_EQ(ValueFieldText(c.value), c.text) << static_cast<double>(c.value);
  }
}

TEST(ValuesTableTest, OneBlockPerLayerWithErrorsAndAnEmptyLine) {
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
}

}  // namespace

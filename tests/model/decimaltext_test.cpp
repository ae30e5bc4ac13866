// Every form the program writes numbers in, from the exact 80-bit value:
// the project file's real, the values table's field, the calculator's fixed,
// exponential and general results, the cursor read-out.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>

#include "decimaltext.h"
#include "projectreader.h"
#include "projectwriter.h"

namespace {

constexpr int kFixed = 2;
constexpr int kExponential = 1;
constexpr long double kInfinity = std::numeric_limits<long double>::infinity();
constexpr long double kDenormal = std::numeric_limits<long double>::denorm_min();

enum class Form { ProjectReal, ValueField, Calculator, General, Coordinate };

struct TextCase {
  Form form;
  long double value;
  int format, precision, digits;
  const char *mark;
  const char *text;
};

std::string Written(const TextCase &c) {
  switch (c.form) {
    case Form::ProjectReal:
      return ProjectRealText(c.value);
    case Form::ValueField:
      return ValueFieldText(c.value);
    case Form::Calculator:
      return CalcResultText(c.value, c.format, c.precision, c.digits, c.mark);
    case Form::General:
      return GeneralResultText(c.value, c.precision, c.mark);
    case Form::Coordinate:
      return CoordinateText(c.value, c.mark);
  }
  return {};
}

// Exact decimal ties are exact binary values: they round away from zero,
// where printf and std::to_chars would go to the even neighbour.
TEST(DecimalTextTest, EveryFormWritesTheRoundedExactValue) {
  const TextCase cases[] = {
      {Form::Calculator, 4, kFixed, 18, 8, ".", "4.00000000"},
      {Form::Calculator, 1.0L / 3, kFixed, 18, 8, ".", "0.33333333"},
      {Form::Calculator, 2.0L / 3, kFixed, 18, 8, ".", "0.66666667"},
      {Form::Calculator, 3.14159265358979L, kFixed, 18, 8, ".", "3.14159265"},
      {Form::Calculator, 123.456L, kFixed, 4, 8, ".", "123.50000000"},
      {Form::Calculator, 123.456L, kFixed, 18, 2, ".", "123.46"},
      {Form::Calculator, 0.012345L, kFixed, 3, 8, ".", "0.01230000"},
      {Form::Calculator, -2.5L, kFixed, 18, 8, ".", "-2.50000000"},
      {Form::Calculator, -1234.5678L, kFixed, 6, 3, ".", "-1234.570"},
      {Form::Calculator, 12.34L, kFixed, 2, 8, ".", "12.00000000"},
      {Form::Calculator, 999999999999999999.0L, kFixed, 18, 2, ".", "999999999999999999.00"},
      {Form::Calculator, 0, kFixed, 18, 8, ".", "0.00000000"},
      {Form::Calculator, -0.0L, kFixed, 18, 8, ".", "0.00000000"},
      {Form::Calculator, 9.999999996L, kFixed, 18, 8, ".", "10.00000000"},
      {Form::Calculator, -9.999999996L, kFixed, 18, 8, ".", "-10.00000000"},
      {Form::Calculator, 99.7L, kFixed, 18, 0, ".", "100"},
      {Form::Calculator, 999.96L, kFixed, 4, 8, ".", "1000.00000000"},
      {Form::Calculator, 9.9999L, kFixed, 3, 8, ".", "10.00000000"},
      {Form::Calculator, 0.0999999L, kFixed, 18, 3, ".", "0.100"},
      {Form::Calculator, 1e20L, kFixed, 18, 8, ".", "1E20"},
      {Form::Calculator, -1.5e20L, kFixed, 18, 8, ",", "-1,5E20"},
      {Form::Calculator, 9999.6L, kFixed, 4, 8, ".", "1E4"},
      {Form::Calculator, 12345.678L, kFixed, 3, 2, ".", "1.23E4"},
      {Form::Calculator, 1000000000000000000.0L, kFixed, 18, 8, ".", "1E18"},
      {Form::Calculator, LDBL_MAX, kFixed, 18, 8, ".", "1.18973149535723177E4932"},
      {Form::Calculator, -LDBL_MAX, kFixed, 5, 0, ".", "-1.1897E4932"},
      {Form::Calculator, 4, kFixed, 18, 0, ".", "4"},
      {Form::Calculator, 1234.4L, kFixed, 18, 0, ",", "1234"},
      {Form::Calculator, 0.4L, kFixed, 18, 0, ".", "0"},
      {Form::Calculator, -0.4L, kFixed, 18, 0, ".", "0"},
      {Form::Calculator, 1e-30L, kFixed, 18, 8, ".", "0.00000000"},
      {Form::Calculator, -1e-30L, kFixed, 18, 8, ".", "0.00000000"},
      {Form::Calculator, 0.000000004L, kFixed, 18, 8, ".", "0.00000000"},
      {Form::Calculator, 0.000000006L, kFixed, 18, 8, ".", "0.00000001"},
      {Form::Calculator, -0.000000006L, kFixed, 18, 8, ".", "-0.00000001"},
      {Form::Calculator, kDenormal, kFixed, 18, 18, ".", "0.000000000000000000"},
      {Form::Calculator, 0.125L, kFixed, 18, 2, ".", "0.13"},
      {Form::Calculator, -0.125L, kFixed, 18, 2, ".", "-0.13"},
      {Form::Calculator, 2.5L, kFixed, 18, 0, ".", "3"},
      {Form::Calculator, -2.5L, kFixed, 18, 0, ".", "-3"},
      {Form::Calculator, 0.5L, kFixed, 18, 0, ".", "1"},
      {Form::Calculator, 0x1p-10L, kFixed, 18, 9, ".", "0.000976563"},
      {Form::Calculator, 1.25L, kExponential, 2, 0, ".", "1.3E+0"},
      {Form::Calculator, 0x1p-20L, kExponential, 13, 2, ".", "9.536743164063E-07"},
      {Form::Calculator, -1.5L, kExponential, 2, 1, ".", "-1.5E+0"},
      {Form::Calculator, 125, kFixed, 2, 0, ".", "1.3E2"},
      {Form::Calculator, 123.456L, kFixed, 0, 8, ".", "1.2E2"},
      {Form::Calculator, 123.456L, kFixed, 1, 8, ".", "1.2E2"},
      {Form::Calculator, 123.456L, kFixed, -5, 8, ".", "1.2E2"},
      {Form::Calculator, 1.23456L, kFixed, 1, 8, ".", "1.20000000"},
      {Form::Calculator, 1.23456L, kExponential, 0, 2, ".", "1.2E+00"},
      {Form::Calculator, 1.0L / 3, kExponential, 30, 8, ".", "3.33333333333333333E-1"},
      {Form::Calculator, 1.0L / 3, kFixed, 18, 30, ".", "0.333333333333333333"},
      {Form::Calculator, 1.0L / 3, kFixed, 18, -3, ".", "0"},
      {Form::Calculator, 1234.5L, kExponential, 18, 8, ".", "1.23450000000000000E+3"},
      {Form::Calculator, 1234.5L, kExponential, 18, 3, ".", "1.23450000000000000E+003"},
      {Form::Calculator, 1234.5L, kExponential, 18, 4, ".", "1.23450000000000000E+0003"},
      {Form::Calculator, 1234.5L, kExponential, 18, 5, ".", "1.23450000000000000E+3"},
      {Form::Calculator, 1234.5L, kExponential, 5, 0, ".", "1.2345E+3"},
      {Form::Calculator, -0.00012345L, kExponential, 5, 2, ".", "-1.2345E-04"},
      {Form::Calculator, 9.99999L, kExponential, 2, 0, ".", "1.0E+1"},
      {Form::Calculator, -9.99999L, kExponential, 3, 1, ".", "-1.00E+1"},
      {Form::Calculator, 0, kExponential, 3, 2, ".", "0.00E+00"},
      {Form::Calculator, 1e-30L, kExponential, 3, 2, ".", "1.00E-30"},
      {Form::Calculator, 1e100L, kExponential, 3, 1, ".", "1.00E+100"},
      {Form::Calculator, LDBL_MAX, kExponential, 18, 8, ".", "1.18973149535723177E+4932"},
      {Form::Calculator, -LDBL_MAX, kExponential, 3, 2, ".", "-1.19E+4932"},
      {Form::Calculator, LDBL_MIN, kExponential, 5, 8, ".", "3.3621E-4932"},
      {Form::Calculator, kDenormal, kExponential, 18, 8, ".", "3.64519953188247460E-4951"},
      {Form::Calculator, kDenormal, kFixed, 18, 8, ".", "0.00000000"},
      {Form::Calculator, 4, kFixed, 18, 8, ",", "4,00000000"},
      {Form::Calculator, -2.0L / 3, kFixed, 18, 8, ",", "-0,66666667"},
      {Form::Calculator, 1234.5L, kExponential, 18, 3, ",", "1,23450000000000000E+003"},
      {Form::Calculator, 1.5e20L, kFixed, 18, 8, ",", "1,5E20"},
      {Form::Calculator, 1234.5L, kFixed, 18, 2, "٫", "1234٫50"},
      {Form::Calculator, 1234.5L, 0, 18, 2, ".", "1234.50"},
      {Form::Calculator, 1234.5L, 3, 18, 2, ".", "1234.50"},
      {Form::Calculator, 1234.5L, 255, 18, 2, ".", "1234.50"},
      {Form::Calculator, kInfinity, kFixed, 18, 8, ".", "INF"},
      {Form::Calculator, -kInfinity, kExponential, 18, 8, ".", "-INF"},
      {Form::Calculator, std::nanl(""), kFixed, 18, 8, ".", "NAN"},
      {Form::General, 0.0001L, 0, 15, 0, ".", "0.0001"},
      {Form::General, 0.00001L, 0, 15, 0, ".", "1E-5"},
      {Form::General, 0.000099999999999999999L, 0, 15, 0, ".", "0.0001"},
      {Form::General, 123.5L, 0, 15, 0, ".", "123.5"},
      {Form::General, 123456789012345.0L, 0, 15, 0, ".", "123456789012345"},
      {Form::General, 1e15L, 0, 15, 0, ".", "1E15"},
      {Form::General, 999999999999999.9L, 0, 15, 0, ".", "1E15"},
      {Form::General, -1.5e20L, 0, 15, 0, ".", "-1.5E20"},
      {Form::General, 0, 0, 15, 0, ".", "0"},
      {Form::General, -0.0L, 0, 15, 0, ".", "0"},
      {Form::General, 1.1L, 0, 15, 0, ".", "1.1"},
      {Form::General, 2.0L / 3, 0, 4, 0, ".", "0.6667"},
      {Form::General, -0.00123456L, 0, 3, 0, ".", "-0.00123"},
      {Form::General, 1200, 0, 2, 0, ".", "1.2E3"},
      {Form::General, 12, 0, 2, 0, ".", "12"},
      {Form::Coordinate, 1.5L, 0, 0, 0, ",", "1,5000"},
      {Form::Coordinate, -2.25L, 0, 0, 0, ",", "-2,2500"},
      {Form::Coordinate, 10, 0, 0, 0, ".", "10.0000"},
      {Form::Coordinate, 0, 0, 0, 0, ",", "0,0000"},
      {Form::Coordinate, -0.00001L, 0, 0, 0, ",", "0,0000"},
      {Form::Coordinate, 0.00005L, 0, 0, 0, ".", "0.0001"},
      {Form::Coordinate, 123456.123456L, 0, 0, 0, ",", "123456,1235"},
      {Form::Coordinate, 1234567.891234L, 0, 0, 0, ",", "1234567,8910"},
      {Form::Coordinate, 999.99999L, 0, 0, 0, ".", "1000.0000"},
      {Form::Coordinate, 9999999999.4L, 0, 0, 0, ".", "9999999999.0000"},
      {Form::Coordinate, 12345678901.0L, 0, 0, 0, ",", "1,234567890E+10"},
      {Form::ProjectReal, 10, 0, 0, 0, ".", " 1.00000000000000E+0001"},
      {Form::ProjectReal, -10, 0, 0, 0, ".", "-1.00000000000000E+0001"},
      {Form::ProjectReal, 0, 0, 0, 0, ".", " 0.00000000000000E+0000"},
      {Form::ProjectReal, -0.0L, 0, 0, 0, ".", "-0.00000000000000E+0000"},
      {Form::ProjectReal, 0.5L, 0, 0, 0, ".", " 5.00000000000000E-0001"},
      {Form::ProjectReal, -5, 0, 0, 0, ".", "-5.00000000000000E+0000"},
      {Form::ProjectReal, 1.0L / 3, 0, 0, 0, ".", " 3.33333333333333E-0001"},
      {Form::ProjectReal, 2.0L / 3, 0, 0, 0, ".", " 6.66666666666667E-0001"},
      {Form::ProjectReal, 123456789012345.5L, 0, 0, 0, ".", " 1.23456789012346E+0014"},
      {Form::ProjectReal, -999999999999999.5L, 0, 0, 0, ".", "-1.00000000000000E+0015"},
      {Form::ProjectReal, 1e-4000L, 0, 0, 0, ".", " 1.00000000000000E-4000"},
      {Form::ProjectReal, 1.18973149535723176502e4932L, 0, 0, 0, ".", " 1.18973149535723E+4932"},
      {Form::ValueField, 0, 0, 0, 0, ".", "     0.00000"},
      {Form::ValueField, -10, 0, 0, 0, ".", "   -10.00000"},
      {Form::ValueField, 1234.5678949L, 0, 0, 0, ".", "  1234.56789"},
      {Form::ValueField, 1e40L, 0, 0, 0, ".", " 1.000E+0040"},
      {Form::ValueField, -0.000001L, 0, 0, 0, ".", "    -0.00000"},
      {Form::ValueField, 1234567, 0, 0, 0, ".", "1234567.00000"},
      {Form::ValueField, -100000, 0, 0, 0, ".", "-100000.00000"},
      {Form::ValueField, 0.015625L, 0, 0, 0, ".", "     0.01563"},
      {Form::ValueField, -0.015625L, 0, 0, 0, ".", "    -0.01563"},
      {Form::ValueField, 9.999995L, 0, 0, 0, ".", "    10.00000"},
      {Form::ValueField, -1.23456e37L, 0, 0, 0, ".", "-1.235E+0037"},
      {Form::ValueField, 1e-40L, 0, 0, 0, ".", "     0.00000"},
      {Form::ValueField, kInfinity, 0, 0, 0, ".", "        +Inf"},
      {Form::ValueField, -kInfinity, 0, 0, 0, ".", "        -Inf"},
      {Form::ValueField, std::nanl(""), 0, 0, 0, ".", "         Nan"},
  };
  for (const TextCase &c : cases) {
    EXPECT_EQ(Written(c), c.text) << static_cast<int>(c.form) << ": " << static_cast<double>(c.value) << ", format "
                                  << c.format << ", P " << c.precision << ", D " << c.digits;
  }
}

// A project file's real reads back as the value it was written from, to its
// 15 digits.
TEST(DecimalTextTest, ProjectRealsReadBackToTheirFifteenDigits) {
  std::mt19937_64 random(5);
  std::uniform_real_distribution<long double> unit(-1, 1);
  for (int i = 0; i < 20000; ++i) {
    const long double value = std::ldexp(unit(random), static_cast<int>(random() % 400) - 200);
    TProjectWriter writer;
    writer.WriteReal(value);
    TProjectReader reader(writer.Bytes());
    const long double back = reader.ReadReal();
    ASSERT_LE(std::fabs(back - value), std::fabs(value) * 1e-14L) << ProjectRealText(value);
    ASSERT_EQ(ProjectRealText(back), ProjectRealText(value));
  }
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "evaluator.h"
#include "library.h"
#include "literal_sampling.h"
#include "readable.h"

namespace {

struct ValueCase {
  std::string text;
  std::uint8_t code;
  long double value;        // looked at only when code is 0
  std::uint8_t preset = 0;  // the error byte on entry
  long double within = 0;   // for values known only to so many digits
};

const std::string kHugeNumeral = "1" + std::string(5000, '0');

long double Repeated(long double base, std::int32_t n) {
  std::uint8_t error = 0;
  return literal::RepeatedProduct(base, n, error);
}

void PrintTo(const ValueCase &c, std::ostream *out) {
  PrintReadable(c.text, out);
  if (c.preset) *out << " with " << int(c.preset) << " set on entry";
}

class EvaluatorTest : public testing::TestWithParam<ValueCase> {};

TEST_P(EvaluatorTest, ComputesInExtendedPrecision) {
  for (char mark : {'.', ','}) {
    long double value = -12345;
    std::uint8_t code = GetParam().preset;
    zeval::EvaluateConstantText(GetParam().text, mark, value, code);
    EXPECT_EQ(code, GetParam().code) << GetParam().text;
    if (GetParam().code == 0) {
      EXPECT_LE(std::fabs(value - GetParam().value), GetParam().within)
          << GetParam().text << ": " << static_cast<double>(value);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, EvaluatorTest,
    testing::Values(
        ValueCase{"2+3*4", 0, 14}, ValueCase{"1+2*3-4/2", 0, 5}, ValueCase{"2^3^2", 0, 64},
        ValueCase{"2^(-2)", 0, 0.25L}, ValueCase{"(-2)^3", 0, -8}, ValueCase{"0^0", 0, 1},
        ValueCase{"2^0.5", 0, 1.41421356237309504880L, 0, 2e-19L}, ValueCase{"-3^2", 0, -9}, ValueCase{"(-3)^2", 0, 9},
        ValueCase{"sqrt(0)", 0, 0}, ValueCase{"tg(0)", 0, 0}, ValueCase{"sec(0)", 0, 1}, ValueCase{"round(2.5)", 0, 2},
        ValueCase{"round(3.5)", 0, 4}, ValueCase{"round(-2.5)", 0, -2}, ValueCase{"trunc(-2.7)", 0, -2},
        ValueCase{"exp(-12000)", 0, 0},
        // pi and e are the fifteen-digit decimals: sin(pi) is pi's error.
        ValueCase{"sin(pi)", 0, 3.2384626433832795e-15L, 0, 1e-20L}, ValueCase{"ln(e)", 0, 1 + 1.7530e-15L, 0, 4e-19L},
        ValueCase{"sh(1)", 0, 1.17520119364380145688L, 0, 4e-19L},
        ValueCase{"th(2)", 0, 0.96402758007581688395L, 0, 4e-19L}, ValueCase{"abs(-3)", 0, 3},
        ValueCase{"sqr(1,5)", 0, 2.25L}, ValueCase{"sin(10^19)", 0, 0}, ValueCase{"cos(10^19)", 0, 0},
        ValueCase{"round(0-9223372036854775808)", 0, -0x1p63L}, ValueCase{"trunc(0-0.5)", 0, 0},
        // Whole powers: every step rounded, whatever the count.
        ValueCase{"10^3000", 0, Repeated(10, 3000)},
        ValueCase{"1.000000000000216938^901618", 0, Repeated(1.000000000000216938L, 901618)},
        ValueCase{"ln(0.9^110000)", 0, std::log(Repeated(0.9L, 110000))}, ValueCase{"1/(0.9^110000)", 41, 0},
        ValueCase{"1^2000000000", 0, 1}, ValueCase{"(-1)^2147483647", 0, -1}, ValueCase{"(-1)^(-2147483647)", 0, -1},
        ValueCase{"0.5^2147483647", 0, 0}, ValueCase{"(0-0.5)^2147483647", 0, -0.0L}, ValueCase{"0^2000000000", 0, 0},
        ValueCase{"2^(0-2147483647)", 0, 0}, ValueCase{"2^2147483647", 41, 0}, ValueCase{"2^2147483648", 41, 0},
        ValueCase{"0^(0-2147483647)", 41, 0}, ValueCase{"0.5^(0-2147483647)", 41, 0},
        ValueCase{"1^99999999999999999999", 41, 0},
        // Faults, the first one in reading order winning.
        ValueCase{"1/0", 32, 0}, ValueCase{"1/(1-1)", 32, 0}, ValueCase{"1/(10^(-5000))", 32, 0},
        ValueCase{"(-8)^(1/3)", 37, 0}, ValueCase{"0^0.5", 37, 0}, ValueCase{"0^(-1)", 41, 0},
        ValueCase{"ln(0)", 33, 0}, ValueCase{"ln(-1)", 33, 0}, ValueCase{"sqrt(-1)", 34, 0}, ValueCase{"ctg(0)", 36, 0},
        ValueCase{"cosec(0)", 40, 0}, ValueCase{"cth(0)", 38, 0}, ValueCase{"tg(10^19)", 35, 0},
        ValueCase{"sec(10^19)", 39, 0}, ValueCase{"exp(12000)", 41, 0}, ValueCase{"th(12000)", 41, 0},
        ValueCase{"sh(0-12000)", 41, 0}, ValueCase{"sqr(10^3000)", 41, 0}, ValueCase{"2^100000", 41, 0},
        ValueCase{"10^4000*10^4000", 41, 0}, ValueCase{"trunc(10^19)", 41, 0}, ValueCase{"round(10^19)", 41, 0},
        ValueCase{"2^(10^10)", 41, 0}, ValueCase{"2^(0.5*10^5000)", 41, 0}, ValueCase{"(1/0)+ln(0)", 32, 0},
        ValueCase{"ln(0)+(1/0)", 33, 0}, ValueCase{"1+(2*(3/0))", 32, 0}, ValueCase{"x+1", 12, 0},
        ValueCase{"a)+b", 11, 0},
        // Texts the check rejects are read as they stand.
        ValueCase{"2x", 12, 0}, ValueCase{"(_)", 12, 0}, ValueCase{"1.5.3", 31, 0}, ValueCase{"1,5,3", 31, 0},
        ValueCase{"2+1.5.3", 31, 0}, ValueCase{"1+2..", 31, 0}, ValueCase{"2*3.,", 31, 0},
        ValueCase{"sin(1+2..)", 31, 0}, ValueCase{kHugeNumeral, 31, 0}, ValueCase{"1/0+" + kHugeNumeral, 32, 0},
        ValueCase{"(2)(3)", 31, 0}, ValueCase{"", 31, 0}, ValueCase{"x#1", 12, 0}, ValueCase{"1+", 31, 0},
        ValueCase{"abc(1)", 31, 0}, ValueCase{"abc(1/0)", 32, 0}, ValueCase{"sin", 31, 0}, ValueCase{"_", 12, 0},
        ValueCase{"2_", 31, 0}, ValueCase{"1e5", 31, 0}, ValueCase{"sin 2", 31, 0}, ValueCase{"2*-3", 31, 0},
        ValueCase{"(1)", 0, 1},
        // A byte set on entry stops the evaluation once the first operand is read.
        ValueCase{"1/0", 99, 0, 99}, ValueCase{"ln(0)", 99, 0, 99}, ValueCase{"exp(12000)", 99, 0, 99},
        ValueCase{"2+3*4", 5, 0, 5}, ValueCase{"1.5.3+1", 31, 0, 99}, ValueCase{"x", 12, 0, 99},
        ValueCase{"a)+b", 11, 0, 99}));

TEST(EvaluatorTest, AValueIsWrittenOnlyWhenTheExpressionWasEvaluated) {
  for (const char *text : {"x+1", "a)+b"}) {
    long double value = 7;
    std::uint8_t code = 0;
    zeval::EvaluateConstantText(text, '.', value, code);
    EXPECT_NE(code, 0) << text;
    EXPECT_EQ(value, 7) << text;
  }
}

// Every count against the plain loop, to the last bit: random counts, and
// counts near 2^31 for bases that settle, overflow or reach zero early.
TEST(IntPowerTest, EveryCountGivesTheValueOfTheFullLoop) {
  std::mt19937_64 random(7);
  const long double denormal = std::numeric_limits<long double>::denorm_min();
  const long double bases[] = {0,
                               -0.0L,
                               1,
                               -1,
                               0.5L,
                               -0.5L,
                               2,
                               -3,
                               1 + 0x1p-63L,
                               1 - 0x1p-64L,
                               -(1 + 0x1p-63L),
                               1e-10L,
                               denormal,
                               -denormal * 3,
                               1e-4000L,
                               0.999L,
                               -1.0001L,
                               0.9L,
                               10,
                               1.5L,
                               -0.99L};
  for (long double base : bases) {
    for (int i = 0; i < 60; ++i) {
      const std::int32_t range = i < 20 ? 2049 : i < 40 ? 200001 : INT32_MAX;
      std::int32_t n = static_cast<std::int32_t>(random() % range) - range / 2;
      // The loop's own cost for bases near 1 is what it is; keep the reference fast.
      if (std::fabs(std::fabs(base) - 1) < 0.05L && std::abs(static_cast<std::int64_t>(n)) > 100000) n %= 100000;
      std::uint8_t expectedError = 0, error = 0;
      const long double expected = literal::RepeatedProduct(base, n, expectedError);
      const long double actual = zeval::IntPower(base, n, error);
      const auto where = [&] { return testing::Message() << static_cast<double>(base) << "^" << n; };
      ASSERT_EQ(error, expectedError) << where();
      if (error) continue;
      ASSERT_EQ(std::signbit(actual), std::signbit(expected)) << where();
      ASSERT_EQ(actual, expected) << where();
    }
  }
}

}  // namespace

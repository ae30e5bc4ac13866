#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "abscissa.h"
#include "library.h"
#include "literal_sampling.h"
#include "parser.h"

namespace {

struct Arrays {
  explicit Arrays(std::int32_t count, unsigned char fill = 0)
      : x(count + 1, -7), y(count + 1, -7), pointErrors(count + 1, fill) {}
  std::uint8_t Sample(const std::string &text, std::int32_t count, long double minX, long double maxX,
                      char mark = '.') {
    return zeval::SampleText(text, count, minX, maxX, mark, {x.data(), y.data(), pointErrors.data(), &time});
  }
  std::vector<long double> x, y;
  std::vector<unsigned char> pointErrors;
  std::int32_t time = -99;
};

long double Rounded(long double x) {
  long double value = 0;
  zeval::AbscissaValue(x, value);
  return value;
}

TEST(SamplingTest, ElementZeroCarriesTheCountAndSamplesStartAtOne) {
  Arrays a(3);
  ASSERT_EQ(a.Sample("x", 3, -1, 1), 0);
  EXPECT_EQ(a.x, (std::vector<long double>{3, -1, 0, 1}));
  EXPECT_EQ(a.y, (std::vector<long double>{3, -1, 0, 1}));
  EXPECT_EQ(a.pointErrors, (std::vector<unsigned char>{3, 0, 0, 0}));
  EXPECT_GE(a.time, 0);

  Arrays big(300);
  ASSERT_EQ(big.Sample("1+1", 300, 0, 1), 0);
  EXPECT_EQ(big.pointErrors[0], 44);
  EXPECT_EQ(big.x[0], 300);
  EXPECT_EQ(big.y[0], 300);
  EXPECT_EQ(big.y[150], 2);
}

TEST(SamplingTest, EachSampleCarriesItsOwnCode) {
  Arrays a(3);
  ASSERT_EQ(a.Sample("ln(x)", 3, -1, 1), 0);
  EXPECT_EQ(a.pointErrors[1], 33);
  EXPECT_EQ(a.pointErrors[2], 33);
  EXPECT_EQ(a.pointErrors[3], 0);
  EXPECT_EQ(a.y[3], 0);
}

TEST(SamplingTest, RejectedTextWritesNothing) {
  for (const char *text : {"a)+b", "2x", "sin"}) {
    Arrays a(5);
    EXPECT_NE(a.Sample(text, 5, 0, 1), 0) << text;
    EXPECT_EQ(a.x, std::vector<long double>(6, -7)) << text;
    EXPECT_EQ(a.pointErrors, std::vector<unsigned char>(6, 0)) << text;
    EXPECT_EQ(a.time, -99);
  }
}

TEST(SamplingTest, ASampleWithACodeOnEntryKeepsIt) {
  Arrays a(4, 0);
  a.pointErrors[2] = 99;
  ASSERT_EQ(a.Sample("x", 4, 0, 3), 0);
  EXPECT_EQ(a.pointErrors[2], 99);
  EXPECT_EQ(a.pointErrors[3], 0);
  EXPECT_EQ(a.y[3], 2);
}

TEST(SamplingTest, AbscissasAccumulateAndSamplesSeeThemAtFifteenDigits) {
  Arrays a(201);
  ASSERT_EQ(a.Sample("x", 201, -1, 1), 0);
  EXPECT_NE(a.x[101], 0);
  EXPECT_LT(std::fabs(a.x[101]), 1e-17L);
  long double sum = -1;
  for (int i = 2; i <= 101; ++i) sum += (1.0L - -1.0L) / 200;
  EXPECT_EQ(a.x[101], sum);
  EXPECT_EQ(a.y[101], Rounded(a.x[101]));

  Arrays tiny(1001);
  ASSERT_EQ(tiny.Sample("x", 1001, 0, 0.001L), 0);
  for (int i = 1; i <= 1001; ++i) {
    std::uint8_t error = 0;
    const long double expected =
        literal::EvaluateText("((" + literal::AbscissaText(tiny.x[i], '.') + ")))", '.', error);
    ASSERT_EQ(tiny.y[i], expected) << i;
  }
}

TEST(SamplingTest, CommaLocaleSamplesTheSameValues) {
  Arrays dot(50), comma(50);
  ASSERT_EQ(dot.Sample("x^2-1.5*x", 50, -3, 7, '.'), 0);
  ASSERT_EQ(comma.Sample("x^2-1,5*x", 50, -3, 7, ','), 0);
  EXPECT_EQ(dot.y, comma.y);
}

// Random expressions of the whole language, with every function and operator,
// numerals, constants, unary minus and deep nesting.
class ExpressionGenerator {
 public:
  explicit ExpressionGenerator(std::uint64_t seed) : random_(seed) {}

  std::string Expression(int depth = 0) {
    std::string text = Term(depth);
    for (int n = Pick(3); n > 0; --n) text += std::string(1, "+-*/^"[Pick(5)]) + Term(depth);
    return text;
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % n); }

  std::string Term(int depth) {
    static const char *functions[] = {"sin", "cos", "tg", "ctg", "sh", "ch", "th", "cth", "sec",
                                      "cosec", "ln", "trunc", "round", "abs", "sqrt", "sqr", "exp"};
    static const char *numerals[] = {"2", "0", "1", "3,5", "0.5", "10", "1000", "0.001", "7.25"};
    const int kind = depth > 3 ? Pick(3) : Pick(6);
    switch (kind) {
      case 0: return "x";
      case 1: return numerals[Pick(9)];
      case 2: return Pick(2) ? "pi" : "e";
      case 3: return "(" + std::string(Pick(3) == 0 ? "-" : "") + Expression(depth + 1) + ")";
      default: return std::string(functions[Pick(17)]) + "(" + Expression(depth + 1) + ")";
    }
  }

  std::mt19937_64 random_;
};

struct Interval {
  long double minX, maxX;
};

TEST(SamplingTest, CompiledSamplingIsBitIdenticalToTheLiteralAlgorithm) {
  ExpressionGenerator generator(12345);
  std::mt19937_64 random(99);
  const Interval intervals[] = {{-10, 10},    {-1, 1},          {0, 0.001L},  {-0.0003L, 0.0002L},
                                {1e15L, 1e17L}, {-1e20L, -1e18L}, {-1000, 1000}, {3, -2},
                                {5, 5},         {1e-30L, 1e-25L}, {-2.5L, 1e16L}};
  int compared = 0, accepted = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string text = (random() % 4 == 0 ? "-" : "") + generator.Expression();
    const Interval interval = intervals[i % std::size(intervals)];
    const std::int32_t count = 2 + static_cast<std::int32_t>(random() % 40);
    const std::uint8_t checkCode = zeval::CheckExpressionText(text, '.');
    Arrays compiled(count);
    const std::uint8_t error = compiled.Sample(text, count, interval.minX, interval.maxX);
    if (checkCode != 0) {
      EXPECT_EQ(error, checkCode) << text;
      continue;
    }
    ++accepted;
    const literal::Samples expected = literal::Sample(text, count, interval.minX, interval.maxX, '.');
    ASSERT_EQ(error, expected.error) << text;
    for (std::int32_t k = 0; k <= count; ++k) {
      ASSERT_EQ(compiled.pointErrors[k], expected.pointErrors[k]) << text << " sample " << k;
      ASSERT_EQ(std::memcmp(&compiled.x[k], &expected.x[k], 10), 0) << text << " sample " << k;
      if (compiled.pointErrors[k] == 0) {
        ASSERT_FALSE(std::isnan(compiled.y[k]) || std::isinf(compiled.y[k])) << text;
        ASSERT_EQ(std::memcmp(&compiled.y[k], &expected.y[k], 10), 0)
            << text << " sample " << k << ": " << static_cast<double>(compiled.y[k]) << " vs "
            << static_cast<double>(expected.y[k]);
        ++compared;
      }
    }
  }
  EXPECT_GT(accepted, 1000);
  EXPECT_GT(compared, 10000);
}

}  // namespace

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "abscissa.h"
#include "library.h"
#include "literal_sampling.h"
#include "normalizer.h"
#include "checker.h"

namespace {

struct Arrays {
  explicit Arrays(std::int32_t count, unsigned char fill = 0)
      : x(count + 1, -7), y(count + 1, -7), pointErrors(count + 1, fill) {}
  std::uint8_t Sample(const std::string &text, std::int32_t count, long double minX, long double maxX,
                      char mark = '.') {
    std::uint8_t error = 0;
    zeval::SampleText(text, count, minX, maxX, mark, {x.data(), y.data(), pointErrors.data(), &time}, error);
    return error;
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

struct CodeCase {
  std::string text;
  std::vector<unsigned char> codes;  // of samples 1..5 over [-1, 1]
};

// Each sample carries its own code; texts the check would reject are sampled
// as they read.
TEST(SamplingTest, EachSampleCarriesTheCodeItsTextGives) {
  const std::vector<unsigned char> all31(5, 31);
  const CodeCase cases[] = {
      {"ln(x)", {33, 33, 33, 0, 0}},
      {"1/x", {0, 0, 32, 0, 0}},
      {"sqrt(x)", {34, 34, 0, 0, 0}},
      {"x-x/(-0,0,2)", all31},
      {"(-3.50.)^X/0.x", all31},
      {"x/10+1..", all31},
      {"2x", all31},
      {"sin x", all31},
      {"(_)", {0, 0, 0, 0, 0}},
      {"_", {0, 0, 0, 0, 0}},
      {"2_", {0, 0, 0, 0, 0}},
      {"x+_*2", {0, 0, 0, 0, 0}},
      {"(2)(x)", all31},
      {"x(1)", all31},
      {"abc(x)", all31},
  };
  for (const CodeCase &c : cases) {
    Arrays a(5);
    ASSERT_EQ(a.Sample(c.text, 5, -1, 1), 0) << c.text;
    EXPECT_EQ(std::vector<unsigned char>(a.pointErrors.begin() + 1, a.pointErrors.end()), c.codes) << c.text;
  }
  // A "_" outside the x marker merges with the abscissa's text: "_*2" reads
  // "0.5*2" for 0.5 but "0-0.5" and a skipped "*" for -0.5.
  Arrays a(5);
  a.Sample("x+_*2", 5, -1, 1);
  EXPECT_EQ(a.y, (std::vector<long double>{5, -2, -1, 0, 1.5L, 3}));
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
  explicit ExpressionGenerator(std::uint64_t seed, bool withX = true) : random_(seed), withX_(withX) {}

  std::string Expression(int depth = 0) {
    std::string text = Term(depth);
    for (int n = Pick(3); n > 0; --n) text += std::string(1, "+-*/^"[Pick(5)]) + Term(depth);
    return text;
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % n); }

  std::string Term(int depth) {
    static const char *functions[] = {"sin",   "cos", "tg",    "ctg",   "sh",  "ch",   "th",  "cth", "sec",
                                      "cosec", "ln",  "trunc", "round", "abs", "sqrt", "sqr", "exp"};
    static const char *numerals[] = {"2", "0", "1", "3,5", "0.5", "10", "1000", "0.001", "7.25", "123457"};
    const int kind = depth > 3 ? Pick(3) : Pick(6);
    switch (kind) {
      case 0:
        return withX_ ? "x" : numerals[Pick(10)];
      case 1:
        return numerals[Pick(10)];
      case 2:
        return Pick(2) ? "pi" : "e";
      case 3:
        return "(" + std::string(Pick(3) == 0 ? "-" : "") + Expression(depth + 1) + ")";
      default:
        return std::string(functions[Pick(17)]) + "(" + Expression(depth + 1) + ")";
    }
  }

  std::mt19937_64 random_;
  bool withX_;
};

struct Interval {
  long double minX, maxX;
};

// Mangles a text the way typing does: a character dropped, doubled or put in.
std::string Mangled(std::string text, std::mt19937_64 &random) {
  static const std::string_view alphabet = "()+-*/^.,_x0123456789esincp ";
  for (int n = 1 + static_cast<int>(random() % 3); n > 0 && !text.empty(); --n) {
    const std::size_t at = random() % text.size();
    switch (random() % 3) {
      case 0:
        text.erase(at, 1);
        break;
      case 1:
        text.insert(at, 1, text[at]);
        break;
      default:
        text.insert(at, 1, alphabet[random() % alphabet.size()]);
    }
  }
  return text;
}

// Valid texts and mangled ones the check would reject, some samples entering
// with their code already set: the library's codes and values to the bit.
TEST(SamplingTest, CompiledSamplingIsBitIdenticalToTheLiteralAlgorithm) {
  ExpressionGenerator generator(12345);
  std::mt19937_64 random(99);
  const Interval intervals[] = {{-10, 10},      {-1, 1},          {0, 0.001L},    {-0.0003L, 0.0002L},
                                {1e15L, 1e17L}, {-1e20L, -1e18L}, {-1000, 1000},  {3, -2},
                                {5, 5},         {1e-30L, 1e-25L}, {-2.5L, 1e16L}, {-1e4932L, 1e4932L}};
  // Texts the check accepts although a character it steps over unseen is the x
  // marker's "_", which only the per-sample text can read.
  const char *const steppedOverMarker[] = {"-1/(10^(-500x0)^4)", "2^(3-4x)", "1+(2*3x)", "(2^(1-3x))*x"};
  int compared = 0, rejected = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string text = (random() % 4 == 0 ? "-" : "") + generator.Expression();
    if (i % 2) text = Mangled(text, random);
    if (i < static_cast<int>(std::size(steppedOverMarker))) text = steppedOverMarker[i];
    rejected += zeval::CheckExpressionText(text, '.') != 0;
    const Interval interval = intervals[i % std::size(intervals)];
    const std::int32_t count = 2 + static_cast<std::int32_t>(random() % 40);
    Arrays compiled(count);
    if (i % 3 == 0) compiled.pointErrors[1 + random() % count] = 0x77;
    const literal::Samples expected =
        literal::Sample(text, count, interval.minX, interval.maxX, '.', compiled.pointErrors);
    const std::uint8_t error = compiled.Sample(text, count, interval.minX, interval.maxX);
    ASSERT_EQ(error, expected.error) << text;
    if (error) continue;
    for (std::int32_t k = 0; k <= count; ++k) {
      ASSERT_EQ(compiled.pointErrors[k], expected.pointErrors[k]) << text << " sample " << k;
      ASSERT_TRUE(SameBits(compiled.x[k], expected.x[k])) << text << " sample " << k;
      if (compiled.pointErrors[k] == 0) {
        ASSERT_TRUE(std::isfinite(compiled.y[k])) << text;
        ASSERT_TRUE(SameBits(compiled.y[k], expected.y[k]))
            << text << " sample " << k << ": " << static_cast<double>(compiled.y[k]) << " vs "
            << static_cast<double>(expected.y[k]);
        ++compared;
      }
    }
  }
  EXPECT_GT(rejected, 500);
  EXPECT_GT(compared, 10000);
}

// Constant texts, valid and mangled, some with the byte set on entry.
TEST(SamplingTest, ConstantEvaluationIsBitIdenticalToTheLiteralAlgorithm) {
  ExpressionGenerator generator(777, false);
  std::mt19937_64 random(5);
  int compared = 0;
  for (int i = 0; i < 4000; ++i) {
    std::string text = generator.Expression();
    if (i % 2) text = Mangled(text, random);
    std::string normalized = text;
    if (zeval::NormalizeExpression(normalized, '.') || normalized.find("(_)") != std::string::npos) continue;
    const std::uint8_t preset = i % 5 == 0 ? 0x55 : 0;
    std::uint8_t expectedError = preset, error = preset;
    const long double expected = literal::EvaluateText(normalized, '.', expectedError);
    long double value = 0;
    zeval::EvaluateConstantText(text, '.', value, error);
    ASSERT_EQ(error, expectedError) << text;
    if (error == 0) {
      ASSERT_TRUE(SameBits(value, expected)) << text;
      ++compared;
    }
  }
  EXPECT_GT(compared, 300);
}

}  // namespace

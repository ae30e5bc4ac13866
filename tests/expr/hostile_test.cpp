// Texts a hostile user could type or put into a project file: the normaliser
// against its literal character-by-character form, and megabyte texts that
// must come back with their code (they used to take minutes).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "evaluator.h"
#include "library.h"
#include "literal_normalizer.h"
#include "normalizer.h"
#include "parser.h"

namespace {

constexpr std::size_t kMegabyte = 1 << 20;

std::string RandomText(std::mt19937 &random, std::string_view alphabet, std::size_t maxLength) {
  std::uniform_int_distribution<std::size_t> length(0, maxLength), pick(0, alphabet.size() - 1);
  std::string text(length(random), ' ');
  for (char &c : text) c = alphabet[pick(random)];
  return text;
}

void ExpectSameNormalForm(const std::string &raw, char mark) {
  std::string fast = raw, literal = raw;
  const std::uint8_t code = zeval::NormalizeExpression(fast, mark);
  ASSERT_EQ(code, literal::NormalizeExpression(literal, mark)) << raw;
  if (code == 0) {
    ASSERT_EQ(fast, literal) << raw;
  }
}

TEST(HostileTest, NormalFormsEqualTheLiteralPasses) {
  const std::string_view alphabets[] = {"()+-*/^x1", "(()))+-*/^x2.,", "()+-^xpiesc ", "(+-*/^)(Xx9 ,.E"};
  std::mt19937 random(2003);
  for (std::string_view alphabet : alphabets)
    for (int i = 0; i < 20000; ++i) ExpectSameNormalForm(RandomText(random, alphabet, 24), i % 2 ? ',' : '.');
  for (const char *text : {"a)+b", "x)*(x", "1)^2", "((1)))-2", "(-(-x))", "pipi+pie+epi", "xex", "exp(x)+e",
                           "3 + 4 * 2 / (1 - 5) ^ 2 ^ 3", ")(", "(((", ")))+", "+", "-", "^^", "()()"})
    ExpectSameNormalForm(text, '.');
}

std::string Repeated(const std::string &piece, std::size_t count) {
  std::string text;
  text.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

// count copies of open, then x, then count copies of ")" and tail.
std::string Wrapped(const std::string &open, std::size_t count, const std::string &tail = "") {
  return Repeated(open, count) + "x" + Repeated(")" + tail, count);
}

struct HugeText {
  const char *name;
  std::string text;
  std::uint8_t checkCode;
  std::uint8_t sampleCode;
};

std::vector<HugeText> HugeTexts() {
  return {
      {"sum chain", "x" + Repeated("+x", kMegabyte / 2), 0, 0},
      {"mixed chain", "x" + Repeated("-x*x^2/3", kMegabyte / 8), 0, 0},
      {"power chain", "x" + Repeated("^1", kMegabyte / 2), 0, 0},
      {"deep nesting", Wrapped("(", kMegabyte / 2), 0, 0},
      {"right nesting", Wrapped("x+(", kMegabyte / 4), 0, 0},
      {"left nesting", Wrapped("(", kMegabyte / 4, "+x"), 0, 0},
      {"nested unary minus", Wrapped("(-", kMegabyte / 3), 0, 0},
      {"nested calls", Wrapped("sin(", kMegabyte / 5), 0, 0},
      {"unclosed parentheses", Repeated("(", kMegabyte) + "x", 22, 0},
      {"surplus parentheses", "x" + Repeated(")+x", kMegabyte / 3), 11, 11},
      {"numeral beyond the range", Repeated("9", kMegabyte), 27, 0},
      {"numeral of many digits", "1." + Repeated("3", kMegabyte), 0, 0},
      {"tiny numeral", "0." + Repeated("0", kMegabyte) + "1", 0, 0},
      {"names", "pi" + Repeated("*e*x", kMegabyte / 4), 0, 0},
      {"blanks", Repeated(" ", kMegabyte) + "x", 0, 0},
  };
}

TEST(HostileTest, MegabyteTextsComeBackWithTheirCode) {
  for (const HugeText &huge : HugeTexts()) {
    EXPECT_EQ(zeval::CheckExpressionText(huge.text, '.'), huge.checkCode) << huge.name;
    if (huge.checkCode != 0 && huge.sampleCode == 0) continue;
    std::vector<long double> x(4), y(4);
    std::vector<unsigned char> pointErrors(4);
    std::int32_t time = 0;
    EXPECT_EQ(zeval::SampleText(huge.text, 3, -1, 1, '.', {x.data(), y.data(), pointErrors.data(), &time}),
              huge.sampleCode)
        << huge.name;
  }
}

struct HugePower {
  const char *text;
  std::uint8_t code;
  long double value;
};

TEST(HostileTest, HugePowersThatSettleStopEarly) {
  const HugePower powers[] = {
      {"2^2147483647", 41, 0},          {"0.5^2147483647", 0, 0},         {"1^2147483647", 0, 1},
      {"(0-1)^2147483647", 0, -1},      {"(0-1)^2147483646", 0, 1},       {"0^2147483647", 0, 0},
      {"2^(0-2147483647)", 0, 0},       {"0^(0-2147483647)", 41, 0},      {"(0-0.5)^2147483647", 0, 0},
      {"2^2147483648", 41, 0},          {"1^99999999999999999999", 41, 0}, {"0.5^(0-2147483647)", 41, 0},
  };
  for (const HugePower &power : powers) {
    long double value = -7;
    EXPECT_EQ(zeval::EvaluateConstantText(power.text, '.', value), power.code) << power.text;
    if (power.code == 0) {
      EXPECT_EQ(value, power.value) << power.text;
    }
  }
}

// Bases next to 1 or -1 never settle; their powers still come out as
// e^(n ln |base|) with the sign of the base's parity.
TEST(HostileTest, HugePowersOfBasesNearOneAreCloseToTheExactValue) {
  const struct {
    const char *text;
    long double expected;
  } powers[] = {
      {"1.0000000001^2147483647", std::exp(2147483647 * std::log1p(1e-10L))},
      {"0.9999999999^2147483647", std::exp(2147483647 * std::log1p(-1e-10L))},
      {"(0-1.0000000001)^2147483647", -std::exp(2147483647 * std::log1p(1e-10L))},
      {"(0-1.0000000001)^2147483646", std::exp(2147483646 * std::log1p(1e-10L))},
      {"1.0000000001^(0-2147483647)", std::exp(-2147483647 * std::log1p(1e-10L))},
      {"1.00001^(0-2147483647)", 0},
  };
  for (const auto &power : powers) {
    long double value = 0;
    ASSERT_EQ(zeval::EvaluateConstantText(power.text, '.', value), 0) << power.text;
    EXPECT_LE(std::fabs(value - power.expected), std::fabs(power.expected) * 1e-9L) << power.text;
  }
}

}  // namespace

namespace {

// Texts the check rejects, found by fuzzing: evaluating or sampling them gave
// 12 or samples instead of the check's own code.
TEST(HostileTest, EvaluatingARejectedTextGivesTheChecksCode) {
  for (const char *text : {"(x", "(_)", "x+(_)", "2x", "sin x", "x)", "(2)(3)", "x#1", "(_)+1"}) {
    const std::uint8_t checked = zeval::CheckExpressionText(text, '.');
    ASSERT_NE(checked, 0) << text;
    long double value = -7;
    EXPECT_EQ(zeval::EvaluateConstantText(text, '.', value), checked) << text;
    EXPECT_EQ(value, -7) << text;
    std::vector<long double> x(4, -7), y(4, -7);
    std::vector<unsigned char> pointErrors(4);
    std::int32_t time = -7;
    EXPECT_EQ(zeval::SampleText(text, 3, -1, 1, '.', {x.data(), y.data(), pointErrors.data(), &time}), checked)
        << text;
    EXPECT_EQ(x, std::vector<long double>(4, -7)) << text;
  }
}

}  // namespace

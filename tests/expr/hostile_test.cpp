// Texts a hostile user could type or put into a project file: the normaliser
// against its literal character-by-character form, and texts of a quarter
// megabyte that must come back with their code in time linear in their length
// (a quadratic walk would take minutes).
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "evaluator.h"
#include "library.h"
#include "literal_normalizer.h"
#include "normalizer.h"
#include "checker.h"

namespace {

constexpr std::size_t kBigText = 1 << 18;

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
      {"sum chain", "x" + Repeated("+x", kBigText / 2), 0, 0},
      {"mixed chain", "x" + Repeated("-x*x^2/3", kBigText / 8), 0, 0},
      {"power chain", "x" + Repeated("^1", kBigText / 2), 0, 0},
      {"deep nesting", Wrapped("(", kBigText / 2), 0, 0},
      {"right nesting", Wrapped("x+(", kBigText / 4), 0, 0},
      {"left nesting", Wrapped("(", kBigText / 4, "+x"), 0, 0},
      {"nested unary minus", Wrapped("(-", kBigText / 3), 0, 0},
      {"nested calls", Wrapped("sin(", kBigText / 5), 0, 0},
      {"unclosed parentheses", Repeated("(", kBigText) + "x", 22, 0},
      {"stray underscores", Repeated("_+", kBigText / 2) + "x", 21, 0},
      {"surplus parentheses", "x" + Repeated(")+x", kBigText / 3), 11, 11},
      {"numeral beyond the range", Repeated("9", kBigText), 27, 0},
      {"numeral of many digits", "1." + Repeated("3", kBigText), 0, 0},
      {"tiny numeral", "0." + Repeated("0", kBigText) + "1", 0, 0},
      {"names", "pi" + Repeated("*e*x", kBigText / 4), 0, 0},
      {"blanks", Repeated(" ", kBigText) + "x", 0, 0},
  };
}

TEST(HostileTest, BigTextsComeBackWithTheirCode) {
  for (const HugeText &huge : HugeTexts()) {
    EXPECT_EQ(zeval::CheckExpressionText(huge.text, '.'), huge.checkCode) << huge.name;
    std::vector<long double> x(4), y(4);
    std::vector<unsigned char> pointErrors(4);
    std::int32_t time = 0;
    std::uint8_t error = 0;
    zeval::SampleText(huge.text, 3, -1, 1, '.', {x.data(), y.data(), pointErrors.data(), &time}, error);
    EXPECT_EQ(error, huge.sampleCode) << huge.name;
  }
}

}  // namespace

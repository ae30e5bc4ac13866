#include <gtest/gtest.h>

#include "decimal_mark.h"
#include "normalizer.h"
#include "readable.h"

namespace {

struct NormalForm {
  const char *text;
  char mark;
  const char *expected;
};

void PrintTo(const NormalForm &form, std::ostream *out) {
  PrintReadable(form.text, out);
  *out << " with '" << form.mark << "'";
}

class NormalizerTest : public testing::TestWithParam<NormalForm> {};

TEST_P(NormalizerTest, WritesPrecedenceAsParentheses) {
  std::string text = GetParam().text;
  ASSERT_EQ(zeval::NormalizeExpression(text, GetParam().mark), 0);
  EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NormalizerTest,
    testing::Values(
        NormalForm{"2*x+3*x^2-4/x+sin(x)*cos(x)-1", '.', "(((((2*(_))+(3*((_)^2)))-(4/(_)))+(sin((_))*cos((_))))-1))"},
        NormalForm{"sin(x)^2", '.', "(sin((_))^2))"}, NormalForm{"-2*x", '.', "(0-(2*(_))))"},
        NormalForm{"-x^2", '.', "(0-((_)^2)))"}, NormalForm{"x/2/2", '.', "(((_)/2)/2))"},
        NormalForm{"3 + 4 * 2 / (1 - 5) ^ 2 ^ 3", '.', "(3+((4*2)/(((1-5)^2)^3))))"},
        NormalForm{"u-v-w-z", '.', "(((u-v)-w)-z))"}, NormalForm{"2*-3", '.', "((2*)-3))"},
        NormalForm{"(-2*3+1)", '.', "(((0-(2*3))+1)))"}, NormalForm{"SIN(X)", '.', "(sin((_))))"},
        NormalForm{"s in (x)", '.', "(sin((_))))"}, NormalForm{"1 000", '.', "(1000))"}, NormalForm{"", '.', "())"},
        NormalForm{"1,5+2.5", '.', "(1.5+2.5))"}, NormalForm{"1,5+2.5", ',', "(1,5+2,5))"},
        NormalForm{"1.5", zeval::kForeignMark, "(1,5))"}, NormalForm{"exp(x)+e", '.', "(exp((_))+(2.71828182845905)))"},
        NormalForm{"sec(e)", ',', "(sec((2,71828182845905))))"}, NormalForm{"pi*x", '.', "((3.14159265358979)*(_)))"},
        NormalForm{"spin+pie", '.', "(spin+pie))"}, NormalForm{"2x", '.', "(2(_)))"}));

TEST(NormalizerTest, UnmatchedParenthesesAroundAnOperatorGive11) {
  for (const char *text : {"a)+b", "x)*(x", "1)^2", "((1)))-2"}) {
    std::string normalized = text;
    EXPECT_EQ(zeval::NormalizeExpression(normalized, '.'), 11) << text;
  }
}

}  // namespace

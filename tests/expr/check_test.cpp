#include <gtest/gtest.h>

#include <string>

#include "decimal_mark.h"
#include "checker.h"
#include "readable.h"

namespace {

struct CheckCase {
  std::string text;
  std::uint8_t dotCode;    // with "." as the locale's mark
  std::uint8_t commaCode;  // with ","
};

void PrintTo(const CheckCase &c, std::ostream *out) { PrintReadable(c.text, out); }

class CheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(CheckTest, GivesTheFirstSyntaxError) {
  EXPECT_EQ(zeval::CheckExpressionText(GetParam().text, '.'), GetParam().dotCode) << GetParam().text;
  EXPECT_EQ(zeval::CheckExpressionText(GetParam().text, ','), GetParam().commaCode) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, CheckTest,
    testing::Values(
        CheckCase{"", 24, 24}, CheckCase{"   ", 24, 24}, CheckCase{"x", 0, 0}, CheckCase{"X", 0, 0},
        CheckCase{"SIN(X)", 0, 0}, CheckCase{"s in (x)", 0, 0}, CheckCase{"1+2+3+4+5+6+7+8", 0, 0},
        CheckCase{"x+x+x+x+x+x+x", 0, 0}, CheckCase{"2^3^2", 0, 0}, CheckCase{"-x^2", 0, 0}, CheckCase{"2x", 23, 23},
        CheckCase{"(2)(3)", 23, 23}, CheckCase{"x(1)", 23, 23}, CheckCase{"1.5.3", 23, 23}, CheckCase{"1e5", 23, 23},
        CheckCase{"2*-3", 24, 24}, CheckCase{"2^-1", 24, 24}, CheckCase{"--x", 24, 24}, CheckCase{"x+", 24, 24},
        CheckCase{"sin()", 24, 24}, CheckCase{".5", 24, 24}, CheckCase{"2*(-3)", 0, 0}, CheckCase{"(x", 22, 22},
        CheckCase{"x)", 22, 22}, CheckCase{"sqrt(x", 22, 22}, CheckCase{"a)+b", 11, 11}, CheckCase{"sin", 26, 26},
        CheckCase{"sin+1", 26, 26}, CheckCase{"sinx", 25, 25}, CheckCase{"abc(x)", 25, 25}, CheckCase{"pie", 25, 25},
        CheckCase{"pix", 25, 25}, CheckCase{"xx", 25, 25}, CheckCase{"sin x", 25, 25}, CheckCase{"(_)", 21, 21},
        CheckCase{"( _ )", 0, 0}, CheckCase{"_", 0, 0}, CheckCase{"x#1", 21, 21}, CheckCase{"1\t+2", 21, 21},
        CheckCase{"x;", 21, 21}, CheckCase{"\xc0\xc1", 21, 21}, CheckCase{"1.5", 0, 0}, CheckCase{"1,5", 0, 0},
        CheckCase{"1.", 0, 0}, CheckCase{"1,5+2.5", 0, 0}, CheckCase{"exp(x)+e", 0, 0}, CheckCase{"sec(e)", 0, 0},
        CheckCase{"ln(e)", 0, 0}, CheckCase{"e^x", 0, 0}, CheckCase{"x^e", 0, 0}, CheckCase{"pi*x", 0, 0},
        CheckCase{"1/0", 0, 0}, CheckCase{"ln(0)", 0, 0}, CheckCase{"sqrt(-1)", 0, 0},
        CheckCase{"1" + std::string(5000, '0'), 27, 27}, CheckCase{"0." + std::string(5000, '0') + "1", 0, 0},
        CheckCase{"sin(cos(tg(ctg(sh(ch(th(cth(sec(cosec(ln(trunc(round(abs(sqrt(sqr(exp(x)))))))))))))))))", 0, 0},
        CheckCase{std::string(100000, '(') + "x" + std::string(100000, ')'), 0, 0}));

TEST(CheckTest, AForeignDecimalMarkRejectsEveryFraction) {
  EXPECT_EQ(zeval::CheckExpressionText("1.5", zeval::kForeignMark), 27);
  EXPECT_EQ(zeval::CheckExpressionText("2,5*x", zeval::kForeignMark), 27);
  EXPECT_EQ(zeval::CheckExpressionText("2*x", zeval::kForeignMark), 0);
}

}  // namespace

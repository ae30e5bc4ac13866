#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

#include "calcresult.h"

namespace {

constexpr int kFixed = 2;
constexpr int kExponential = 1;

struct ResultCase {
  long double value;
  int format, precision, digits;
  const char *mark;
  const char *text;
};

void ExpectTexts(std::initializer_list<ResultCase> cases) {
  for (const ResultCase &c : cases) {
    EXPECT_EQ(CalcResultText(c.value, c.format, c.precision, c.digits, QString::fromUtf8(c.mark)).toStdString(), c.text)
        << "value " << static_cast<double>(c.value) << ", format " << c.format << ", P " << c.precision << ", D "
        << c.digits;
  }
}

TEST(CalcResultTest, FixedRoundsToSignificantDigitsAndDecimalsAtOnce) {
  ExpectTexts({
      {4, kFixed, 18, 8, ".", "4.00000000"},
      {1.0L / 3, kFixed, 18, 8, ".", "0.33333333"},
      {2.0L / 3, kFixed, 18, 8, ".", "0.66666667"},
      {3.14159265358979L, kFixed, 18, 8, ".", "3.14159265"},
      {123.456L, kFixed, 4, 8, ".", "123.50000000"},
      {123.456L, kFixed, 18, 2, ".", "123.46"},
      {0.012345L, kFixed, 3, 8, ".", "0.01230000"},
      {-2.5L, kFixed, 18, 8, ".", "-2.50000000"},
      {-1234.5678L, kFixed, 6, 3, ".", "-1234.570"},
      {12.34L, kFixed, 2, 8, ".", "12.00000000"},
      {999999999999999999.0L, kFixed, 18, 2, ".", "999999999999999999.00"},
      {0, kFixed, 18, 8, ".", "0.00000000"},
      {-0.0L, kFixed, 18, 8, ".", "0.00000000"},
  });
}

TEST(CalcResultTest, FixedRoundingCanCarryIntoANewDigit) {
  ExpectTexts({
      {9.999999996L, kFixed, 18, 8, ".", "10.00000000"},
      {-9.999999996L, kFixed, 18, 8, ".", "-10.00000000"},
      {99.7L, kFixed, 18, 0, ".", "100"},
      {999.96L, kFixed, 4, 8, ".", "1000.00000000"},
      {9.9999L, kFixed, 3, 8, ".", "10.00000000"},
      {0.0999999L, kFixed, 18, 3, ".", "0.100"},
  });
}

TEST(CalcResultTest, FixedFallsBackToTheGeneralFormatWhenTheIntegerPartIsTooLong) {
  ExpectTexts({
      {1e20L, kFixed, 18, 8, ".", "1E20"},
      {-1.5e20L, kFixed, 18, 8, ",", "-1,5E20"},
      {9999.6L, kFixed, 4, 8, ".", "1E4"},
      {12345.678L, kFixed, 3, 2, ".", "1.23E4"},
      {1000000000000000000.0L, kFixed, 18, 8, ".", "1E18"},
      {LDBL_MAX, kFixed, 18, 8, ".", "1.18973149535723177E4932"},
      {-LDBL_MAX, kFixed, 5, 0, ".", "-1.1897E4932"},
  });
}

TEST(CalcResultTest, FixedWithNoDecimalsHasNoMark) {
  ExpectTexts({
      {4, kFixed, 18, 0, ".", "4"},
      {1234.4L, kFixed, 18, 0, ",", "1234"},
      {0.4L, kFixed, 18, 0, ".", "0"},
      {-0.4L, kFixed, 18, 0, ".", "0"},
  });
}

TEST(CalcResultTest, TinyValuesRoundToZeroWithoutASign) {
  ExpectTexts({
      {1e-30L, kFixed, 18, 8, ".", "0.00000000"},
      {-1e-30L, kFixed, 18, 8, ".", "0.00000000"},
      {0.000000004L, kFixed, 18, 8, ".", "0.00000000"},
      {0.000000006L, kFixed, 18, 8, ".", "0.00000001"},
      {-0.000000006L, kFixed, 18, 8, ".", "-0.00000001"},
      {std::numeric_limits<long double>::denorm_min(), kFixed, 18, 18, ".", "0.000000000000000000"},
  });
}

// Ties in decimal are exact binary values; std::to_chars alone would round
// them to the even neighbour.
TEST(CalcResultTest, ExactTiesRoundAwayFromZero) {
  ExpectTexts({
      {0.125L, kFixed, 18, 2, ".", "0.13"},
      {-0.125L, kFixed, 18, 2, ".", "-0.13"},
      {2.5L, kFixed, 18, 0, ".", "3"},
      {-2.5L, kFixed, 18, 0, ".", "-3"},
      {0.5L, kFixed, 18, 0, ".", "1"},
      {0x1p-10L, kFixed, 18, 9, ".", "0.000976563"},
      {1.25L, kExponential, 2, 0, ".", "1.3E+0"},
      {0x1p-20L, kExponential, 13, 2, ".", "9.536743164063E-07"},
      {-1.5L, kExponential, 2, 1, ".", "-1.5E+0"},
      {125, kFixed, 2, 0, ".", "1.3E2"},
  });
}

TEST(CalcResultTest, PrecisionActsWithinTwoToEighteenDigits) {
  ExpectTexts({
      {123.456L, kFixed, 0, 8, ".", "1.2E2"},
      {123.456L, kFixed, 1, 8, ".", "1.2E2"},
      {123.456L, kFixed, -5, 8, ".", "1.2E2"},
      {1.23456L, kFixed, 1, 8, ".", "1.20000000"},
      {1.23456L, kExponential, 0, 2, ".", "1.2E+00"},
      {1.0L / 3, kExponential, 30, 8, ".", "3.33333333333333333E-1"},
      {1.0L / 3, kFixed, 18, 30, ".", "0.333333333333333333"},
      {1.0L / 3, kFixed, 18, -3, ".", "0"},
  });
}

TEST(CalcResultTest, ExponentialHasPrecisionDigitsAndASignedExponent) {
  ExpectTexts({
      {1234.5L, kExponential, 18, 8, ".", "1.23450000000000000E+3"},
      {1234.5L, kExponential, 18, 3, ".", "1.23450000000000000E+003"},
      {1234.5L, kExponential, 18, 4, ".", "1.23450000000000000E+0003"},
      {1234.5L, kExponential, 18, 5, ".", "1.23450000000000000E+3"},
      {1234.5L, kExponential, 5, 0, ".", "1.2345E+3"},
      {-0.00012345L, kExponential, 5, 2, ".", "-1.2345E-04"},
      {9.99999L, kExponential, 2, 0, ".", "1.0E+1"},
      {-9.99999L, kExponential, 3, 1, ".", "-1.00E+1"},
      {0, kExponential, 3, 2, ".", "0.00E+00"},
      {1e-30L, kExponential, 3, 2, ".", "1.00E-30"},
      {1e100L, kExponential, 3, 1, ".", "1.00E+100"},
  });
}

TEST(CalcResultTest, ExtremeExtendedValues) {
  ExpectTexts({
      {LDBL_MAX, kExponential, 18, 8, ".", "1.18973149535723177E+4932"},
      {-LDBL_MAX, kExponential, 3, 2, ".", "-1.19E+4932"},
      {LDBL_MIN, kExponential, 5, 8, ".", "3.3621E-4932"},
      {std::numeric_limits<long double>::denorm_min(), kExponential, 18, 8, ".", "3.64519953188247460E-4951"},
      {std::numeric_limits<long double>::denorm_min(), kFixed, 18, 8, ".", "0.00000000"},
  });
}

TEST(CalcResultTest, TheLocaleMarkReplacesThePoint) {
  ExpectTexts({
      {4, kFixed, 18, 8, ",", "4,00000000"},
      {-2.0L / 3, kFixed, 18, 8, ",", "-0,66666667"},
      {1234.5L, kExponential, 18, 3, ",", "1,23450000000000000E+003"},
      {1.5e20L, kFixed, 18, 8, ",", "1,5E20"},
      {1234.5L, kFixed, 18, 2, "٫", "1234٫50"},
  });
}

TEST(CalcResultTest, FormatCodesOtherThanExponentialAreFixed) {
  ExpectTexts({
      {1234.5L, 0, 18, 2, ".", "1234.50"},
      {1234.5L, 3, 18, 2, ".", "1234.50"},
      {1234.5L, 255, 18, 2, ".", "1234.50"},
  });
}

TEST(CalcResultTest, NonFiniteValuesAreNamed) {
  ExpectTexts({
      {std::numeric_limits<long double>::infinity(), kFixed, 18, 8, ".", "INF"},
      {-std::numeric_limits<long double>::infinity(), kExponential, 18, 8, ".", "-INF"},
      {std::numeric_limits<long double>::quiet_NaN(), kFixed, 18, 8, ".", "NAN"},
  });
}

struct GeneralCase {
  long double value;
  int precision;
  const char *text;
};

TEST(CalcResultTest, GeneralFormatIsTheShortestTextOfTheRoundedValue) {
  for (const GeneralCase &c :
       {GeneralCase{0.0001L, 15, "0.0001"}, GeneralCase{0.00001L, 15, "1E-5"},
        GeneralCase{0.000099999999999999999L, 15, "0.0001"}, GeneralCase{123.5L, 15, "123.5"},
        GeneralCase{123456789012345.0L, 15, "123456789012345"}, GeneralCase{1e15L, 15, "1E15"},
        GeneralCase{999999999999999.9L, 15, "1E15"}, GeneralCase{-1.5e20L, 15, "-1.5E20"}, GeneralCase{0, 15, "0"},
        GeneralCase{-0.0L, 15, "0"}, GeneralCase{1.1L, 15, "1.1"}, GeneralCase{2.0L / 3, 4, "0.6667"},
        GeneralCase{-0.00123456L, 3, "-0.00123"}, GeneralCase{1200, 2, "1.2E3"}, GeneralCase{12, 2, "12"}}) {
    EXPECT_EQ(GeneralResultText(c.value, c.precision, QStringLiteral(".")).toStdString(), c.text)
        << static_cast<double>(c.value) << " at " << c.precision;
  }
}

}  // namespace

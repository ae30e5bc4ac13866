#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "abscissa.h"
#include "literal_sampling.h"
#include "number_text.h"

namespace {

// The long runs (scripts/fuzz.sh with a time) prove the fast routes on
// millions of inputs; the test command on a well-chosen hundred thousand.
std::size_t RandomAbscissas(std::size_t quick, std::size_t thorough) {
  return std::getenv("LUMOPLOT_THOROUGH") ? thorough : quick;
}

// Values where rounding to 15 digits is hardest: powers of ten and their
// neighbours, exact ties and their neighbours, random values of every scale.
std::vector<long double> HardAbscissas(std::size_t randomCount) {
  std::vector<long double> values;
  const auto addWithNeighbours = [&values](long double v) {
    for (long double w : {v, std::nextafter(v, 0.0L), std::nextafter(v, std::numeric_limits<long double>::max())}) {
      values.push_back(w);
      values.push_back(-w);
    }
  };
  for (int k = -4950; k <= 4930; ++k) addWithNeighbours(std::pow(10.0L, k));
  for (long double tie = 100000000000000.5L; tie < 1e15L; tie += 12345678901.0L) addWithNeighbours(tie);
  for (long double scale = 0x1p-60L; scale < 0x1p60L; scale *= 2)
    for (int k = 1; k < 200; k += 2) addWithNeighbours(k * scale);
  std::mt19937_64 random(2024);
  std::uniform_real_distribution<long double> unit(0.0L, 1.0L);
  std::uniform_int_distribution<int> exponent(-16400, 16380);
  std::uniform_int_distribution<int> nearExponent(-60, 140);
  for (std::size_t i = 0; i < randomCount; ++i) {
    values.push_back(std::ldexp(unit(random) + 0.5L, i % 4 ? nearExponent(random) : exponent(random)));
    values.push_back(unit(random) * 2000 - 1000);
  }
  return values;
}

TEST(AbscissaTest, FastRoundingMatchesTheDecimalRoute) {
  std::size_t compared = 0;
  for (long double v : HardAbscissas(RandomAbscissas(20'000, 2'000'000))) {
    long double fast = 0, decimal = 0;
    const std::uint8_t fastCode = zeval::AbscissaValue(v, fast);
    const std::uint8_t decimalCode = zeval::AbscissaValueByDecimals(v, decimal);
    ASSERT_EQ(fastCode, decimalCode) << static_cast<double>(v);
    if (fastCode == 0) {
      ASSERT_TRUE(SameBits(fast, decimal)) << zeval::FormatGeneral(v, '.');
    }
    ++compared;
  }
  EXPECT_GT(compared, 100'000u);
}

TEST(AbscissaTest, ValueIsWhatTheWrittenTextReadsBackAs) {
  const std::vector<long double> values = HardAbscissas(RandomAbscissas(2'000, 20'000));
  const std::size_t stride = std::getenv("LUMOPLOT_THOROUGH") ? 1 : 7;
  for (std::size_t i = 0; i < values.size(); i += stride) {
    const long double v = values[i];
    long double value = 0;
    if (zeval::AbscissaValue(v, value) != 0) continue;
    std::string text = literal::AbscissaText(v, '.');
    if (text.rfind("0-", 0) == 0) text = "-" + text.substr(2);
    long double expected = 0;
    ASSERT_TRUE(zeval::ReadNumber(text, '.', expected)) << text;
    ASSERT_TRUE(SameBits(value, expected)) << text;
  }
}

TEST(AbscissaTest, ExactTiesRoundAwayFromZero) {
  struct Case {
    long double value;
    const char *text;
  };
  for (const Case &c : {Case{123456789012345.5L, "123456789012346"}, Case{-123456789012344.5L, "-123456789012345"},
                        Case{1000000000000000.5L, "1000000000000000"}, Case{0.5L, "0.5"},
                        Case{9999999999999995.0L, "10000000000000000"}}) {
    EXPECT_EQ(zeval::FormatFixed15(c.value, '.'), c.text);
    long double value = 0;
    ASSERT_EQ(zeval::AbscissaValue(c.value, value), 0);
    long double expected = 0;
    zeval::ReadNumber(c.text, '.', expected);
    EXPECT_EQ(value, expected) << c.text;
  }
}

TEST(AbscissaTest, NumbersBeyondTheRangeOrNotFiniteFail) {
  long double value = 0;
  EXPECT_EQ(zeval::AbscissaValue(std::numeric_limits<long double>::max(), value), 0);
  EXPECT_EQ(zeval::AbscissaValue(std::numeric_limits<long double>::infinity(), value), 31);
  EXPECT_EQ(zeval::AbscissaValue(std::nanl(""), value), 31);
}

TEST(GeneralFormatTest, WritesFifteenDigitsFixedOrScientific) {
  struct Case {
    long double value;
    char mark;
    const char *text;
  };
  for (const Case &c :
       {Case{1.1L, '.', "1.1"}, Case{1.1L, ',', "1,1"}, Case{3.14159265358979L, '.', "3.14159265358979"},
        Case{0.0001L, '.', "0.0001"}, Case{0.00001L, '.', "1E-5"}, Case{1.5e20L, ',', "1,5E20"},
        Case{123.5L, '.', "123.5"}, Case{999999999999999.0L, '.', "999999999999999"}, Case{1e15L, '.', "1E15"},
        Case{-2.5L, '.', "-2.5"}, Case{0, '.', "0"}, Case{1.0L / 3, '.', "0.333333333333333"},
        Case{-1e-300L, '.', "-1E-300"}}) {
    EXPECT_EQ(zeval::FormatGeneral(c.value, c.mark), c.text);
  }
  EXPECT_EQ(zeval::FormatFixed15(1.5e-7L, '.'), "0.00000015");
  EXPECT_EQ(zeval::FormatFixed15(-1.5e20L, ','), "-150000000000000000000");
}

TEST(NumberReaderTest, AcceptsOnlyItsGrammar) {
  struct Case {
    const char *text;
    char mark;
    bool reads;
    long double value;
  };
  for (const Case &c :
       {Case{"1.5", '.', true, 1.5L}, Case{" -2,5 ", ',', true, -2.5L}, Case{"1.", '.', true, 1},
        Case{"1e3", '.', true, 1000}, Case{"+7E-1", '.', true, 0.7L}, Case{"1,5", '.', false, 0},
        Case{".5", '.', false, 0}, Case{"1e", '.', false, 0}, Case{"1.5.3", '.', false, 0}, Case{"", '.', false, 0},
        Case{"1e5000", '.', false, 0}, Case{"1e-5000", '.', true, 0}, Case{"12a", '.', false, 0}}) {
    long double value = 0;
    EXPECT_EQ(zeval::ReadNumber(c.text, c.mark, value), c.reads) << c.text;
    if (c.reads) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

}  // namespace

// The four exports, reached the way a program reaches them: by name in the real
// shared library.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <vector>

#include "decimal_mark.h"
#include "zeval.h"

namespace {

class LibraryTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    handle_ = dlopen(ZEVAL_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle_, nullptr) << dlerror();
  }

  template <typename F>
  static F *Export(const char *name) {
    auto *f = reinterpret_cast<F *>(dlsym(handle_, name));
    EXPECT_NE(f, nullptr) << name;
    return f;
  }

  static unsigned char Check(const char *text, unsigned char error = 0) {
    Export<decltype(CheckExpression)>("CheckExpression")(text, &error);
    return error;
  }

  static unsigned char Evaluate(const char *text, long double &value, unsigned char error = 0) {
    Export<decltype(FillExtResult)>("FillExtResult")(text, &value, &error);
    return error;
  }

  static inline void *handle_ = nullptr;
};

TEST_F(LibraryTest, TheErrorByteIsOnlyEverSet) {
  EXPECT_EQ(Check("sin(x)", 0), 0);
  EXPECT_EQ(Check("sin(x)", 77), 77);
  EXPECT_EQ(Check("2x", 0), 23);
  long double value = 0;
  EXPECT_EQ(Evaluate("2+3*4", value), 0);
  EXPECT_EQ(value, 14);
  EXPECT_EQ(Evaluate("1/0", value, 99), 99);
  EXPECT_EQ(Evaluate("1/0", value), 32);
  value = 3;
  EXPECT_EQ(Evaluate("x+1", value), 12);
  EXPECT_EQ(value, 3);
}

TEST_F(LibraryTest, NullPointersAreHarmless) {
  EXPECT_EQ(Check(nullptr), 24);
  Export<decltype(CheckExpression)>("CheckExpression")("x", nullptr);
  long double value = 0;
  EXPECT_EQ(Evaluate(nullptr, value), 31);
  const char *name = nullptr;
  Export<decltype(FillInformation)>("FillInformation")(&name, nullptr, nullptr, nullptr);
  EXPECT_STREQ(name, "Zeval 2");
}

TEST_F(LibraryTest, InformationNamesTheLibrary) {
  const char *name, *version, *date, *maker;
  Export<decltype(FillInformation)>("FillInformation")(&name, &version, &date, &maker);
  EXPECT_STREQ(name, "Zeval 2");
  EXPECT_STREQ(version, "1.23 final");
  EXPECT_STREQ(date, "27.08.2003");
  EXPECT_GT(std::strlen(maker), 0u);
}

struct ArrayCase {
  std::int32_t count, xLength, yLength, errorsLength;
  unsigned char expected;
};

void PrintTo(const ArrayCase &c, std::ostream *out) {
  *out << c.count << " samples into " << c.xLength << ", " << c.yLength << ", " << c.errorsLength;
}

class SampleArraysTest : public LibraryTest, public testing::WithParamInterface<ArrayCase> {};

TEST_P(SampleArraysTest, NeverWritesPastAnArray) {
  const ArrayCase c = GetParam();
  std::vector<long double> x(12, -1), y(12, -1);
  std::vector<unsigned char> errors(12, 0);
  unsigned char error = 0;
  std::int32_t time = -5;
  Export<decltype(FillResultArray)>("FillResultArray")("x", c.count, 0, 1, x.data(), c.xLength, y.data(), c.yLength,
                                                       errors.data(), c.errorsLength, &error, &time);
  EXPECT_EQ(error, c.expected);
  if (c.expected) {
    EXPECT_EQ(x, std::vector<long double>(12, -1));
    EXPECT_EQ(time, -5);
  } else {
    EXPECT_EQ(x[0], c.count);
    EXPECT_EQ(y[c.count], 1);
    EXPECT_EQ(x[c.count + 1], -1);
  }
}

INSTANTIATE_TEST_SUITE_P(Lengths, SampleArraysTest,
                         testing::Values(ArrayCase{10, 11, 11, 11, 0}, ArrayCase{2, 3, 3, 3, 0},
                                         ArrayCase{10, 10, 11, 11, 13}, ArrayCase{10, 11, 10, 11, 13},
                                         ArrayCase{10, 11, 11, 10, 13}, ArrayCase{1, 12, 12, 12, 13},
                                         ArrayCase{0, 12, 12, 12, 13}, ArrayCase{-5, 12, 12, 12, 13},
                                         ArrayCase{2147483647, 12, 12, 12, 13}));

// Run twice by ctest: in the default environment and in a child process with a
// comma locale. The library reads its mark when loaded, never touching the
// process locale.
TEST_F(LibraryTest, ProcessLocaleDecidesTheMarkAtLoad) {
  const char *expected = std::getenv("ZEVAL_EXPECTED_MARK");
  if (!expected) GTEST_SKIP() << "run through ctest";
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  long double value = 0;
  EXPECT_EQ(Evaluate("1,5*2", value), 0);
  EXPECT_EQ(value, 3);
  EXPECT_EQ(Evaluate("1.25+pi-pi", value), 0);
  EXPECT_EQ(value, 1.25L + 3.14159265358979L - 3.14159265358979L);
  std::vector<long double> x(5), y(5);
  std::vector<unsigned char> errors(5);
  unsigned char error = 0;
  std::int32_t time = 0;
  Export<decltype(FillResultArray)>("FillResultArray")("x*1", 4, 0, 1.5L, x.data(), 5, y.data(), 5, errors.data(), 5,
                                                       &error, &time);
  ASSERT_EQ(error, 0);
  EXPECT_EQ(y[2], 0.5L);
  EXPECT_EQ(y[4], 1.5L);
}

TEST(ProcessLocaleTest, MarkIsTheEnvironmentLocales) {
  const char *expected = std::getenv("ZEVAL_EXPECTED_MARK");
  if (!expected) GTEST_SKIP() << "run through ctest";
  EXPECT_EQ(zeval::DecimalMark(), expected[0]);
}

}  // namespace

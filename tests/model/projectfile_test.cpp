#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include <cerrno>

#include "colortable.h"
#include "filenames.h"
#include "projectreader.h"
#include "projectwriter.h"

namespace {

struct RealCase {
  long double value;
  const char *text;
};

TEST(ProjectRealTest, TwentyThreeCharactersFifteenDigits) {
  for (const RealCase &c :
       {RealCase{10, " 1.00000000000000E+0001"}, RealCase{-10, "-1.00000000000000E+0001"},
        RealCase{0, " 0.00000000000000E+0000"}, RealCase{-0.0L, "-0.00000000000000E+0000"},
        RealCase{0.5L, " 5.00000000000000E-0001"}, RealCase{-5, "-5.00000000000000E+0000"},
        RealCase{1.0L / 3, " 3.33333333333333E-0001"}, RealCase{2.0L / 3, " 6.66666666666667E-0001"},
        RealCase{123456789012345.5L, " 1.23456789012346E+0014"},
        RealCase{-999999999999999.5L, "-1.00000000000000E+0015"}, RealCase{1e-4000L, " 1.00000000000000E-4000"},
        RealCase{1.18973149535723176502e4932L, " 1.18973149535723E+4932"}}) {
    EXPECT_EQ(ProjectRealText(c.value), c.text);
    EXPECT_EQ(ProjectRealText(c.value).size(), 23u);
  }
}

TEST(ProjectRealTest, WrittenRealsReadBackToTheirFifteenDigits) {
  std::mt19937_64 random(5);
  std::uniform_real_distribution<long double> unit(-1, 1);
  for (int i = 0; i < 20000; ++i) {
    const long double value = std::ldexp(unit(random), static_cast<int>(random() % 400) - 200);
    TProjectWriter writer;
    writer.WriteReal(value);
    TProjectReader reader(writer.Bytes());
    const long double back = reader.ReadReal();
    ASSERT_LE(std::fabs(back - value), std::fabs(value) * 1e-14L) << ProjectRealText(value);
    ASSERT_EQ(ProjectRealText(back), ProjectRealText(value));
  }
}

struct IntegerCase {
  const char *text;
  bool reads;
  int32_t value;
};

TEST(ProjectReaderTest, IntegersInDecimalOrHexadecimal) {
  for (const IntegerCase &c :
       {IntegerCase{"12", true, 12}, IntegerCase{"-1000", true, -1000}, IntegerCase{"+7", true, 7},
        IntegerCase{"$FF", true, 255}, IntegerCase{"x1A", true, 26}, IntegerCase{"0x1a", true, 26},
        IntegerCase{"-$10", true, -16}, IntegerCase{"$FFFFFFFF", true, -1}, IntegerCase{"  7  junk", true, 7},
        IntegerCase{"\r\n\r\n 3", true, 3}, IntegerCase{"", true, 0}, IntegerCase{"abc", false, 0},
        IntegerCase{"1.5", false, 0}, IntegerCase{"2147483647", true, 2147483647},
        IntegerCase{"-2147483648", true, INT32_MIN}, IntegerCase{"2147483648", false, 0},
        IntegerCase{"$123456789", false, 0}, IntegerCase{"$", false, 0}, IntegerCase{"-", false, 0}}) {
    TProjectReader reader(c.text);
    if (c.reads) {
      EXPECT_EQ(reader.ReadInteger(), c.value) << c.text;
    } else {
      EXPECT_THROW(reader.ReadInteger(), TProjectFileError) << c.text;
    }
  }
}

TEST(ProjectReaderTest, ValuesFollowLineByLine) {
  TProjectReader reader("1 rest\r\n-5.5E+0000\nsin(x)  \r\n\r\nclRed\n$000080FF\n");
  EXPECT_TRUE(reader.ReadBoolean());
  EXPECT_EQ(reader.ReadReal(), -5.5L);
  EXPECT_EQ(reader.ReadText(), "sin(x)  ");
  EXPECT_EQ(reader.ReadText(), "");
  EXPECT_EQ(reader.ReadColor(), 0x0000FFu);
  EXPECT_EQ(reader.ReadColor(), 0x000080FFu);
  EXPECT_EQ(reader.ReadInteger(), 0);
  EXPECT_EQ(reader.ReadReal(), 0);
  EXPECT_EQ(reader.ReadText(), "");
}

TEST(ProjectReaderTest, NumbersThatAreNotNumbersStopTheLoad) {
  for (const char *text : {"abc", "1.2.3", "1e", "--1", "1e99999", ".", "0x10"}) {
    TProjectReader reader(text);
    try {
      reader.ReadReal();
      ADD_FAILURE() << text;
    } catch (const TProjectFileError &error) {
      EXPECT_STREQ(error.what(), "Invalid numeric input");
    }
  }
  TProjectReader fine(" .5\n7.\n-1e-5000\n");
  EXPECT_EQ(fine.ReadReal(), 0.5L);
  EXPECT_EQ(fine.ReadReal(), 7);
  EXPECT_EQ(fine.ReadReal(), 0);
}

struct ColorCase {
  const char *text;
  TColor color;
  const char *written;
};

TEST(ColorTableTest, IdentifiersInAnyCaseAndHexOtherwise) {
  for (const ColorCase &c :
       {ColorCase{"CLRED", 0x0000FF, "clRed"}, ColorCase{"255", 0x0000FF, "clRed"}, ColorCase{"$FF", 0x0000FF, "clRed"},
        ColorCase{"$000080FF", 0x0080FF, "$000080FF"}, ColorCase{"clbtnface", 0xFF00000F, "clBtnFace"},
        ColorCase{"clHotLight", 0xFF00001A, "clHotLight"}, ColorCase{"clNone", 0x1FFFFFFF, "clNone"},
        ColorCase{"8421504", 0x808080, "clGray"}, ColorCase{"$00C08000", 0xC08000, "$00C08000"}}) {
    TProjectReader reader(c.text);
    EXPECT_EQ(reader.ReadColor(), c.color) << c.text;
    EXPECT_EQ(ColorText(c.color), c.written);
  }
  TProjectReader bad("purple-ish\n");
  try {
    bad.ReadColor();
    ADD_FAILURE();
  } catch (const TProjectFileError &error) {
    EXPECT_STREQ(error.what(), "'purple-ish' is not a valid integer value");
  }
  TProjectReader missing("");
  EXPECT_THROW(missing.ReadColor(), TProjectFileError);
}

TEST(ProjectWriterTest, EveryValueOnItsOwnCrLfLine) {
  TProjectWriter writer;
  writer.WriteBoolean(true);
  writer.WriteInteger(-1000);
  writer.WriteColor(0x0000FF);
  writer.WriteText("x^2");
  writer.WriteReal(-10);
  EXPECT_EQ(writer.Bytes(), "1\r\n-1000\r\nclRed\r\nx^2\r\n-1.00000000000000E+0001\r\n");
}

}  // namespace

namespace {

TEST(FileNamesTest, ExtensionAppendedUnlessContainedAnywhere) {
  struct Case {
    const char *name, *extension, *result;
  };
  for (const Case &c :
       {Case{"test", ".lpp", "test.lpp"}, Case{"test.lpp", ".lpp", "test.lpp"}, Case{"a.lpp.old", ".lpp", "a.lpp.old"},
        Case{"TEST.LPP", ".lpp", "TEST.LPP.lpp"}, Case{"values.TXT", ".txt", "values.TXT.txt"},
        Case{"graph.bmp.old", ".bmp", "graph.bmp.old"}, Case{"/tmp/dir.lpp/x", ".lpp", "/tmp/dir.lpp/x"}}) {
    EXPECT_EQ(WithExtension(c.name, c.extension), c.result);
  }
}

TEST(FileNamesTest, SystemErrorsReadAsTheRuntimeTexts) {
  EXPECT_EQ(FileErrorText(ENOENT), "File not found");
  EXPECT_EQ(FileErrorText(EACCES), "File access denied");
  EXPECT_EQ(FileErrorText(ENOSPC), "Disk full");
  EXPECT_EQ(FileErrorText(EMFILE), "Too many open files");
  EXPECT_EQ(FileErrorText(EIO), "I/O error 5");
}

}  // namespace

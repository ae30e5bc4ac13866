#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <random>
#include <string>

using namespace std::string_literals;

#include "colortable.h"
#include "filenames.h"
#include "expression.h"
#include "files.h"
#include "graphsampler.h"
#include "projectfile.h"
#include "projectreader.h"
#include "projectwriter.h"
#include "valuestable.h"
#include "zeval.h"

namespace {

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

// Files are reached by the bytes of their names, whatever the encoding, and
// anything but a regular file is refused before it could block a read.
TEST(FileNamesTest, FilesAreReadAndWrittenByTheBytesOfTheirNames) {
  char pattern[] = "/tmp/lumoplot-files-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string dir = pattern;
  const std::string odd = dir + "/bad\xff\xfe.lpp";
  SaveFileBytes(odd, "first");
  ASSERT_EQ(chmod(odd.c_str(), 0640), 0);
  SaveFileBytes(odd, "second");
  EXPECT_EQ(ReadFileBytes(odd), "second");
  struct stat status {};
  ASSERT_EQ(stat(odd.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  ASSERT_EQ(mkfifo((dir + "/pipe.lpp").c_str(), 0600), 0);
  const struct {
    std::string name;
    bool save;
    const char *error;
  } failures[] = {
      {dir + "/pipe.lpp", false, "File access denied"},
      {dir + "/pipe.lpp", true, "File access denied"},
      {dir, false, "File access denied"},
      {dir, true, "File access denied"},
      {dir + "/missing.lpp", false, "File not found"},
      {odd + "/below.lpp", false, "Invalid filename"},
      {dir + "/no/folder.lpp", true, "File not found"},
  };
  for (const auto &f : failures) {
    try {
      if (f.save)
        SaveFileBytes(f.name, "x");
      else
        ReadFileBytes(f.name);
      ADD_FAILURE() << f.name;
    } catch (const TFileError &error) {
      EXPECT_STREQ(error.what(), f.error) << f.name;
    }
  }
  std::filesystem::remove_all(dir);
}

TEST(FileNamesTest, SystemErrorsReadAsTheRuntimeTexts) {
  EXPECT_EQ(FileErrorText(ENOENT), "File not found");
  EXPECT_EQ(FileErrorText(EACCES), "File access denied");
  EXPECT_EQ(FileErrorText(ENOSPC), "Disk full");
  EXPECT_EQ(FileErrorText(EMFILE), "Too many open files");
  EXPECT_EQ(FileErrorText(EIO), "I/O error 5");
}

}  // namespace

namespace {

// A sound file of one layer, as the writer writes it, with some lines replaced
// (numbered from 1).
std::string FileWith(std::map<int, std::string> lines) {
  const char *sound[] = {"1",
                         "1",
                         "clBlack",
                         "clGray",
                         "clBlack",
                         "clWhite",
                         "clWhite",
                         "2",
                         "clBlue",
                         "8",
                         "18",
                         "2",
                         "-1.00000000000000E+0001",
                         "-5.00000000000000E+0000",
                         " 1.00000000000000E+0001",
                         " 5.00000000000000E+0000",
                         "1",
                         "sin(x)",
                         "100",
                         "1",
                         "clRed",
                         "2"};
  std::string bytes;
  for (int i = 1; i <= 22; ++i) bytes += (lines.count(i) ? lines[i] : sound[i - 1]) + "\r\n";
  return bytes;
}

std::string WrittenBack(const std::string &bytes) {
  TProjectContents contents;
  const TProjectRead read = ReadProjectContents(bytes, contents);
  EXPECT_EQ(read.Error, "");
  return ProjectContentsBytes(contents);
}

std::string SwappedCase(std::string text) {
  for (char &c : text) c = std::isupper(static_cast<unsigned char>(c)) ? std::tolower(c) : std::toupper(c);
  return text;
}

struct RoundTripCase {
  int line;
  std::string read, written;
};

// Whatever form a value is read in, it is written back in the one form the
// writer uses; the values themselves are kept, colours and bounds included.
TEST(ProjectFileTest, ValuesAreWrittenBackAsReadInTheWritersForm) {
  std::vector<RoundTripCase> cases = {
      {3, "$FF00000F", "clBtnFace"},
      {4, "-16777201", "clBtnFace"},
      {5, "$FF000019", "$FF000019"},
      {6, "$1FFFFFFF", "clNone"},
      {7, "$20000000", "clDefault"},
      {9, "x20", "$00000020"},
      {21, "0x00C08000", "$00C08000"},
      {13, "+3", " 3.00000000000000E+0000"},
      {13, "1E2", " 1.00000000000000E+0002"},
      {14, "9.9999999999999999", " 1.00000000000000E+0001"},
      {15, "2.384185791015625E-7", " 2.38418579101563E-0007"},
      {15, "-2.384185791015625E-7", "-2.38418579101563E-0007"},
      {16, "1.0000000000000049999", " 1.00000000000000E+0000"},
      {16, "1.0000000000000050001", " 1.00000000000001E+0000"},
      {13, "2.5E-4000", " 2.50000000000000E-4000"},
      {14, "-7.3e4500", "-7.30000000000000E+4500"},
      {8, "7  junk", "7"},
  };
  // Every identifier, in other letters' case, comes back as the table writes it.
  std::vector<TColor> named = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000,   0x800080,  0x808000, 0x808080,
                               0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000,   0xFF00FF,  0xFFFF00, 0xFFFFFF,
                               0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0, 0x1FFFFFFF, 0x20000000};
  for (TColor index = 0; index <= 30; ++index)
    if (index != 25) named.push_back(kSystemColorFlag | index);
  ASSERT_EQ(named.size(), 52u);
  for (TColor color : named) {
    const std::string identifier = ColorText(color);
    ASSERT_EQ(identifier.substr(0, 2), "cl");
    cases.push_back({21, SwappedCase(identifier), identifier});
  }
  for (const RoundTripCase &c : cases) {
    EXPECT_EQ(WrittenBack(FileWith({{c.line, c.read}})), FileWith({{c.line, c.written}})) << c.read;
  }
  // Bounds in any order and of any size stay as they are.
  const std::string odd = FileWith({{13, " 5.00000000000000E+0000"},
                                    {14, " 1.00000000000000E+4000"},
                                    {15, "-5.00000000000000E+0000"},
                                    {16, " 1.00000000000000E+4000"}});
  EXPECT_EQ(WrittenBack(odd), odd);
}

struct BrokenCase {
  std::string bytes;
  std::string error;
  int settingsRead;
  bool boundsRead;
  std::size_t layers;
};

TEST(ProjectFileTest, ABrokenValueEndsTheReadKeepingWhatCameBefore) {
  const std::string head =
      "1\r\n1\r\nclBlack\r\nclGray\r\nclBlack\r\nclWhite\r\nclWhite\r\n2\r\nclBlue\r\n8\r\n18\r\n2\r\n"
      "-10\r\n-10\r\n10\r\n10\r\n3\r\n";
  const BrokenCase cases[] = {
      {head + "x\r\n100\r\n1\r\nclRed\r\n1\r\nx^2\r\nabc\r\n", "Invalid numeric input", 12, true, 1},
      {head + "x\r\n100\r\n1\r\nbogus\r\n1\r\n", "'bogus' is not a valid integer value", 12, true, 0},
      {head + "x\r\n100\r\n1\r\nclRed\r\n1\r\n", "'' is not a valid integer value", 12, true, 1},
      {head + "x\r\n2000000000\r\n1\r\nclRed\r\n1\r\n", "Invalid numeric input", 12, true, 0},
      {"1\r\n1\r\nclBlack\r\n\x01red\x7F\0\r\n"s, "'\\x01red\\x7F\\x00' is not a valid integer value", 3, false, 0},
      {"1\r\n1\r\nclBlack\r\n" + std::string(300, 'z') + "\r\n",
       "'" + std::string(256, 'z') + "...' is not a valid integer value", 3, false, 0},
      {"0\r\nabc\r\n", "Invalid numeric input", 1, false, 0},
      {head.substr(0, head.find("-10")) + "-10\r\n1..5\r\n", "Invalid numeric input", 12, false, 0},
  };
  for (const BrokenCase &c : cases) {
    TProjectContents contents;
    contents.Display.GridColor = 0x123456;
    const TProjectRead read = ReadProjectContents(c.bytes, contents);
    EXPECT_EQ(read.Error, c.error);
    EXPECT_EQ(read.SettingsRead, c.settingsRead);
    EXPECT_EQ(read.BoundsRead, c.boundsRead);
    EXPECT_EQ(contents.Layers.size(), c.layers);
    // A setting not reached keeps what it was.
    EXPECT_EQ(contents.Display.GridColor, c.settingsRead >= 4 ? 0x808080u : 0x123456u);
  }
}

// Loaded expressions are not checked: a layer the check would refuse is
// sampled, and its table shows every abscissa with "Error".
TEST(ProjectFileTest, ALoadedLayerTheCheckWouldRefuseIsSampledAsItReads) {
  TProjectContents contents;
  contents.Bounds = {0, 1, -10, 10};
  // Longer than anyone could type: an empty layer without the library's time.
  std::string longest = "x";
  while (longest.size() <= kMaxExpressionLength) longest += "+x";
  contents.Layers = {{"x/10+1..", 11, true, {}}, {"a)+b", 11, true, {}}, {longest, 100000, true, {}}};
  const std::vector<TGraph> graphs = SampleLayers(contents);
  EXPECT_EQ(graphs[0].ErrorCode, 0);
  EXPECT_EQ(graphs[1].ErrorCode, 11);
  EXPECT_EQ(graphs[2].ErrorCode, kZevalBadSamplingArguments);
  const std::string table = ValuesTableText({&graphs[0]});
  EXPECT_NE(table.find("     0.10000 Error\r\n"), std::string::npos);
  EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 14);
  size_t errors = 0;
  for (size_t at = table.find(" Error\r\n"); at != std::string::npos; at = table.find(" Error\r\n", at + 1)) ++errors;
  EXPECT_EQ(errors, 11u);
}

}  // namespace

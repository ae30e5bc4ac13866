#include <gtest/gtest.h>

#include "cp1251.h"

namespace {

struct CodePageCase {
  const char *utf8;
  const char *cp1251;  // nullptr: cannot be written in the code page
};

TEST(Cp1251Test, ConvertsBothWaysAndRefusesWhatItCannotHold) {
  for (const CodePageCase &c :
       {CodePageCase{"sin(x)", "sin(x)"}, CodePageCase{"\xD0\xB0\xD0\xAF", "\xE0\xDF"},
        CodePageCase{"\xE2\x84\x96", "\xB9"}, CodePageCase{"", ""}, CodePageCase{"x\xE2\x82\xAC", "x\x88"},
        CodePageCase{"\xE2\x88\x9A"
                     "x",
                     nullptr},
        CodePageCase{"\xE4\xB8\xAD", nullptr}, CodePageCase{"\xFF", nullptr}}) {
    const auto bytes = Utf8ToCp1251(c.utf8);
    if (!c.cp1251) {
      EXPECT_FALSE(bytes.has_value()) << c.utf8;
      continue;
    }
    ASSERT_TRUE(bytes.has_value()) << c.utf8;
    EXPECT_EQ(*bytes, c.cp1251);
    EXPECT_EQ(Cp1251ToUtf8(*bytes), c.utf8);
  }
}

TEST(Cp1251Test, TheUnassignedByteDoesNotStopDecoding) {
  EXPECT_EQ(Cp1251ToUtf8("a\x98"
                         "b\xC0"),
            "a\xEF\xBF\xBD"
            "b\xD0\x90");
}

}  // namespace

// The project file reader on any bytes, reading the values in a project
// file's order until the first error, as opening a project does. Only the
// reader's own error may end the reading; every value read is well formed.
#include <cmath>
#include <string>

#include "fuzz_support.h"
#include "projectreader.h"

namespace {

void CheckText(const std::string &text) {
  fuzz::Require(text.find('\n') == std::string::npos, "a text value holds a line end");
}

void ReadSettings(TProjectReader &reader) {
  reader.ReadBoolean();
  reader.ReadBoolean();
  for (int i = 0; i < 5; ++i) reader.ReadColor();
  reader.ReadInteger();
  reader.ReadColor();
  for (int i = 0; i < 3; ++i) reader.ReadInteger();
  for (int i = 0; i < 4; ++i) fuzz::Require(std::isfinite(reader.ReadReal()), "a bound is not a finite number");
}

void ReadLayers(TProjectReader &reader, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) {
    CheckText(reader.ReadText());
    reader.ReadInteger();
    reader.ReadBoolean();
    reader.ReadColor();
    reader.ReadInteger();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  TProjectReader reader(std::string(reinterpret_cast<const char *>(data), size));
  try {
    ReadSettings(reader);
    // Past the end a colour line is missing and ends the reading, so even a
    // count of two thousand million layers stops at once.
    ReadLayers(reader, reader.ReadInteger());
  } catch (const TProjectFileError &) {
  }
  return 0;
}

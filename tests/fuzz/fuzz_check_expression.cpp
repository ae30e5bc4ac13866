// CheckExpression on any text: the error byte is only ever set, the codes are
// the check's, and a text it accepts compiles, walking its normalised form
// only within that form (held in a heap block of exactly its length).
#include <memory>
#include <string>

#include "decimal_mark.h"
#include "fuzz_support.h"
#include "normalizer.h"
#include "program.h"
#include "zeval.h"

namespace {

bool IsCheckCode(unsigned code) { return code == 0 || code == 11 || (code >= 21 && code <= 27); }

void CompileExactCopy(const char *text) {
  std::string normalized = text;
  fuzz::Require(zeval::NormalizeExpression(normalized, zeval::DecimalMark()) == 0, "accepted text fails to normalise");
  auto exact = std::make_unique<char[]>(normalized.size());
  normalized.copy(exact.get(), normalized.size());
  zeval::Program program;
  const std::uint8_t code =
      zeval::Program::Compile(std::string_view(exact.get(), normalized.size()), zeval::DecimalMark(), program);
  fuzz::Require(code == 0, "accepted text does not compile");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const fuzz::Text text(data, size);
  unsigned char code = 0;
  CheckExpression(text.CStr(), &code);
  fuzz::Require(IsCheckCode(code), "CheckExpression set a code outside its list");

  unsigned char preset = 0xEE;
  CheckExpression(text.CStr(), &preset);
  fuzz::Require(preset == (code ? code : 0xEE), "CheckExpression cleared or changed a set error byte");

  if (code == 0) CompileExactCopy(text.CStr());
  return 0;
}

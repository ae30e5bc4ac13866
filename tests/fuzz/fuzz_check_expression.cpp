// CheckExpression on any text: the error byte is only ever set and the codes
// are the check's. Every text that normalises compiles, reading its normalised
// form only within that form (held in a heap block of exactly its length) when
// a "_" reads as an unreadable numeral; with "_" as the variable it may not
// compile, even when accepted, if a character the check steps over unseen is a
// marker's "_" (the library then reads each sample's text).
#include <memory>
#include <string>

#include "decimal_mark.h"
#include "fuzz_support.h"
#include "normalizer.h"
#include "program.h"
#include "zeval.h"

namespace {

bool IsCheckCode(unsigned code) { return code == 0 || code == 11 || (code >= 21 && code <= 27); }

void CompileExactCopy(const char *text, bool accepted) {
  std::string normalized = text;
  if (zeval::NormalizeExpression(normalized, zeval::DecimalMark()) != 0) {
    fuzz::Require(!accepted, "accepted text fails to normalise");
    return;
  }
  auto exact = std::make_unique<char[]>(normalized.size());
  normalized.copy(exact.get(), normalized.size());
  const std::string_view view(exact.get(), normalized.size());
  zeval::Program program;
  zeval::Program::Compile(view, zeval::DecimalMark(), zeval::Underscore::Variable, program);
  const bool compiled = zeval::Program::Compile(view, zeval::DecimalMark(), zeval::Underscore::Malformed, program);
  fuzz::Require(compiled, "a text with no variable does not compile");
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

  CompileExactCopy(text.CStr(), code == 0);
  return 0;
}

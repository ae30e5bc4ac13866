// FillExtResult on any text: the error byte is only ever set, the value is left
// alone on codes 11 and 12 and on check codes, and a value that comes with no
// error is a finite number.
#include <cmath>

#include "fuzz_support.h"
#include "zeval.h"

namespace {

constexpr long double kUntouched = -12345.678L;

bool LeavesValueAlone(unsigned code) { return code == 11 || code == 12 || (code >= 21 && code <= 27); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const fuzz::Text text(data, size);
  unsigned char checked = 0;
  CheckExpression(text.CStr(), &checked);

  long double value = kUntouched;
  unsigned char code = 0;
  FillExtResult(text.CStr(), &value, &code);
  fuzz::Require(code == 0 || fuzz::IsKnownCode(code), "unknown code");
  if (checked) fuzz::Require(code == checked, "a rejected text evaluated with another code than the check's");
  else fuzz::Require(code == 0 || code == 12 || fuzz::IsEvaluationCode(code), "an accepted text failed the check");
  if (LeavesValueAlone(code)) fuzz::Require(value == kUntouched, "value written with code 11, 12 or a check code");
  if (code == 0) fuzz::Require(std::isfinite(value), "infinity or NaN without an error");

  long double again = kUntouched;
  unsigned char preset = 0xEE;
  FillExtResult(text.CStr(), &again, &preset);
  fuzz::Require(preset == (code ? code : 0xEE), "FillExtResult cleared or changed a set error byte");
  if (code == 0) fuzz::Require(again == value, "the same text gave another value");
  return 0;
}

// FillExtResult on any text: it never checks, so it gives only normalisation's
// and evaluation's codes; the error byte is only ever set, the value is left
// alone on codes 11 and 12, and a value that comes with no error is a finite
// number. A byte set on entry stays, unless normalising, the x marker or
// reading the first operand sets it.
#include <cmath>

#include "fuzz_support.h"
#include "zeval.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  constexpr long double kUntouched = -12345.678L;
  const fuzz::Text text(data, size);
  unsigned char checked = 0;
  CheckExpression(text.CStr(), &checked);

  long double value = kUntouched;
  unsigned char code = 0;
  FillExtResult(text.CStr(), &value, &code);
  fuzz::Require(code == 0 || code == 11 || code == 12 || fuzz::IsEvaluationCode(code), "not an evaluation code");
  // The check refuses a typed x marker (21) before it normalises.
  if (checked == 11 || code == 11)
    fuzz::Require(code == 11 && (checked == 11 || checked == 21), "normalisation failed in one export only");
  if (code == 11 || code == 12) fuzz::Require(value == kUntouched, "value written with code 11 or 12");
  if (code == 0) fuzz::Require(std::isfinite(value), "infinity or NaN without an error");

  long double again = kUntouched;
  unsigned char preset = 0xEE;
  FillExtResult(text.CStr(), &again, &preset);
  if (code == 11 || code == 12)
    fuzz::Require(preset == code, "normalisation or the x marker gave another code");
  else
    fuzz::Require(preset == 0xEE || preset == 31, "a byte set on entry changed beyond the first operand");
  return 0;
}

// The library's four exports. Nothing may escape them: every failure, including
// running out of memory, becomes the caller's error code.
#include "decimal_mark.h"
#include "library.h"
#include "checker.h"
#include "zeval.h"

namespace {

using namespace zeval;

void SetError(unsigned char *error, std::uint8_t code) {
  if (code) *error = code;
}

bool ArraysFit(std::int32_t count, const void *x, std::int32_t xLength, const void *y, std::int32_t yLength,
               const void *pointErrors, std::int32_t pointErrorsLength) {
  const std::int64_t needed = static_cast<std::int64_t>(count) + 1;
  return count >= 2 && x && y && pointErrors && xLength >= needed && yLength >= needed && pointErrorsLength >= needed;
}

}  // namespace

extern "C" {

void CheckExpression(const char *expr, unsigned char *error) {
  if (!error) return;
  try {
    SetError(error, CheckExpressionText(expr ? expr : "", DecimalMark()));
  } catch (...) {
    *error = kZevalArithmeticFault;
  }
}

void FillExtResult(const char *expr, long double *value, unsigned char *error) {
  if (!error) return;
  try {
    long double result = value ? *value : 0;
    EvaluateConstantText(expr ? expr : "", DecimalMark(), result, *error);
    if (value) *value = result;
  } catch (...) {
    *error = kZevalArithmeticFault;
  }
}

void FillResultArray(const char *expr, int32_t count, long double minX, long double maxX, long double *x,
                     int32_t xLength, long double *y, int32_t yLength, unsigned char *pointErrors,
                     int32_t pointErrorsLength, unsigned char *error, int32_t *time) {
  if (!error) return;
  try {
    if (!ArraysFit(count, x, xLength, y, yLength, pointErrors, pointErrorsLength))
      return SetError(error, kZevalBadSamplingArguments);
    SampleText(expr ? expr : "", count, minX, maxX, DecimalMark(), {x, y, pointErrors, time}, *error);
  } catch (...) {
    *error = kZevalArithmeticFault;
  }
}

void FillInformation(const char **name, const char **version, const char **date, const char **maker) {
  if (name) *name = "Zeval 2";
  if (version) *version = "1.23 final";
  if (date) *date = "27.08.2003";
  if (maker) *maker = "Lumoplot developers";
}

}  // extern "C"

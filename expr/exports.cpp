// The library's four exports. Nothing may escape them: every failure, including
// running out of memory, becomes the caller's error code.
#include <ctime>
#include <string>

#include "abscissa.h"
#include "decimal_mark.h"
#include "evaluator.h"
#include "normalizer.h"
#include "parser.h"
#include "program.h"
#include "zeval.h"

namespace {

using namespace zeval;

constexpr std::uint8_t kXInConstant = 12;
constexpr std::uint8_t kBadArrays = 13;

void SetError(unsigned char *error, std::uint8_t code) {
  if (code) *error = code;
}

std::int32_t TimeOfDayMs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int32_t>((now.tv_sec % 86400) * 1000 + now.tv_nsec / 1'000'000);
}

bool ArraysFit(std::int32_t count, const void *x, std::int32_t xLength, const void *y, std::int32_t yLength,
               const void *pointErrors, std::int32_t pointErrorsLength) {
  const std::int64_t needed = static_cast<std::int64_t>(count) + 1;
  return count >= 2 && x && y && pointErrors && xLength >= needed && yLength >= needed &&
         pointErrorsLength >= needed;
}

void FillAbscissas(std::int32_t count, long double minX, long double maxX, long double *x) {
  const long double step = (maxX - minX) / (count - 1);
  x[1] = minX;
  for (std::int32_t i = 2; i <= count; ++i) x[i] = x[i - 1] + step;
}

void Sample(const Program &program, std::int32_t count, const long double *x, long double *y,
            unsigned char *pointErrors) {
  for (std::int32_t i = 1; i <= count; ++i) {
    // A sample whose code is set on entry stops after its first operand.
    if (pointErrors[i] != 0) continue;
    long double abscissa = 0;
    const std::uint8_t xError = program.UsesX() ? AbscissaValue(x[i], abscissa) : 0;
    std::uint8_t error = 0;
    y[i] = program.Run(abscissa, xError, error);
    pointErrors[i] = error;
  }
}

}  // namespace

extern "C" {

void CheckExpression(const char *expr, unsigned char *error) {
  if (!error) return;
  try {
    SetError(error, CheckExpressionText(expr ? expr : "", DecimalMark()));
  } catch (...) {
    *error = kArithmeticFault;
  }
}

void FillExtResult(const char *expr, long double *value, unsigned char *error) {
  if (!error) return;
  try {
    std::string text = expr ? expr : "";
    const char mark = DecimalMark();
    if (const std::uint8_t code = NormalizeExpression(text, mark)) return SetError(error, code);
    if (text.find(kXMarker) != std::string::npos) return SetError(error, kXInConstant);
    Program program;
    if (const std::uint8_t code = Program::Compile(text, mark, program)) return SetError(error, code);
    std::uint8_t code = 0;
    const long double result = program.Run(0, 0, code);
    if (value) *value = result;
    SetError(error, code);
  } catch (...) {
    *error = kArithmeticFault;
  }
}

void FillResultArray(const char *expr, int32_t count, long double minX, long double maxX, long double *x,
                     int32_t xLength, long double *y, int32_t yLength, unsigned char *pointErrors,
                     int32_t pointErrorsLength, unsigned char *error, int32_t *time) {
  if (!error) return;
  try {
    if (!ArraysFit(count, x, xLength, y, yLength, pointErrors, pointErrorsLength)) return SetError(error, kBadArrays);
    std::string text = expr ? expr : "";
    const char mark = DecimalMark();
    if (const std::uint8_t code = NormalizeExpression(text, mark)) return SetError(error, code);
    Program program;
    if (const std::uint8_t code = Program::Compile(text, mark, program)) return SetError(error, code);
    const std::int32_t start = TimeOfDayMs();
    x[0] = y[0] = count;
    pointErrors[0] = static_cast<unsigned char>(count & 0xFF);
    FillAbscissas(count, minX, maxX, x);
    Sample(program, count, x, y, pointErrors);
    if (time) *time = TimeOfDayMs() - start;
  } catch (...) {
    *error = kArithmeticFault;
  }
}

void FillInformation(const char **name, const char **version, const char **date, const char **maker) {
  if (name) *name = "Zeval 2";
  if (version) *version = "1.23 final";
  if (date) *date = "27.08.2003";
  if (maker) *maker = "Lumoplot developers";
}

}  // extern "C"

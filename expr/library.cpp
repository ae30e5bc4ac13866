#include "library.h"

#include <ctime>
#include <string>

#include "abscissa.h"
#include "normalizer.h"
#include "program.h"

namespace zeval {

namespace {

constexpr std::uint8_t kXInConstant = 12;
constexpr std::uint8_t kLiteralMarker = 21;

std::int32_t TimeOfDayMs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int32_t>((now.tv_sec % 86400) * 1000 + now.tv_nsec / 1'000'000);
}

// Abscissas by repeated addition, each sum rounded on its own.
void FillAbscissas(std::int32_t count, long double minX, long double maxX, long double *x) {
  const long double step = (maxX - minX) / (count - 1);
  x[1] = minX;
  for (std::int32_t i = 2; i <= count; ++i) x[i] = x[i - 1] + step;
}

void Sample(const Program &program, std::int32_t count, const SampleArrays &arrays) {
  for (std::int32_t i = 1; i <= count; ++i) {
    // A sample whose code is set on entry stops after its first operand.
    if (arrays.pointErrors[i] != 0) continue;
    long double abscissa = 0;
    const std::uint8_t xError = program.UsesX() ? AbscissaValue(arrays.x[i], abscissa) : 0;
    std::uint8_t error = 0;
    arrays.y[i] = program.Run(abscissa, xError, error);
    arrays.pointErrors[i] = error;
  }
}

// Normalises and compiles a raw text, or gives the code the check gives it:
// a text the check rejects is rejected here with the same code, a literal x
// marker included, and the code x would give in a constant comes only after.
std::uint8_t CompileRaw(std::string_view raw, char mark, std::string &text, Program &program) {
  if (raw.find(kXMarker) != std::string_view::npos) return kLiteralMarker;
  text = raw;
  if (const std::uint8_t error = NormalizeExpression(text, mark)) return error;
  return Program::Compile(text, mark, program);
}

}  // namespace

std::uint8_t EvaluateConstantText(std::string_view raw, char mark, long double &value) {
  std::string text;
  Program program;
  if (const std::uint8_t error = CompileRaw(raw, mark, text, program)) return error;
  if (text.find(kXMarker) != std::string::npos) return kXInConstant;
  std::uint8_t error = 0;
  value = program.Run(0, 0, error);
  return error;
}

std::uint8_t SampleText(std::string_view raw, std::int32_t count, long double minX, long double maxX,
                        char mark, const SampleArrays &arrays) {
  std::string text;
  Program program;
  if (const std::uint8_t error = CompileRaw(raw, mark, text, program)) return error;
  const std::int32_t start = TimeOfDayMs();
  arrays.x[0] = arrays.y[0] = count;
  arrays.pointErrors[0] = static_cast<unsigned char>(count & 0xFF);
  FillAbscissas(count, minX, maxX, arrays.x);
  Sample(program, count, arrays);
  if (arrays.time) *arrays.time = TimeOfDayMs() - start;
  return 0;
}

}  // namespace zeval

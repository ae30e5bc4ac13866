#include "library.h"

#include <cfloat>
#include <cmath>
#include <ctime>
#include <algorithm>
#include <string>

#include "abscissa.h"
#include "normalizer.h"
#include "number_text.h"
#include "program.h"
#include "zeval.h"

namespace zeval {

namespace {

std::int32_t TimeOfDayMs() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<std::int32_t>((now.tv_sec % 86400) * 1000 + now.tv_nsec / 1'000'000);
}

// Abscissas by repeated addition, each sum rounded on its own.
void FillAbscissas(std::int32_t count, long double minX, long double maxX, long double *x) {
  const long double step = (maxX - minX) / (count - 1);
  long double sum = minX;
  x[1] = sum;
  for (std::int32_t i = 2; i <= count; ++i) x[i] = sum += step;
}

// Every abscissa is known before the first evaluation: they are all read as
// their texts in one pass, into y, and evaluated over in another.
void SampleCompiled(const Program &program, std::int32_t count, const SampleArrays &arrays) {
  if (program.UsesX())
    AbscissaValues(arrays.x + 1, arrays.y + 1, count);
  else
    std::fill(arrays.y + 1, arrays.y + count + 1, 0.0L);
  program.RunOver(arrays.y + 1, arrays.pointErrors + 1, count);
}

// The text sampling writes over every "_": the abscissa's 15 significant
// digits in fixed notation, "0" before a "-". A value that is not a finite
// number has no numeral; it is written as one beyond the extended range, which
// fails to read like any such numeral.
std::string AbscissaText(long double x, char mark) {
  const std::string text =
      std::isfinite(x) ? FormatFixed15(std::fabs(x), mark) : "1" + std::string(LDBL_MAX_10_EXP + 1, '0');
  return std::signbit(x) && x != 0 ? "0-" + text : text;
}

// For a text whose "_" would merge with what surrounds it: the abscissa's text
// written into a copy of it, read anew for every sample.
void SampleAsText(const std::string &normalized, std::int32_t count, char mark, const SampleArrays &arrays) {
  Program program;
  for (std::int32_t i = 1; i <= count; ++i) {
    const std::string t = AbscissaText(arrays.x[i], mark);
    std::string text;
    text.reserve(normalized.size() + t.size());
    for (char c : normalized) {
      if (c == '_')
        text += t;
      else
        text += c;
    }
    Program::Compile(text, mark, Underscore::Malformed, program);
    arrays.y[i] = program.Run(0, 0, arrays.pointErrors[i]);
  }
}

}  // namespace

void EvaluateConstantText(std::string_view raw, char mark, long double &value, std::uint8_t &error) {
  std::string text(raw);
  if (const std::uint8_t code = NormalizeExpression(text, mark)) {
    error = code;
    return;
  }
  if (text.find(kXMarker) != std::string::npos) {
    error = kZevalXInConstant;
    return;
  }
  Program program;
  Program::Compile(text, mark, Underscore::Malformed, program);
  value = program.Run(0, 0, error);
}

void SampleText(std::string_view raw, std::int32_t count, long double minX, long double maxX, char mark,
                const SampleArrays &arrays, std::uint8_t &error) {
  std::string text(raw);
  if (const std::uint8_t code = NormalizeExpression(text, mark)) {
    error = code;
    return;
  }
  Program program;
  const bool compiled = Program::Compile(text, mark, Underscore::Variable, program);
  const std::int32_t start = TimeOfDayMs();
  arrays.x[0] = arrays.y[0] = count;
  arrays.pointErrors[0] = static_cast<unsigned char>(count & 0xFF);
  FillAbscissas(count, minX, maxX, arrays.x);
  if (compiled)
    SampleCompiled(program, count, arrays);
  else
    SampleAsText(text, count, mark, arrays);
  if (arrays.time) *arrays.time = TimeOfDayMs() - start;
}

}  // namespace zeval

#pragma once

// The evaluation and sampling algorithms done literally on text: write each
// abscissa as its 15-digit text, substitute it for every "_" and walk the text
// recursively, character by character, as evaluation is described; whole
// powers by a plain loop of rounded multiplications. Slow, and kept only to
// prove the library's compiled route against it. Malformed places read as the
// library defines them: code 31.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// Whether two extended values are the same 80 bits: the library promises the
// reference's results bit for bit.
inline bool SameBits(long double a, long double b) { return std::memcmp(&a, &b, 10) == 0; }

namespace literal {

// The abscissa's text as sampling writes it: 15 significant digits in fixed
// notation, "0" before a leading "-"; an abscissa that is not a finite number
// as a numeral beyond the extended range.
std::string AbscissaText(long double x, char mark);

// Every "_" of the normalised text replaced by the abscissa text.
std::string SubstituteX(const std::string &normalized, const std::string &abscissa);

// Walks a normalised text group by group; error may be set on entry.
long double EvaluateText(const std::string &text, char mark, std::uint8_t &error);

// base^n by |n| rounded steps; stops only once a step leaves the magnitude
// as it was, after which the steps left alternate the sign at most.
long double RepeatedProduct(long double base, std::int32_t n, std::uint8_t &error);

struct Samples {
  std::uint8_t error = 0;
  std::vector<long double> x, y;
  std::vector<std::uint8_t> pointErrors;
};

// pointErrors starts as preset (all zero when empty).
Samples Sample(const std::string &expression, std::int32_t count, long double minX, long double maxX, char mark,
               const std::vector<std::uint8_t> &preset = {});

}  // namespace literal

#pragma once

// The sampling algorithm done literally on text: write each abscissa as its
// 15-digit text, substitute it for every x marker and walk the text. Slow, and
// kept only to prove the compiled route against it.

#include <cstdint>
#include <string>
#include <vector>

namespace literal {

// The abscissa's text as sampling writes it: 15 significant digits in fixed
// notation, "0" before a leading "-".
std::string AbscissaText(long double x, char mark);

// Every "_" of the normalised text replaced by the abscissa text.
std::string SubstituteX(const std::string &normalized, const std::string &abscissa);

// Walks a normalised text group by group, as the evaluator is described.
long double EvaluateText(const std::string &text, char mark, std::uint8_t &error);

struct Samples {
  std::uint8_t error = 0;
  std::vector<long double> x, y;
  std::vector<std::uint8_t> pointErrors;
};

Samples Sample(const std::string &expression, std::int32_t count, long double minX, long double maxX,
               char mark);

}  // namespace literal

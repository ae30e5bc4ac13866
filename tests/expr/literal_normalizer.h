#pragma once

// Normalisation done literally on the text: every bracket pass scans character
// by character and inserts into the string. Quadratic, and kept only to prove
// the library's normaliser against it.

#include <cstdint>
#include <string>

namespace literal {

std::uint8_t NormalizeExpression(std::string &text, char mark);

}  // namespace literal

#pragma once

#include <cstdint>
#include <string>

namespace zeval {

// The x marker that stands for the variable in normalised text.
inline constexpr const char *kXMarker = "(_)";

// Rewrites an expression so that parentheses alone express precedence, with at
// most one operator in each group, the whole wrapped as "(" text "))"; unary
// minus becomes "0-", pi and e become numerals and x the x marker. Returns 0,
// or 11 when the parentheses around an operator do not match (the text is then
// only partly rewritten).
std::uint8_t NormalizeExpression(std::string &text, char mark);

}  // namespace zeval

#pragma once

namespace zeval {

// The character classes of normalised expression text.
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsOperator(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }

}  // namespace zeval

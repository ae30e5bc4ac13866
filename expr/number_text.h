#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The library links nothing of the program's, so it has these of its own
// beside the program's decimal texts (model/decimaltext.h).
namespace zeval {

// A nonzero finite value rounded to 15 significant digits:
// |value| ~ significand * 10^(exponent - 14), 10^14 <= significand < 10^15.
struct Decimal15 {
  bool negative = false;
  std::uint64_t significand = 0;
  int exponent = 0;
};

// Rounds through the exact decimal expansion; exact ties go away from zero.
Decimal15 RoundTo15Digits(long double value);

// The number reader: optional blanks, sign, digits, optionally the mark and more
// digits, an optional exponent part, optional blanks, and nothing else. Fails on
// anything else and on values beyond the extended range (underflow reads as the
// nearest subnormal or zero).
bool ReadNumber(std::string_view text, char mark, long double &value);

// Converts a plain C-locale numeral ("123.45", "1e-7") that is known to be well formed.
bool ReadPlainNumber(const char *text, long double &value);

// 15 significant digits; fixed notation for 0.0001 <= |value| < 10^15 and zero,
// scientific (1.5E20, 1E-5) otherwise.
std::string FormatGeneral(long double value, char mark);

// The same 15 digits always in fixed notation, zeros padded as needed.
std::string FormatFixed15(long double value, char mark);

}  // namespace zeval

#include "decimaltext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

// Digits that decide a rounding; only an apparent exact half needs the full
// expansion (at most some 12000 digits for an 80-bit value).
constexpr int kProbeDigits = 24;
constexpr int kExactDigits = 12000;

std::string Chars(long double magnitude, std::chars_format format, int precision) {
  std::vector<char> text(precision + 5000);
  const auto end = std::to_chars(text.data(), text.data() + text.size(), magnitude, format, precision).ptr;
  return std::string(text.data(), end);
}

// Adds one unit in the last place of a digit text, "9.99" -> "10.00".
void Increment(std::string &text) {
  int i = static_cast<int>(text.size()) - 1;
  for (; i >= 0; --i) {
    if (text[i] == '.') continue;
    if (text[i] != '9') {
      ++text[i];
      return;
    }
    text[i] = '0';
  }
  text.insert(text.begin(), '1');
}

// The rounded text of |value| cut after the character that keepAfter finds:
// probe first, the exact expansion when the probe shows an exact-looking half.
template <typename KeepAfter>
std::string Rounded(long double magnitude, std::chars_format format, int precision, KeepAfter keepAfter) {
  std::string text = Chars(magnitude, format, precision + kProbeDigits);
  const std::size_t end = text.find('e');
  const std::string exponent = end == std::string::npos ? "" : text.substr(end);
  text.resize(std::min(end, text.size()));
  const std::size_t keep = keepAfter(text);
  if (text[keep] == '5' && text.find_first_not_of('0', keep + 1) == std::string::npos) {
    text = Chars(magnitude, format, kExactDigits);
    text.resize(std::min(text.find('e'), text.size()));
  }
  const bool up = text[keep] >= '5';
  text.resize(keep);
  if (up) Increment(text);
  return text + exponent;
}

constexpr int kExponentialFormat = 1;
constexpr int kFewestSignificant = 2;
constexpr int kMostSignificant = 18;
constexpr int kMostDecimals = 18;
// An exponent is padded with zeros up to a width of at most 4; asking for more
// means no padding at all.
constexpr int kMostPaddedExponent = 4;
// The general format writes fixed notation from 0.0001 on.
constexpr int kSmallestFixedExponent = -4;

int Significant(int precision) { return std::clamp(precision, kFewestSignificant, kMostSignificant); }

// The library never hands out an infinity or a NaN with code 0; should one come,
// its name is shown rather than digits of nothing.
std::optional<std::string> NonFiniteText(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  return std::nullopt;
}

// A digit text with "." as its mark, in the caller's mark; a minus in front for
// a negative value unless all its shown digits are zero.
std::string Finished(long double value, std::string text, const std::string &mark) {
  const bool shownAsZero = text.find_first_of("123456789") == std::string::npos;
  if (const std::size_t point = text.find('.'); point != std::string::npos) text.replace(point, 1, mark);
  return value < 0 && !shownAsZero ? "-" + text : text;
}

// 12 and 3 give "12000"; 12 and -2 give "0.012"; 123 and 0 give "1.23".
std::string PlainNotation(const std::string &digits, int exponent) {
  if (exponent < 0) return "0." + std::string(-exponent - 1, '0') + digits;
  const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= integerDigits) return digits + std::string(integerDigits - digits.size(), '0');
  return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

// 15 and 20 give "1.5E20"; 1 and -5 give "1E-5".
std::string ShortScientificNotation(const std::string &digits, int exponent) {
  std::string text = digits.substr(0, 1);
  if (digits.size() > 1) text += "." + digits.substr(1);
  return text + "E" + std::to_string(exponent);
}

// The exponent's digits, padded with zeros to the width asked for.
std::string ExponentDigits(int exponent, int width) {
  std::string text = std::to_string(std::abs(exponent));
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text;
}

// "d.ddd" of the significand's digits, then "E", the exponent's sign and its
// digits padded to width: 12345, 3 and 2 give "1.2345E+03".
std::string Scientific(const std::string &significand, int exponent, int width) {
  return significand.substr(0, 1) + "." + significand.substr(1) + "E" + (exponent < 0 ? "-" : "+") +
         ExponentDigits(exponent, width);
}

// The 23-character form of a project file's real.
constexpr int kProjectDigits = 15;
// The values table's column and where its scientific form begins.
constexpr std::size_t kField = 12;
constexpr int kScientificFrom = 36;

// Four exponent digits and their sign after a mantissa "d.ddd".
std::string SignedScientific(long double value, int digits) {
  int exponent = 0;
  const std::string significand = ScientificHalfAway(value, digits, exponent);
  return (std::signbit(value) ? "-" : " ") + Scientific(significand, exponent, 4);
}

std::string RightAligned(const std::string &text) {
  return text.size() >= kField ? text : std::string(kField - text.size(), ' ') + text;
}

}  // namespace

std::string FixedHalfAway(long double value, int decimals) {
  return Rounded(std::fabs(value), std::chars_format::fixed, decimals,
                 [decimals](const std::string &text) { return text.find('.') + 1 + decimals; });
}

std::string ScientificHalfAway(long double value, int digits, int &exponent) {
  const long double magnitude = std::fabs(value);
  if (magnitude == 0) {
    exponent = 0;
    return std::string(digits, '0');
  }
  std::string text = Rounded(magnitude, std::chars_format::scientific, digits - 1,
                             [digits](const std::string &) { return static_cast<std::size_t>(digits) + 1; });
  exponent = std::atoi(text.c_str() + text.find('e') + 1);
  text = text.substr(0, text.find('e'));
  text.erase(text.find('.'), 1);
  if (text.size() > static_cast<std::size_t>(digits)) {  // 9.99 rounded up to 10.0
    text.resize(digits);
    ++exponent;
  }
  return text;
}

std::string ProjectRealText(long double value) { return SignedScientific(value, kProjectDigits); }

std::string ValueFieldText(long double value) {
  if (std::isnan(value)) return RightAligned("Nan");
  if (std::isinf(value)) return RightAligned(value > 0 ? "+Inf" : "-Inf");
  int exponent = 0;
  if (value != 0) ScientificHalfAway(value, 30, exponent);
  if (exponent >= kScientificFrom) return SignedScientific(value, 4);
  return RightAligned((std::signbit(value) ? "-" : "") + FixedHalfAway(value, 5));
}

std::string CalcResultText(long double value, int format, int precision, int digits, const std::string &mark) {
  if (format == kExponentialFormat) return ExponentialResultText(value, precision, digits, mark);
  return FixedResultText(value, precision, digits, mark);
}

std::string FixedResultText(long double value, int precision, int digits, const std::string &mark) {
  if (auto text = NonFiniteText(value)) return *text;
  precision = Significant(precision);
  digits = std::clamp(digits, 0, kMostDecimals);
  int exponent = 0;
  ScientificHalfAway(value, precision, exponent);  // the exponent after rounding, 9.99 -> 10
  if (exponent >= precision) return GeneralResultText(value, precision, mark);
  const int kept = std::min(digits, precision - 1 - exponent);
  std::string text = FixedHalfAway(value, kept);
  if (text.back() == '.') text.pop_back();
  if (digits > 0) {
    if (kept == 0) text += '.';
    text.append(digits - kept, '0');
  }
  return Finished(value, text, mark);
}

std::string ExponentialResultText(long double value, int precision, int digits, const std::string &mark) {
  if (auto text = NonFiniteText(value)) return *text;
  precision = Significant(precision);
  int exponent = 0;
  const std::string significand = ScientificHalfAway(value, precision, exponent);
  const int width = digits <= kMostPaddedExponent ? digits : 1;
  return Finished(value, Scientific(significand, exponent, width), mark);
}

std::string GeneralResultText(long double value, int precision, const std::string &mark) {
  if (auto text = NonFiniteText(value)) return *text;
  if (value == 0) return "0";
  precision = Significant(precision);
  int exponent = 0;
  std::string digits = ScientificHalfAway(value, precision, exponent);
  digits.erase(digits.find_last_not_of('0') + 1);
  const bool plain = exponent >= kSmallestFixedExponent && exponent < precision;
  return Finished(value, plain ? PlainNotation(digits, exponent) : ShortScientificNotation(digits, exponent), mark);
}

std::string CoordinateText(long double value, const std::string &mark) {
  constexpr int kSignificant = 10;
  constexpr int kDecimals = 4;
  if (value == 0 || !std::isfinite(value)) return "0" + mark + "0000";
  int exponent = 0;
  const std::string digits = ScientificHalfAway(value, kSignificant, exponent);
  if (exponent >= kSignificant) return Finished(value, Scientific(digits, exponent, 1), mark);
  // Rounded at the 10th significant digit, then padded to 4 decimals.
  std::string text = FixedHalfAway(value, std::clamp(kSignificant - 1 - exponent, 0, kDecimals));
  if (text.find('.') == std::string::npos) text += '.';
  text.append(kDecimals - (text.size() - text.find('.') - 1), '0');
  return Finished(value, text, mark);
}

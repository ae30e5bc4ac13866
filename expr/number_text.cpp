#include "number_text.h"

#include <charconv>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <vector>

#include "characters.h"

namespace zeval {

namespace {

constexpr int kDigits = 15;
// Digits beyond the 15th that decide the rounding; only when they read as an
// exact half ("5000...") does the exact expansion have to settle it.
constexpr int kProbeDigits = 24;
// More than the longest exact decimal expansion of an 80-bit value.
constexpr int kExactDigits = 12000;

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return locale;
}

// Scientific digits of |value|: fills digits (no mark) and returns the exponent.
int ScientificDigits(long double value, int precision, std::string &digits) {
  std::vector<char> text(precision + 32);
  auto result =
      std::to_chars(text.data(), text.data() + text.size(), std::fabs(value), std::chars_format::scientific, precision);
  digits.clear();
  const char *p = text.data();
  for (; p != result.ptr && *p != 'e'; ++p)
    if (IsDigit(*p)) digits += *p;
  int exponent = 0;
  std::from_chars(p + 1 + (p[1] == '+'), result.ptr, exponent);
  return exponent;
}

bool AllZeros(std::string_view text) { return text.find_first_not_of('0') == std::string_view::npos; }

// Whether the digits after the first 15 round the 15 up.
bool RoundsUp(long double value, const std::string &probe) {
  std::string_view rest = std::string_view(probe).substr(kDigits);
  if (rest[0] != '5') return rest[0] > '5';
  if (!AllZeros(rest.substr(1))) return true;
  std::string exact;
  ScientificDigits(value, kExactDigits, exact);
  std::string_view exactRest = std::string_view(exact).substr(kDigits);
  // An exact tie goes away from zero; otherwise the exact digits decide.
  return exactRest[0] >= '5';
}

std::string SignificantDigits(const Decimal15 &d) {
  std::string digits = std::to_string(d.significand);
  digits.erase(digits.find_last_not_of('0') + 1);
  return digits;
}

std::string FixedText(const Decimal15 &d, char mark) {
  std::string digits = SignificantDigits(d);
  std::string text = d.negative ? "-" : "";
  if (d.exponent < 0) {
    text += '0';
    text += mark;
    text.append(-d.exponent - 1, '0');
    return text + digits;
  }
  const std::size_t integerDigits = d.exponent + 1;
  if (digits.size() <= integerDigits) return text + digits + std::string(integerDigits - digits.size(), '0');
  return text + digits.substr(0, integerDigits) + mark + digits.substr(integerDigits);
}

std::string ScientificText(const Decimal15 &d, char mark) {
  std::string digits = SignificantDigits(d);
  std::string text = d.negative ? "-" : "";
  text += digits[0];
  if (digits.size() > 1) text += mark + digits.substr(1);
  return text + 'E' + std::to_string(d.exponent);
}

}  // namespace

Decimal15 RoundTo15Digits(long double value) {
  std::string probe;
  Decimal15 d;
  d.negative = std::signbit(value);
  d.exponent = ScientificDigits(value, kProbeDigits, probe);
  d.significand = std::stoull(probe.substr(0, kDigits));
  if (RoundsUp(value, probe) && ++d.significand == 1'000'000'000'000'000ULL) {
    d.significand /= 10;
    ++d.exponent;
  }
  return d;
}

bool ReadPlainNumber(const char *text, long double &value) {
  errno = 0;
  value = strtold_l(text, nullptr, CLocale());
  return !(errno == ERANGE && std::isinf(value));
}

bool ReadNumber(std::string_view text, char mark, long double &value) {
  std::size_t i = 0;
  const auto skipDigits = [&] {
    const std::size_t start = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    return i > start;
  };
  while (i < text.size() && text[i] == ' ') ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (!skipDigits()) return false;
  const std::size_t markAt = i < text.size() && text[i] == mark ? i : std::string_view::npos;
  if (markAt != std::string_view::npos) {
    ++i;
    skipDigits();
  }
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    if (!skipDigits()) return false;
  }
  std::size_t end = i;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i != text.size()) return false;
  std::string plain(text.substr(start, end - start));
  if (markAt != std::string_view::npos) plain[markAt - start] = '.';
  return ReadPlainNumber(plain.c_str(), value);
}

std::string FormatGeneral(long double value, char mark) {
  if (value == 0) return "0";
  const Decimal15 d = RoundTo15Digits(value);
  return d.exponent >= -4 && d.exponent < kDigits ? FixedText(d, mark) : ScientificText(d, mark);
}

std::string FormatFixed15(long double value, char mark) {
  if (value == 0) return "0";
  return FixedText(RoundTo15Digits(value), mark);
}

}  // namespace zeval

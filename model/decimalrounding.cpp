#include "decimalrounding.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstdlib>
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

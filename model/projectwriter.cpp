#include "projectwriter.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kDigits = 15;

// Scientific digits of |value| at the given precision; returns the exponent.
int Digits(long double value, int precision, std::string &digits) {
  std::vector<char> text(precision + 32);
  const auto end = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                 std::chars_format::scientific, precision).ptr;
  digits.clear();
  const char *p = text.data();
  for (; p != end && *p != 'e'; ++p)
    if (*p != '.') digits += *p;
  return std::atoi(p + 1);
}

// 15 digits, exact ties away from zero: the probe decides unless it shows an
// exact half, which the full expansion then settles.
int Rounded15(long double value, std::string &digits) {
  std::string probe;
  int exponent = Digits(value, 24, probe);
  if (probe[kDigits] == '5' && probe.find_first_not_of('0', kDigits + 1) == std::string::npos)
    Digits(value, 12000, probe);
  digits = probe.substr(0, kDigits);
  if (probe[kDigits] < '5') return exponent;
  int i = kDigits - 1;
  for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
  if (i >= 0) {
    ++digits[i];
    return exponent;
  }
  digits.insert(digits.begin(), '1');
  digits.pop_back();
  return exponent + 1;
}

}  // namespace

std::string ProjectRealText(long double value) {
  std::string digits(kDigits, '0');
  const int exponent = value == 0 ? 0 : Rounded15(value, digits);
  char text[40];
  std::snprintf(text, sizeof text, "%c%c.%sE%c%04d", std::signbit(value) ? '-' : ' ', digits[0], digits.c_str() + 1,
                exponent < 0 ? '-' : '+', std::abs(exponent));
  return text;
}

void TProjectWriter::WriteInteger(int32_t value) { WriteText(std::to_string(value)); }
void TProjectWriter::WriteBoolean(bool value) { WriteInteger(value ? 1 : 0); }
void TProjectWriter::WriteReal(long double value) { WriteText(ProjectRealText(value)); }
void TProjectWriter::WriteColor(TColor color) { WriteText(ColorText(color)); }

void TProjectWriter::WriteText(const std::string &text) {
  bytes_ += text;
  bytes_ += "\r\n";
}

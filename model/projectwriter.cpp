#include "projectwriter.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "decimalrounding.h"

namespace {

constexpr int kDigits = 15;

}  // namespace

std::string ProjectRealText(long double value) {
  int exponent = 0;
  const std::string digits = ScientificHalfAway(value, kDigits, exponent);
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

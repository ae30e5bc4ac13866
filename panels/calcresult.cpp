#include "calcresult.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "decimalrounding.h"

namespace {

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
std::optional<QString> NonFiniteText(long double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  return std::nullopt;
}

// A digit text with "." as its mark, in the caller's mark; a minus in front for
// a negative value unless all its shown digits are zero.
QString Finished(long double value, const std::string &text, const QString &decimalMark) {
  const bool shownAsZero = text.find_first_of("123456789") == std::string::npos;
  QString result = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  result.replace(QLatin1Char('.'), decimalMark);
  return value < 0 && !shownAsZero ? QLatin1Char('-') + result : result;
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

}  // namespace

QString CalcResultText(long double value, int format, int precision, int digits, const QString &decimalMark) {
  if (format == kExponentialFormat) return ExponentialResultText(value, precision, digits, decimalMark);
  return FixedResultText(value, precision, digits, decimalMark);
}

QString FixedResultText(long double value, int precision, int digits, const QString &decimalMark) {
  if (auto text = NonFiniteText(value)) return *text;
  precision = Significant(precision);
  digits = std::clamp(digits, 0, kMostDecimals);
  int exponent = 0;
  ScientificHalfAway(value, precision, exponent);  // the exponent after rounding, 9.99 -> 10
  if (exponent >= precision) return GeneralResultText(value, precision, decimalMark);
  const int kept = std::min(digits, precision - 1 - exponent);
  std::string text = FixedHalfAway(value, kept);
  if (text.back() == '.') text.pop_back();
  if (digits > 0) {
    if (kept == 0) text += '.';
    text.append(digits - kept, '0');
  }
  return Finished(value, text, decimalMark);
}

QString ExponentialResultText(long double value, int precision, int digits, const QString &decimalMark) {
  if (auto text = NonFiniteText(value)) return *text;
  precision = Significant(precision);
  int exponent = 0;
  const std::string significand = ScientificHalfAway(value, precision, exponent);
  const int width = digits <= kMostPaddedExponent ? digits : 1;
  const std::string text = significand.substr(0, 1) + "." + significand.substr(1) + "E" + (exponent < 0 ? "-" : "+") +
                           ExponentDigits(exponent, width);
  return Finished(value, text, decimalMark);
}

QString GeneralResultText(long double value, int precision, const QString &decimalMark) {
  if (auto text = NonFiniteText(value)) return *text;
  if (value == 0) return QStringLiteral("0");
  precision = Significant(precision);
  int exponent = 0;
  std::string digits = ScientificHalfAway(value, precision, exponent);
  digits.erase(digits.find_last_not_of('0') + 1);
  const bool plain = exponent >= kSmallestFixedExponent && exponent < precision;
  return Finished(value, plain ? PlainNotation(digits, exponent) : ShortScientificNotation(digits, exponent),
                  decimalMark);
}

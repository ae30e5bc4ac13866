#include "literal_sampling.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <locale.h>

#include "evaluator.h"
#include "normalizer.h"
#include "number_text.h"

namespace literal {

namespace {

constexpr std::uint8_t kMalformed = 31;
constexpr std::uint8_t kFault = 41;

// printf's exact digits of |x| (C locale), as a digit string and exponent.
int PrintfDigits(long double x, int precision, std::string &digits) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const locale_t previous = uselocale(cLocale);
  std::vector<char> buffer(precision + 40);
  std::snprintf(buffer.data(), buffer.size(), "%.*Le", precision, std::fabs(x));
  uselocale(previous);
  digits.clear();
  const char *p = buffer.data();
  for (; *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  return std::atoi(p + 1);
}

// 15 digits rounded half away from zero, from printf's digits.
int Round15(long double x, std::string &digits) {
  std::string probe;
  int exponent = PrintfDigits(x, 24, probe);
  std::string rest = probe.substr(15);
  if (rest[0] == '5' && rest.find_first_not_of('0', 1) == std::string::npos) {
    PrintfDigits(x, 12000, probe);
    rest = probe.substr(15);
  }
  digits = probe.substr(0, 15);
  if (rest[0] >= '5') {
    int i = 14;
    for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
    if (i < 0) {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++exponent;
    } else {
      ++digits[i];
    }
  }
  return exponent;
}

std::size_t FunctionIndex(const std::string &name) {
  static const char *names[] = {"sin",   "cos", "tg",    "ctg",   "sh",  "ch",   "th",  "cth", "sec",
                                "cosec", "ln",  "trunc", "round", "abs", "sqrt", "sqr", "exp"};
  for (std::size_t i = 0; i < 17; ++i)
    if (name == names[i]) return i;
  return 17;
}

char At(const std::string &text, std::size_t pos) { return pos < text.size() ? text[pos] : '\0'; }

long double Power(long double base, long double exponent, std::uint8_t &error) {
  const long double whole = std::trunc(exponent);
  if (exponent - whole != 0) return zeval::Power(base, exponent, error);
  if (whole < INT32_MIN || whole > INT32_MAX) {
    error = kFault;
    return 0;
  }
  return RepeatedProduct(base, static_cast<std::int32_t>(whole), error);
}

long double Apply(char op, long double a, long double b, std::uint8_t &error) {
  switch (op) {
    case '+':
    case '-':
    case '*':
    case '/':
      return zeval::ApplyBinary(op, a, b, error);
    case '^':
      return Power(a, b, error);
  }
  error = kMalformed;
  return 0;
}

long double Operand(const std::string &text, std::size_t &pos, char mark, std::uint8_t &error);

long double Group(const std::string &text, std::size_t &pos, char mark, std::uint8_t &error) {
  const long double first = Operand(text, pos, mark, error);
  if (error) return first;
  if (At(text, pos) == ')') {
    ++pos;
    return first;
  }
  const char op = At(text, pos++);
  const long double second = Operand(text, pos, mark, error);
  if (error) return second;
  const long double value = Apply(op, first, second, error);
  ++pos;
  return value;
}

long double Operand(const std::string &text, std::size_t &pos, char mark, std::uint8_t &error) {
  const char c = At(text, pos);
  if (c == '(') {
    ++pos;
    return Group(text, pos, mark, error);
  }
  if (c >= '0' && c <= '9') {
    const std::size_t start = pos;
    while ((At(text, pos) >= '0' && At(text, pos) <= '9') || At(text, pos) == ',' || At(text, pos) == '.') ++pos;
    long double value = 0;
    if (!zeval::ReadNumber(std::string_view(text).substr(start, pos - start), mark, value)) error = kMalformed;
    return value;
  }
  if (c < 'a' || c > 'z') {
    error = kMalformed;
    return 0;
  }
  const std::size_t start = pos;
  while (At(text, pos) >= 'a' && At(text, pos) <= 'z') ++pos;
  const std::size_t function = FunctionIndex(text.substr(start, pos - start));
  ++pos;
  const long double argument = Group(text, pos, mark, error);
  if (error) return argument;
  if (function == 17) {
    error = kMalformed;
    return 0;
  }
  return zeval::ApplyFunction(static_cast<zeval::Function>(function), argument, error);
}

}  // namespace

long double RepeatedProduct(long double base, std::int32_t n, std::uint8_t &error) {
  long double acc = 1;
  const std::int64_t steps = std::abs(static_cast<std::int64_t>(n));
  for (std::int64_t i = 0; i < steps; ++i) {
    const long double next = n > 0 ? acc * base : acc / base;
    if (zeval::IsFault(next)) {
      error = kFault;
      return 0;
    }
    if (std::fabs(next) == std::fabs(acc)) return std::signbit(base) && (steps - i - 1) % 2 ? -next : next;
    acc = next;
  }
  return acc;
}

std::string AbscissaText(long double x, char mark) {
  std::string text;
  if (!std::isfinite(x)) {
    text = "1" + std::string(LDBL_MAX_10_EXP + 1, '0');
  } else if (x != 0) {
    std::string digits;
    const int exponent = Round15(x, digits);
    digits.erase(digits.find_last_not_of('0') + 1);
    if (exponent < 0) {
      text = "0" + std::string(1, mark) + std::string(-exponent - 1, '0') + digits;
    } else if (digits.size() <= static_cast<std::size_t>(exponent) + 1) {
      text = digits + std::string(exponent + 1 - digits.size(), '0');
    } else {
      text = digits.substr(0, exponent + 1) + mark + digits.substr(exponent + 1);
    }
  } else {
    return "0";
  }
  return std::signbit(x) ? "0-" + text : text;
}

std::string SubstituteX(const std::string &normalized, const std::string &abscissa) {
  std::string text;
  for (char c : normalized) {
    if (c == '_')
      text += abscissa;
    else
      text += c;
  }
  return text;
}

long double EvaluateText(const std::string &text, char mark, std::uint8_t &error) {
  std::size_t pos = 0;
  return Group(text, pos, mark, error);
}

Samples Sample(const std::string &expression, std::int32_t count, long double minX, long double maxX, char mark,
               const std::vector<std::uint8_t> &preset) {
  Samples samples;
  std::string normalized = expression;
  samples.error = zeval::NormalizeExpression(normalized, mark);
  if (samples.error) return samples;
  samples.x.assign(count + 1, 0);
  samples.y.assign(count + 1, 0);
  samples.pointErrors = preset.empty() ? std::vector<std::uint8_t>(count + 1, 0) : preset;
  samples.x[0] = samples.y[0] = count;
  samples.pointErrors[0] = count & 0xFF;
  const long double step = (maxX - minX) / (count - 1);
  samples.x[1] = minX;
  for (std::int32_t i = 2; i <= count; ++i) samples.x[i] = samples.x[i - 1] + step;
  for (std::int32_t i = 1; i <= count; ++i) {
    const std::string text = SubstituteX(normalized, AbscissaText(samples.x[i], mark));
    samples.y[i] = EvaluateText(text, mark, samples.pointErrors[i]);
  }
  return samples;
}

}  // namespace literal

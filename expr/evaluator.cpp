#include "evaluator.h"

#include <cstdlib>

namespace zeval {

namespace {

constexpr long double kTwoTo63 = 0x1p63L;
// Longer whole-number powers are not worth a loop (see IntPower).
constexpr std::uint32_t kMaxRoundedSteps = 1024;

long double Checked(long double r, std::uint8_t &error) {
  if (IsFault(r)) error = kArithmeticFault;
  return r;
}

// x87 sine and cosine give up beyond 2^63; so do we, with 0.
long double Sine(long double v) { return std::fabs(v) >= kTwoTo63 ? 0 : std::sin(v); }
long double Cosine(long double v) { return std::fabs(v) >= kTwoTo63 ? 0 : std::cos(v); }

// Divides after testing the divisor for an exact zero with its own code.
long double Ratio(long double a, long double b, std::uint8_t zeroCode, std::uint8_t &error) {
  if (b == 0) {
    error = zeroCode;
    return 0;
  }
  return Checked(a / b, error);
}

// e^v and e^-v, computed separately as the hyperbolic functions need them.
bool Exponentials(long double v, long double &plus, long double &minus, std::uint8_t &error) {
  plus = std::exp(v);
  minus = std::exp(-v);
  if (IsFault(plus) || IsFault(minus)) {
    error = kArithmeticFault;
    return false;
  }
  return true;
}

long double Hyperbolic(Function function, long double v, std::uint8_t &error) {
  long double plus, minus;
  if (!Exponentials(v, plus, minus, error)) return 0;
  switch (function) {
    case Function::Sh: return Checked((plus - minus) / 2, error);
    case Function::Ch: return Checked((plus + minus) / 2, error);
    case Function::Th: return Checked((plus - minus) / (plus + minus), error);
    default: return Ratio(plus + minus, plus - minus, kCthPole, error);
  }
}

// Whole numbers within the signed 64-bit range, as the extended value of that integer.
long double ToInteger(long double whole, std::uint8_t &error) {
  if (!(whole >= -kTwoTo63 && whole < kTwoTo63)) {
    error = kArithmeticFault;
    return 0;
  }
  return static_cast<long double>(static_cast<std::int64_t>(whole));
}

// The sign that the remaining steps give a value whose magnitude no longer changes.
long double WithRemainingSign(long double acc, long double base, std::uint32_t remaining) {
  return (std::signbit(base) && (remaining & 1)) ? -acc : acc;
}

long double PowerByRoundedSteps(long double base, std::uint32_t steps, bool divide, std::uint8_t &error) {
  long double acc = 1;
  while (steps-- > 0) {
    const long double next = divide ? acc / base : acc * base;
    if (IsFault(next)) {
      error = kArithmeticFault;
      return 0;
    }
    // Zero stays zero and a step that keeps the magnitude keeps it for ever:
    // only the sign still alternates with a negative base.
    if (next == 0 || std::fabs(next) == std::fabs(acc)) return WithRemainingSign(next, base, steps);
    acc = next;
  }
  return acc;
}

}  // namespace

long double IntPower(long double base, std::int32_t n, std::uint8_t &error) {
  if (n == 0 || base == 1) return 1;
  if (base == -1) return (n & 1) ? -1 : 1;
  const bool divide = n < 0;
  const std::uint32_t steps = divide ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
  // The library's power is within an ulp of the exact value, closer than the
  // rounding that a long loop would pile up.
  if (steps > kMaxRoundedSteps) return Checked(std::pow(base, static_cast<long double>(n)), error);
  return PowerByRoundedSteps(base, steps, divide, error);
}

long double Power(long double base, long double exponent, std::uint8_t &error) {
  const long double whole = std::trunc(exponent);
  if (exponent - whole == 0) {
    if (whole < INT32_MIN || whole > INT32_MAX) {
      error = kArithmeticFault;
      return 0;
    }
    return IntPower(base, static_cast<std::int32_t>(whole), error);
  }
  if (base <= 0) {
    error = kPowerDomain;
    return 0;
  }
  const long double product = exponent * std::log(base);
  if (IsFault(product)) {
    error = kArithmeticFault;
    return 0;
  }
  return Checked(std::exp(product), error);
}

long double ApplyFunction(Function function, long double v, std::uint8_t &error) {
  switch (function) {
    case Function::Sin: return Sine(v);
    case Function::Cos: return Cosine(v);
    case Function::Tg: return Ratio(Sine(v), Cosine(v), kTgPole, error);
    case Function::Ctg: return Ratio(Cosine(v), Sine(v), kCtgPole, error);
    case Function::Sh:
    case Function::Ch:
    case Function::Th:
    case Function::Cth: return Hyperbolic(function, v, error);
    case Function::Sec: return Ratio(1, Cosine(v), kSecPole, error);
    case Function::Cosec: return Ratio(1, Sine(v), kCosecPole, error);
    case Function::Ln:
      if (v <= 0) {
        error = kLnDomain;
        return 0;
      }
      return std::log(v);
    case Function::Trunc: return ToInteger(std::trunc(v), error);
    case Function::Round: return ToInteger(std::nearbyint(v), error);
    case Function::Abs: return std::fabs(v);
    case Function::Sqrt:
      if (v < 0) {
        error = kSqrtDomain;
        return 0;
      }
      return std::sqrt(v);
    case Function::Sqr: return Checked(v * v, error);
    case Function::Exp: return Checked(std::exp(v), error);
  }
  return 0;
}

long double ApplyBinary(char op, long double a, long double b, std::uint8_t &error) {
  switch (op) {
    case '+': return Checked(a + b, error);
    case '-': return Checked(a - b, error);
    case '*': return Checked(a * b, error);
    case '/': return Ratio(a, b, kDivisionByZero, error);
    case '^': return Power(a, b, error);
  }
  return 0;
}

}  // namespace zeval

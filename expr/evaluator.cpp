#include "evaluator.h"

#include <cstdlib>

#include "zeval.h"

namespace zeval {

namespace {

constexpr long double kTwoTo63 = 0x1p63L;
// Steps between the loop's checks: a fault, a zero and an unchanged magnitude
// all persist, so finding them a few steps late changes nothing.
constexpr std::uint32_t kUncheckedSteps = 8;

// x87 sine and cosine give up beyond 2^63; so do we, with 0.
long double Sine(long double v) { return std::fabs(v) >= kTwoTo63 ? 0 : std::sin(v); }
long double Cosine(long double v) { return std::fabs(v) >= kTwoTo63 ? 0 : std::cos(v); }

// e^v and e^-v, computed separately as the hyperbolic functions need them.
bool Exponentials(long double v, long double &plus, long double &minus, std::uint8_t &error) {
  plus = std::exp(v);
  minus = std::exp(-v);
  if (IsFault(plus) || IsFault(minus)) {
    error = kZevalArithmeticFault;
    return false;
  }
  return true;
}

long double Hyperbolic(Function function, long double v, std::uint8_t &error) {
  long double plus, minus;
  if (!Exponentials(v, plus, minus, error)) return 0;
  switch (function) {
    case Function::Sh:
      return Checked((plus - minus) / 2, error);
    case Function::Ch:
      return Checked((plus + minus) / 2, error);
    case Function::Th:
      return Checked((plus - minus) / (plus + minus), error);
    default:
      return Ratio(plus + minus, plus - minus, kZevalCthPole, error);
  }
}

// Whole numbers within the signed 64-bit range, as the extended value of that integer.
long double ToInteger(long double whole, std::uint8_t &error) {
  if (!(whole >= -kTwoTo63 && whole < kTwoTo63)) {
    error = kZevalArithmeticFault;
    return 0;
  }
  return static_cast<long double>(static_cast<std::int64_t>(whole));
}

// The sign that the remaining steps give a value whose magnitude no longer changes.
long double WithRemainingSign(long double acc, long double base, std::uint32_t remaining) {
  return (std::signbit(base) && (remaining & 1)) ? -acc : acc;
}

inline long double Step(long double acc, long double base, bool divide) { return divide ? acc / base : acc * base; }

// Whether the loop can stop: a fault (error set), a zero, or an unchanged
// magnitude. The magnitude moves monotonically (the rounded product of a
// larger accumulator is never smaller), so one unchanged after several steps
// was unchanged by each of them.
bool Settled(long double before, long double &acc, long double base, std::uint32_t remaining, std::uint8_t &error) {
  if (IsFault(acc)) {
    error = kZevalArithmeticFault;
    return true;
  }
  if (acc != 0 && std::fabs(acc) != std::fabs(before)) return false;
  acc = WithRemainingSign(acc, base, remaining);
  return true;
}

long double PowerByRoundedSteps(long double base, std::uint32_t steps, bool divide, std::uint8_t &error) {
  long double acc = 1;
  while (steps >= kUncheckedSteps) {
    const long double before = acc;
    for (std::uint32_t i = 0; i < kUncheckedSteps; ++i) acc = Step(acc, base, divide);
    steps -= kUncheckedSteps;
    if (Settled(before, acc, base, steps, error)) return acc;
  }
  while (steps-- > 0) {
    const long double before = acc;
    acc = Step(acc, base, divide);
    if (Settled(before, acc, base, steps, error)) return acc;
  }
  return acc;
}

}  // namespace

long double LongIntPower(long double base, std::int32_t n, std::uint8_t &error) {
  if (n == 0 || base == 1) return 1;
  if (base == -1) return (n & 1) ? -1 : 1;
  const bool divide = n < 0;
  const std::uint32_t steps = divide ? 0u - static_cast<std::uint32_t>(n) : static_cast<std::uint32_t>(n);
  return PowerByRoundedSteps(base, steps, divide, error);
}

long double Power(long double base, long double exponent, std::uint8_t &error) {
  const long double whole = std::trunc(exponent);
  if (exponent - whole == 0) {
    if (whole < INT32_MIN || whole > INT32_MAX) {
      error = kZevalArithmeticFault;
      return 0;
    }
    return IntPower(base, static_cast<std::int32_t>(whole), error);
  }
  if (base <= 0) {
    error = kZevalPowerDomain;
    return 0;
  }
  const long double product = exponent * std::log(base);
  if (IsFault(product)) {
    error = kZevalArithmeticFault;
    return 0;
  }
  return Checked(std::exp(product), error);
}

long double ApplyFunction(Function function, long double v, std::uint8_t &error) {
  switch (function) {
    case Function::Sin:
      return Sine(v);
    case Function::Cos:
      return Cosine(v);
    case Function::Tg:
      return Ratio(Sine(v), Cosine(v), kZevalTgPole, error);
    case Function::Ctg:
      return Ratio(Cosine(v), Sine(v), kZevalCtgPole, error);
    case Function::Sh:
    case Function::Ch:
    case Function::Th:
    case Function::Cth:
      return Hyperbolic(function, v, error);
    case Function::Sec:
      return Ratio(1, Cosine(v), kZevalSecPole, error);
    case Function::Cosec:
      return Ratio(1, Sine(v), kZevalCosecPole, error);
    case Function::Ln:
      if (v <= 0) {
        error = kZevalLnDomain;
        return 0;
      }
      return std::log(v);
    case Function::Trunc:
      return ToInteger(std::trunc(v), error);
    case Function::Round:
      return ToInteger(std::nearbyint(v), error);
    case Function::Abs:
      return std::fabs(v);
    case Function::Sqrt:
      if (v < 0) {
        error = kZevalSqrtDomain;
        return 0;
      }
      return std::sqrt(v);
    case Function::Sqr:
      return Checked(v * v, error);
    case Function::Exp:
      return Checked(std::exp(v), error);
    case Function::Unknown:
      break;
  }
  error = kZevalUnreadableNumeral;
  return 0;
}

}  // namespace zeval

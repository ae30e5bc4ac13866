#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "functions.h"
#include "zeval.h"

namespace zeval {

// The arithmetic of evaluation, in 80-bit extended precision; each function
// sets error to its code (zeval.h) when it fails and then returns an
// undefined value.

// Operands are always finite, so a result that is not finite means the
// operation overflowed or was invalid.
inline bool IsFault(long double r) { return !(std::fabs(r) <= LDBL_MAX); }

// The result of a step: a result that is not finite is the step's fault.
inline long double Checked(long double r, std::uint8_t &error) {
  if (IsFault(r)) error = kZevalArithmeticFault;
  return r;
}

// Divides after testing the divisor for an exact zero with its own code.
inline long double Ratio(long double a, long double b, std::uint8_t zeroCode, std::uint8_t &error) {
  if (b == 0) {
    error = zeroCode;
    return 0;
  }
  return Checked(a / b, error);
}

// base^n by |n| separate multiplications (divisions for n < 0), each rounded on
// its own. The loop ends early only where its outcome is already known: a
// fault, a zero, or a step that leaves the magnitude as it was (from then on
// only the sign can change).
long double LongIntPower(long double base, std::int32_t n, std::uint8_t &error);

// Squares and cubes, the most common powers, without the loop.
inline long double IntPower(long double base, std::int32_t n, std::uint8_t &error) {
  if (n == 2) return Checked(base * base, error);
  if (n == 3) return Checked(base * base * base, error);
  return LongIntPower(base, n, error);
}

// A whole exponent within 32 bits goes to IntPower; otherwise e^(exponent * ln base).
long double Power(long double base, long double exponent, std::uint8_t &error);

long double ApplyFunction(Function function, long double v, std::uint8_t &error);

// Any operator character other than + - * / ^ fails.
inline long double ApplyBinary(char op, long double a, long double b, std::uint8_t &error) {
  switch (op) {
    case '+':
      return Checked(a + b, error);
    case '-':
      return Checked(a - b, error);
    case '*':
      return Checked(a * b, error);
    case '/':
      return Ratio(a, b, kZevalDivisionByZero, error);
    case '^':
      return Power(a, b, error);
  }
  error = kZevalUnreadableNumeral;
  return 0;
}

}  // namespace zeval

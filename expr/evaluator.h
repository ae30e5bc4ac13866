#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

#include "parser.h"

namespace zeval {

// Error codes of evaluation.
inline constexpr std::uint8_t kBadNumeral = 31;
inline constexpr std::uint8_t kDivisionByZero = 32;
inline constexpr std::uint8_t kLnDomain = 33;
inline constexpr std::uint8_t kSqrtDomain = 34;
inline constexpr std::uint8_t kTgPole = 35;
inline constexpr std::uint8_t kCtgPole = 36;
inline constexpr std::uint8_t kPowerDomain = 37;
inline constexpr std::uint8_t kCthPole = 38;
inline constexpr std::uint8_t kSecPole = 39;
inline constexpr std::uint8_t kCosecPole = 40;
inline constexpr std::uint8_t kArithmeticFault = 41;

// Operands are always finite, so a result that is not finite means the
// operation overflowed or was invalid.
inline bool IsFault(long double r) { return !(std::fabs(r) <= LDBL_MAX); }

// base^n by n separate multiplications (or divisions for n < 0), each rounded on
// its own; stops early at a fault, at zero and once the magnitude can no longer
// change. No shortcut keeps every bit of that rounding, so a base within about
// 1e-5 of 1 or -1 with an exponent near 2^31 runs all 2^31 steps: about 8 s of
// multiplications or 12 s of divisions on a 2020s x86 core, per evaluation.
long double IntPower(long double base, std::int32_t n, std::uint8_t &error);

// The exponent's whole-number test and IntPower, or e^(exponent * ln base).
long double Power(long double base, long double exponent, std::uint8_t &error);

long double ApplyFunction(Function function, long double v, std::uint8_t &error);

// op is one of + - * / ^.
long double ApplyBinary(char op, long double a, long double b, std::uint8_t &error);

}  // namespace zeval

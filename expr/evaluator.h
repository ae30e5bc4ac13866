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
// its own, for |n| up to 1024; stops early at a fault, at zero and once the
// magnitude can no longer change. Beyond 1024 steps the loop would cost up to
// seconds per value (a base near 1 or -1 with n near 2^31 never settles), so
// longer powers come from the C library's power function, within an ulp of the
// exact value.
long double IntPower(long double base, std::int32_t n, std::uint8_t &error);

// The exponent's whole-number test and IntPower, or e^(exponent * ln base).
long double Power(long double base, long double exponent, std::uint8_t &error);

long double ApplyFunction(Function function, long double v, std::uint8_t &error);

// op is one of + - * / ^.
long double ApplyBinary(char op, long double a, long double b, std::uint8_t &error);

}  // namespace zeval

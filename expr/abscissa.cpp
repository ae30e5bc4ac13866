#include "abscissa.h"

#include <cmath>
#include <cstring>
#include <string>

#include "number_text.h"
#include "zeval.h"

namespace zeval {

namespace {

// 10^0 .. 10^27 are exact in 80 bits (5^27 < 2^64), so scaling by them costs a
// single rounding.
constexpr int kMaxExactPower = 27;
constexpr long double kPowersOfTen[kMaxExactPower + 1] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
constexpr long double kLow = 1e14L;
constexpr long double kHigh = 1e15L;
// Adding and subtracting 1.5 * 2^63 rounds anything below 2^62 to an integer.
constexpr long double kRounder = 0x1.8p63L;
// log10(2) * 2^32, rounded down: a binary exponent times it, shifted, is its
// decimal exponent to within one, which the shift search below corrects.
constexpr std::int64_t kLog10Of2Scaled = 1292913986;

// The unbiased binary exponent of a normal 80-bit value, from its bits: the
// library call and the rounding-mode switch of floor cost more than all the rest.
int BinaryExponent(long double magnitude) {
  unsigned char bytes[sizeof magnitude];
  std::memcpy(bytes, &magnitude, sizeof bytes);
  return ((bytes[9] & 0x7F) << 8 | bytes[8]) - 16383;
}

int DecimalExponentEstimate(int binaryExponent) { return static_cast<int>((binaryExponent * kLog10Of2Scaled) >> 32); }

// |x| * 10^shift, correctly rounded; shift within the exact powers.
long double Scale(long double magnitude, int shift) {
  return shift >= 0 ? magnitude * kPowersOfTen[shift] : magnitude / kPowersOfTen[-shift];
}

// Sign of the exact |x| * 10^shift minus its rounded value scaled.
int ScaleResidualSign(long double magnitude, int shift, long double scaled) {
  const long double residual = shift >= 0 ? std::fma(magnitude, kPowersOfTen[shift], -scaled)
                                          : -std::fma(scaled, kPowersOfTen[-shift], -magnitude);
  return (residual > 0) - (residual < 0);
}

// Rounds the scaled value to an integer, half away from zero on exact ties.
long double RoundScaled(long double magnitude, int shift, long double scaled) {
  long double rounded = (scaled + kRounder) - kRounder;
  if (std::fabs(rounded - scaled) != 0.5L) return rounded;
  const long double down = rounded > scaled ? rounded - 1 : rounded;
  return ScaleResidualSign(magnitude, shift, scaled) >= 0 ? down + 1 : down;
}

// The fast route for |x| within about 1e-13 .. 1e41; false outside it.
inline bool FastAbscissa(long double magnitude, long double &value) {
  int shift = 14 - DecimalExponentEstimate(BinaryExponent(magnitude));
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (shift > kMaxExactPower || shift < -kMaxExactPower) return false;
    const long double scaled = Scale(magnitude, shift);
    if (scaled < kLow) {
      ++shift;
    } else if (scaled >= kHigh && attempt == 0) {
      --shift;
    } else {
      // Scaled values at or just above 10^15 round to 10^15 at this shift,
      // which is the same number as 10^14 one shift lower.
      const long double significand = RoundScaled(magnitude, shift, scaled);
      value = shift >= 0 ? significand / kPowersOfTen[shift] : significand * kPowersOfTen[-shift];
      return true;
    }
  }
  return false;
}

}  // namespace

std::uint8_t AbscissaValueByDecimals(long double x, long double &value) {
  if (!std::isfinite(x)) {
    value = x;
    return kZevalUnreadableNumeral;
  }
  if (x == 0) {
    value = 0;
    return 0;
  }
  const Decimal15 d = RoundTo15Digits(x);
  const std::string text = std::to_string(d.significand) + 'e' + std::to_string(d.exponent - 14);
  long double magnitude;
  if (!ReadPlainNumber(text.c_str(), magnitude)) return kZevalUnreadableNumeral;
  value = d.negative ? -magnitude : magnitude;
  return 0;
}

std::uint8_t AbscissaValue(long double x, long double &value) {
  long double magnitude;
  if (x != 0 && std::isfinite(x) && FastAbscissa(std::fabs(x), magnitude)) {
    value = std::signbit(x) ? -magnitude : magnitude;
    return 0;
  }
  return AbscissaValueByDecimals(x, value);
}

void AbscissaValues(const long double *x, long double *values, std::int32_t count) {
  for (std::int32_t i = 0; i < count; ++i) AbscissaValue(x[i], values[i]);
}

}  // namespace zeval

#ifndef LUMOPLOT_MODEL_DECIMALROUNDING_H
#define LUMOPLOT_MODEL_DECIMALROUNDING_H

#include <string>

// Decimal text of 80-bit values rounded half away from zero on exact ties, from
// the exact binary value (never through double or printf).

// |value| with exactly `decimals` digits after the point, e.g. "1234.56789".
std::string FixedHalfAway(long double value, int decimals);

// The first `digits` significant digits of |value| (no point) and the decimal
// exponent of the first: 1234.5 at 4 digits gives "1235" and 3.
std::string ScientificHalfAway(long double value, int digits, int &exponent);

#endif

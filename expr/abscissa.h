#pragma once

#include <cstdint>

namespace zeval {

// Sampling hands each abscissa to the expression as its 15-significant-digit
// text. These give the value that text reads back as, without writing it:
// 0 and the value, or the code the reading fails with: 31 for a text beyond
// the extended range, which is how an abscissa that is not a finite number is
// written (value then keeps it, sign included).
std::uint8_t AbscissaValue(long double x, long double &value);

// The same for many abscissas in one pass; where the text cannot be read the
// value is the abscissa itself, a value that is not finite.
void AbscissaValues(const long double *x, long double *values, std::int32_t count);

// The same through the decimal expansion; the reference for the fast route above.
std::uint8_t AbscissaValueByDecimals(long double x, long double &value);

}  // namespace zeval

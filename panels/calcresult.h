#pragma once

#include <QString>

// The calculator's result texts, from the exact 80-bit value: digits come from
// its full binary expansion and exact decimal ties round away from zero. The
// decimal mark is the caller's (the locale's); there are no thousands separators.
//
// precision is the number of significant digits, limited to 2..18; digits is the
// number of decimals (fixed) or the minimum width of the exponent (exponential).

// CalcFormat 1 is exponential; every other code is fixed, the default.
QString CalcResultText(long double value, int format, int precision, int digits, const QString &decimalMark);

// "-123.45600000": at most `precision` significant digits and at most `digits`
// decimals, padded with zeros to exactly `digits` decimals; the general format
// when the integer part needs more than `precision` digits.
QString FixedResultText(long double value, int precision, int digits, const QString &decimalMark);

// "-1.23450000E+003": `precision` significant digits, the exponent with its sign
// and at least `digits` digits when `digits` is 0 to 4, otherwise only the
// digits it needs.
QString ExponentialResultText(long double value, int precision, int digits, const QString &decimalMark);

// The shortest text of the value rounded to `precision` significant digits:
// fixed notation from 0.0001 up to below 10^precision, otherwise "1.5E20",
// "1E-5"; trailing zeros dropped; 0 is "0".
QString GeneralResultText(long double value, int precision, const QString &decimalMark);

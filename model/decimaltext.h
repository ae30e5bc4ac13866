#ifndef LUMOPLOT_MODEL_DECIMALTEXT_H
#define LUMOPLOT_MODEL_DECIMALTEXT_H

#include <string>

// Every number the program writes as text, from the exact 80-bit value (never
// through double or printf): digits come from its full binary expansion and
// exact decimal ties round away from zero. Forms for the screen take the
// locale's decimal mark; file forms always "." and no group separators.

// |value| with exactly `decimals` digits after the point, e.g. "1234.56789".
std::string FixedHalfAway(long double value, int decimals);

// The first `digits` significant digits of |value| (no point) and the decimal
// exponent of the first: 1234.5 at 4 digits gives "1235" and 3.
std::string ScientificHalfAway(long double value, int digits, int &exponent);

// A real of a project file: sign position, 15 significant digits, "E",
// exponent sign and 4 digits, " 1.00000000000000E+0001".
std::string ProjectRealText(long double value);

// A value in the values table's 12-character column: fixed with 5 decimals,
// from 10^36 up scientific with 4 digits; the field grows for longer values.
std::string ValueFieldText(long double value);

// The calculator's result (CalcFormat 1 exponential, anything else fixed);
// precision is the number of significant digits, limited to 2..18; digits the
// number of decimals (fixed) or the least width of the exponent (exponential).
std::string CalcResultText(long double value, int format, int precision, int digits, const std::string &mark);
// "-123.45600000": at most `precision` significant digits and at most `digits`
// decimals, padded to exactly `digits` decimals; the general form when the
// integer part needs more than `precision` digits.
std::string FixedResultText(long double value, int precision, int digits, const std::string &mark);
// "-1.23450000E+003": `precision` significant digits, the exponent with its
// sign and at least `digits` digits when `digits` is 0 to 4, otherwise only
// the digits it needs.
std::string ExponentialResultText(long double value, int precision, int digits, const std::string &mark);
// The shortest text of the value rounded to `precision` significant digits:
// fixed from 0.0001 up to below 10^precision, otherwise "1.5E20", "1E-5".
std::string GeneralResultText(long double value, int precision, const std::string &mark);

// A coordinate of the cursor read-out: rounded to 10 significant digits, then
// written with exactly 4 decimals; scientific beyond 10 integer digits.
std::string CoordinateText(long double value, const std::string &mark);

#endif

/* Zeval: checks and evaluates expressions of one variable x in 80-bit extended
 * precision, and samples them over an interval.
 *
 * Every export reports failure only through the caller's error byte: it sets the
 * byte to a nonzero code when something fails and never sets it back to 0, so the
 * caller sets it to 0 before each call.
 *
 * Codes:
 *   11      the parentheses around an operator do not match (all exports)
 *   12      FillExtResult: the expression contains x
 *   13      FillResultArray: count below 2, an array shorter than count + 1
 *           elements, or a null pointer; nothing is written
 *   21..27  CheckExpression: character, parenthesis, operator, operand,
 *           name, call and numeral errors
 *   31..41  evaluation: numeral, division by zero, ln, sqrt, tg, ctg, power,
 *           cth, sec, cosec, arithmetic fault (overflow, invalid operation)
 *
 * FillExtResult and FillResultArray expect a text that CheckExpression accepts;
 * given any other text they report the code CheckExpression would and write
 * nothing else.
 *
 * Time: checking and normalising take time in proportion to the text's length,
 * sampling that times count. "^" with a whole exponent of magnitude up to 1024
 * is computed by that many rounded multiplications (divisions for a negative
 * exponent), a larger one by the C library's power function.
 *
 * The decimal mark is the one of the locale named by the environment (LC_ALL,
 * then LC_NUMERIC, then LANG) when the library is loaded. */
#ifndef ZEVAL_H
#define ZEVAL_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(ZEVAL_BUILDING)
#define ZEVAL_API __attribute__((visibility("default")))
#else
#define ZEVAL_API
#endif

/* Sets *error to the first syntax error of expr; leaves it alone when expr is a
 * valid expression of x (or of no variable). */
ZEVAL_API void CheckExpression(const char *expr, unsigned char *error);

/* Evaluates an expression without x into *value. On an evaluation error *value
 * is written but undefined; on codes 11 and 12 it is not written. */
ZEVAL_API void FillExtResult(const char *expr, long double *value, unsigned char *error);

/* Samples expr at count abscissas from minX on, each the previous one plus
 * (maxX - minX) / (count - 1). Element 0 of x and y receives count, element 0 of
 * pointErrors its low 8 bits; elements 1..count hold the samples and their error
 * codes (0 = valid). *time receives the milliseconds the sampling took. The
 * lengths are element counts; each must be at least count + 1. */
ZEVAL_API void FillResultArray(const char *expr, int32_t count, long double minX, long double maxX,
                               long double *x, int32_t xLength, long double *y, int32_t yLength,
                               unsigned char *pointErrors, int32_t pointErrorsLength,
                               unsigned char *error, int32_t *time);

/* Hands out the library's name, version, date and maker; the strings live as long
 * as the library is loaded. */
ZEVAL_API void FillInformation(const char **name, const char **version, const char **date,
                               const char **maker);

#ifdef __cplusplus
}
#endif

#endif

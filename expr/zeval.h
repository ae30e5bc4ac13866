/* Zeval: checks and evaluates expressions of one variable x in 80-bit extended
 * precision, and samples them over an interval.
 *
 * Every export reports failure only through the caller's error byte: it sets the
 * byte to a nonzero code (ZevalErrorCode) when something fails and never sets it
 * back to 0, so the caller sets it to 0 before each call.
 *
 * CheckExpression is the syntax check. FillExtResult and FillResultArray do not
 * check: they normalise the text and evaluate it as it stands, so a text the
 * check would reject gives whatever its reading gives (a code from 31 to 41, or
 * a value). A nonzero byte found once the first operand has been read stops an
 * evaluation: a byte that is set on entry keeps its value unless reading that
 * operand fails.
 *
 * "^" with a whole exponent n is computed by |n| separate rounded
 * multiplications (divisions for n < 0), ending early only where the rest is
 * known: a fault, a zero, or a step that no longer changes the magnitude. A
 * base very close to 1 or -1 with n near 2^31 takes seconds.
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

/* The expression error codes, with an example of each. */
enum ZevalErrorCode {
  kZevalOk = 0,
  kZevalUnmatchedOperator = 11,    /* a)+b: parentheses around an operator do not match */
  kZevalXInConstant = 12,          /* FillExtResult of x+1 */
  kZevalBadSamplingArguments = 13, /* FillResultArray with count 1, or an array shorter than count + 1 */
  kZevalBadCharacter = 21,         /* x#1, a tab, a typed (_) */
  kZevalUnbalanced = 22,           /* sqrt(x */
  kZevalOperatorExpected = 23,     /* 2x, (2)(3), 1.5.3 */
  kZevalOperandExpected = 24,      /* x+, 2*-3, sin(), the empty text */
  kZevalUnknownName = 25,          /* sinx, abc(x), pie */
  kZevalCallExpected = 26,         /* sin */
  kZevalUncheckableNumeral = 27,   /* a numeral of 5001 digits */
  kZevalUnreadableNumeral = 31,    /* 1+2.. when evaluated; any malformed place of unchecked text */
  kZevalDivisionByZero = 32,       /* 1/0 */
  kZevalLnDomain = 33,             /* ln(0) */
  kZevalSqrtDomain = 34,           /* sqrt(-1) */
  kZevalTgPole = 35,               /* tg(10^19): cosine exactly 0 */
  kZevalCtgPole = 36,              /* ctg(0) */
  kZevalPowerDomain = 37,          /* (-8)^(1/3) */
  kZevalCthPole = 38,              /* cth(0) */
  kZevalSecPole = 39,              /* sec(10^19) */
  kZevalCosecPole = 40,            /* cosec(0) */
  kZevalArithmeticFault = 41       /* exp(12000), 0^(-1), trunc(10^19) */
};

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
 * lengths are element counts; each must be at least count + 1 and count at
 * least 2, or the byte gets kZevalBadSamplingArguments and nothing is written. */
ZEVAL_API void FillResultArray(const char *expr, int32_t count, long double minX, long double maxX, long double *x,
                               int32_t xLength, long double *y, int32_t yLength, unsigned char *pointErrors,
                               int32_t pointErrorsLength, unsigned char *error, int32_t *time);

/* Hands out the library's name, version, date and maker; the strings live as long
 * as the library is loaded. */
ZEVAL_API void FillInformation(const char **name, const char **version, const char **date, const char **maker);

#ifdef __cplusplus
}
#endif

#endif

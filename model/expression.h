#ifndef LUMOPLOT_MODEL_EXPRESSION_H
#define LUMOPLOT_MODEL_EXPRESSION_H

#include <cstddef>
#include <string>
#include <string_view>

// What the program asks of Zeval besides sampling (graphsampler.h).

// Longer expressions are refused before anything is computed: sampling takes
// time in proportion to the length times the count of points, and a pasted or
// loaded megabyte would hold the program for seconds.
inline constexpr std::size_t kMaxExpressionLength = 65536;

// Typed text checked for the library: converted to Windows-1251 (a character
// the code page lacks, or an embedded NUL that would hide the rest of the
// text, is refused as the library refuses a character it cannot take), then
// CheckExpression.
struct TExpressionCheck {
  bool TooLong = false;    // more than kMaxExpressionLength characters
  unsigned char Code = 0;  // the library's code; 0 when the text is accepted
  std::string Bytes;       // the text as the library takes it
};
TExpressionCheck CheckTypedExpression(std::string_view utf8);

// FillExtResult of checked bytes: 0 and the value, or the code.
unsigned char EvaluateConstant(const std::string &bytes, long double &value);

// An expression error code as the program shows it (UTF-8): "Ошибка: " and the code.
std::string ErrorCodeText(unsigned char code);

struct TLibraryInformation {
  std::string Name, Version, Date;
};
TLibraryInformation LibraryInformation();

#endif

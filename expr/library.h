#pragma once

#include <cstdint>
#include <string_view>

namespace zeval {

// The work behind the exports, with the decimal mark passed in so that every
// locale can be exercised in one process. Codes as in zeval.h; each function
// returns the code it would set (0 for none) and writes its outputs only as the
// export does.
std::uint8_t EvaluateConstantText(std::string_view raw, char mark, long double &value);

struct SampleArrays {
  long double *x;
  long double *y;
  unsigned char *pointErrors;
  std::int32_t *time;
};

// Arrays of count + 1 elements, count >= 2.
std::uint8_t SampleText(std::string_view raw, std::int32_t count, long double minX, long double maxX,
                        char mark, const SampleArrays &arrays);

}  // namespace zeval

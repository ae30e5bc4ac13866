#pragma once

#include <cstdint>
#include <string_view>

namespace zeval {

// The work behind the exports, with the decimal mark passed in so that every
// locale can be exercised in one process. Each sets error as the export does
// (only ever to a nonzero code) and writes its outputs only as the export does.

// Normalises (11), refuses the x marker (12), evaluates; value is written
// whenever the text was evaluated.
void EvaluateConstantText(std::string_view raw, char mark, long double &value, std::uint8_t &error);

struct SampleArrays {
  long double *x;
  long double *y;
  unsigned char *pointErrors;
  std::int32_t *time;
};

// Normalises (11: nothing written), then fills elements 0..count of arrays of
// count + 1 elements, count >= 2; each sample's code starts as its element of
// pointErrors holds it.
void SampleText(std::string_view raw, std::int32_t count, long double minX, long double maxX, char mark,
                const SampleArrays &arrays, std::uint8_t &error);

}  // namespace zeval

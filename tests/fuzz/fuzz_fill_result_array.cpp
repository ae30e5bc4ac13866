// FillResultArray on any text, any count from 2 to 2000 and interval ends
// chosen among huge, tiny, subnormal, reversed and equal ones. It never
// checks: every text that normalises is sampled. The arrays are exactly
// count + 1 long, so a write past them is caught.
#include <cfloat>
#include <cmath>
#include <vector>

#include "fuzz_support.h"
#include "zeval.h"

namespace {

constexpr long double kUntouched = -98765.4321L;
constexpr unsigned char kPresetError = 0x5A;
constexpr unsigned char kPresetSampleCode = 0x77;

const long double kEnds[] = {
    0,
    1,
    -1,
    1000,
    -1000,
    0.5L,
    -7,
    0.1L,
    -0.001L,
    1e-5L,
    1e-20L,
    1e15L,
    123456789.123L,
    3.14159265358979L,
    0x1p63L,
    -0x1p64L,
    1e300L,
    1e-300L,
    1e4000L,
    -1e4000L,
    1e-4930L,
    -1e-4940L,
    LDBL_TRUE_MIN,
    LDBL_MAX,
    -LDBL_MAX,
    LDBL_MIN,
    1e-4L,
    9.99999999999999e14L,
    -1e-4L,
    0.0001L * 0.9999L,
};
constexpr std::size_t kEndCount = sizeof kEnds / sizeof kEnds[0];

struct Header {
  std::int32_t count = 2;
  long double minX = 0, maxX = 1;
  bool presetSomeSamples = false;
};

// Five bytes: the count, the two ends, and whether some samples come in with a code set.
Header ReadHeader(const std::uint8_t *&data, std::size_t &size) {
  Header header;
  if (size < 5) return header;
  header.count = 2 + (data[0] | data[1] << 8) % 1999;
  header.minX = kEnds[data[2] % kEndCount];
  header.maxX = data[3] == 255 ? header.minX : kEnds[data[3] % kEndCount];
  header.presetSomeSamples = data[4] & 1;
  data += 5;
  size -= 5;
  return header;
}

struct Arrays {
  explicit Arrays(std::int32_t count) : x(count + 1, kUntouched), y(count + 1, kUntouched), codes(count + 1, 0) {}
  std::vector<long double> x, y;
  std::vector<unsigned char> codes;
};

bool IsPreset(const Header &header, std::int32_t i) { return header.presetSomeSamples && i % 7 == 3; }

void CheckUntouched(const Arrays &a) {
  for (std::size_t i = 0; i < a.x.size(); ++i)
    fuzz::Require(a.x[i] == kUntouched && a.y[i] == kUntouched, "arrays written although sampling failed");
}

void CheckSamples(const Header &header, const Arrays &a) {
  fuzz::Require(a.x[0] == header.count && a.y[0] == header.count, "element 0 of X or Y is not the count");
  fuzz::Require(a.codes[0] == (header.count & 0xFF), "element 0 of the codes is not the count's low byte");
  fuzz::Require(a.x[1] == header.minX, "the first abscissa is not the interval's start");
  for (std::int32_t i = 1; i <= header.count; ++i) {
    const unsigned code = a.codes[i];
    if (IsPreset(header, i)) {
      fuzz::Require(code == kPresetSampleCode || code == 31, "a sample's code set on entry changed");
      continue;
    }
    fuzz::Require(code == 0 || fuzz::IsEvaluationCode(code), "a sample's code is not an evaluation code");
    if (code == 0) fuzz::Require(std::isfinite(a.y[i]), "infinity or NaN in a sample without an error");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  const Header header = ReadHeader(data, size);
  const fuzz::Text text(data, size);
  unsigned char checked = 0;
  CheckExpression(text.CStr(), &checked);

  Arrays a(header.count);
  for (std::int32_t i = 1; i <= header.count; ++i)
    if (IsPreset(header, i)) a.codes[i] = kPresetSampleCode;
  unsigned char error = kPresetError;
  std::int32_t time = -1;
  const std::int32_t length = header.count + 1;
  FillResultArray(text.CStr(), header.count, header.minX, header.maxX, a.x.data(), length, a.y.data(), length,
                  a.codes.data(), length, &error, &time);
  // The check refuses a typed x marker (21) before it normalises.
  if (checked == 11 || error == 11) {
    fuzz::Require(error == 11 && (checked == 11 || checked == 21), "normalisation failed in one export only");
    CheckUntouched(a);
    return 0;
  }
  fuzz::Require(error == kPresetError, "a text that normalises failed or the error byte was cleared");
  CheckSamples(header, a);
  return 0;
}

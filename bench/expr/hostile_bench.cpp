// Time of the library's exports on hostile texts of a given size: long chains,
// deep nesting, long numerals, and whole powers whose rounded steps run long
// (bases next to 1 or -1 never settle before their 2^31 steps). Prints one line
// per input; the size in bytes is the first argument (1 MB when none).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "zeval.h"

namespace {

std::string Repeated(const std::string &piece, std::size_t size) {
  std::string text;
  while (text.size() + piece.size() <= size) text += piece;
  return text;
}

// count copies of open, then x, then count ")" and count copies of tail.
std::string Wrapped(const std::string &open, std::size_t count, const std::string &tail = "") {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += open;
  text += 'x';
  for (std::size_t i = 0; i < count; ++i) text += ")" + tail;
  return text;
}

struct Input {
  const char *name;
  std::string text;
};

std::vector<Input> Inputs(std::size_t size) {
  return {
      {"sum chain x+x+...", "x" + Repeated("+x", size - 1)},
      {"product chain x*x*...", "x" + Repeated("*x", size - 1)},
      {"power chain x^1^1...", "x" + Repeated("^1", size - 1)},
      {"mixed chain", "x" + Repeated("+x*x^2-x/3", size - 1)},
      {"deep nesting ((...x...))", Wrapped("(", size / 2)},
      {"right nesting x+(x+(...))", Wrapped("x+(", size / 4)},
      {"left nesting ((x+x)+x)...", Wrapped("(", size / 4, "+x")},
      {"unary minus (-(-(...", Wrapped("(-", size / 3)},
      {"calls sin(sin(...))", Wrapped("sin(", size / 5)},
      {"long numeral 1111...", std::string(size, '1')},
      {"long fraction 0.000...01", "0." + std::string(size - 3, '0') + "1"},
      {"many names pi*e*x*...", "pi" + Repeated("*e*x", size - 2)},
  };
}

double Seconds(const std::chrono::steady_clock::time_point &start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void TimeInput(const Input &input) {
  auto start = std::chrono::steady_clock::now();
  unsigned char checkError = 0;
  CheckExpression(input.text.c_str(), &checkError);
  const double check = Seconds(start);

  constexpr int32_t kCount = 10;
  std::vector<long double> x(kCount + 1), y(kCount + 1);
  std::vector<unsigned char> pointErrors(kCount + 1);
  unsigned char sampleError = 0;
  int32_t time = 0;
  start = std::chrono::steady_clock::now();
  FillResultArray(input.text.c_str(), kCount, -1, 1, x.data(), kCount + 1, y.data(), kCount + 1, pointErrors.data(),
                  kCount + 1, &sampleError, &time);
  const double sample = Seconds(start);
  std::printf("%-28s %8zu bytes  check %8.3f s (code %2d)  sample 10 points %8.3f s (code %2d)\n", input.name,
              input.text.size(), check, checkError, sample, sampleError);
}

void TimePower(const char *text) {
  const auto start = std::chrono::steady_clock::now();
  long double value = 0;
  unsigned char error = 0;
  FillExtResult(text, &value, &error);
  std::printf("%-44s %8.3f s (code %2d)\n", text, Seconds(start), error);
}

// The worst sampling of a whole power: 100000 samples of x^2147483647 over
// [-10, 10], most of which overflow or vanish early, those next to 1 late.
void TimePowerSampling() {
  constexpr int32_t kCount = 100000;
  std::vector<long double> x(kCount + 1), y(kCount + 1);
  std::vector<unsigned char> pointErrors(kCount + 1);
  unsigned char error = 0;
  int32_t time = 0;
  const auto start = std::chrono::steady_clock::now();
  FillResultArray("x^2147483647", kCount, -10, 10, x.data(), kCount + 1, y.data(), kCount + 1, pointErrors.data(),
                  kCount + 1, &error, &time);
  std::printf("%-44s %8.3f s (code %2d)\n", "x^2147483647, 100000 samples over [-10, 10]", Seconds(start), error);
}

}  // namespace

int main(int argc, char **argv) {
  const std::size_t size = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1 << 20;
  for (const Input &input : Inputs(size)) TimeInput(input);
  for (const char *text : {"1.0000000001^2147483647", "0.9999999999^2147483647", "(0-1.0000000001)^2147483647",
                           "1.0000000001^(0-2147483647)", "2^2147483647", "0.5^2147483647", "1.0001^2147483647"})
    TimePower(text);
  TimePowerSampling();
  return 0;
}

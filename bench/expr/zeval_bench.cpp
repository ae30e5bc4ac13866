// Sampling cost per abscissa: the compiled route against the literal text
// algorithm and against the limit, the same functions written by hand in
// long double at the exactly rounded abscissa.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "abscissa.h"
#include "evaluator.h"
#include "library.h"
#include "literal_sampling.h"
#include "zeval.h"

namespace {

constexpr std::int32_t kCount = 100000;
constexpr long double kMinX = -10, kMaxX = 10;
constexpr long double kPi = 3.14159265358979L;

struct Function {
  const char *name;
  const char *text;
  long double (*byHand)(long double x, std::uint8_t &error);
};

long double Finish(long double r, std::uint8_t &error) {
  if (zeval::IsFault(r)) error = kZevalArithmeticFault;
  return r;
}

const Function kFunctions[] = {
    {"cubic", "x^3-2*x+1", [](long double x, std::uint8_t &e) { return Finish(x * x * x - 2 * x + 1, e); }},
    {"sincos", "sin(x)*cos(2*x)",
     [](long double x, std::uint8_t &e) { return Finish(std::sin(x) * std::cos(2 * x), e); }},
    {"gauss", "exp(-x^2/2)/sqrt(2*pi)",
     [](long double x, std::uint8_t &e) {
       static const long double norm = std::sqrt(2 * kPi);
       return Finish(std::exp(0 - x * x / 2) / norm, e);
     }},
    {"tg", "tg(x)",
     [](long double x, std::uint8_t &e) {
       const long double c = std::cos(x);
       if (c == 0) {
         e = kZevalTgPole;
         return 0.0L;
       }
       return Finish(std::sin(x) / c, e);
     }},
    {"mixed", "ln(abs(x)+1)*x^2-3*x/(x^2+1)",
     [](long double x, std::uint8_t &e) {
       const long double x2 = x * x;
       return Finish(std::log(std::fabs(x) + 1) * x2 - 3 * x / (x2 + 1), e);
     }},
};

struct Arrays {
  std::vector<long double> x = std::vector<long double>(kCount + 1), y = std::vector<long double>(kCount + 1);
  std::vector<unsigned char> errors = std::vector<unsigned char>(kCount + 1);
};

void SetPerSample(benchmark::State &state) {
  state.counters["ns_per_sample"] =
      benchmark::Counter(kCount, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["ns_per_sample"] = state.counters["ns_per_sample"] * 1e9;
}

void Compiled(benchmark::State &state, const Function &f) {
  Arrays a;
  std::int32_t time = 0;
  for (auto _ : state) {
    std::fill(a.errors.begin(), a.errors.end(), 0);
    std::uint8_t error = 0;
    zeval::SampleText(f.text, kCount, kMinX, kMaxX, '.', {a.x.data(), a.y.data(), a.errors.data(), &time}, error);
    benchmark::DoNotOptimize(a.y.data());
  }
  SetPerSample(state);
}

void Literal(benchmark::State &state, const Function &f) {
  for (auto _ : state) benchmark::DoNotOptimize(literal::Sample(f.text, kCount, kMinX, kMaxX, '.'));
  SetPerSample(state);
}

void ByHand(benchmark::State &state, const Function &f) {
  Arrays a;
  for (auto _ : state) {
    const long double step = (kMaxX - kMinX) / (kCount - 1);
    a.x[1] = kMinX;
    for (std::int32_t i = 2; i <= kCount; ++i) a.x[i] = a.x[i - 1] + step;
    for (std::int32_t i = 1; i <= kCount; ++i) {
      long double x = 0;
      std::uint8_t error = zeval::AbscissaValue(a.x[i], x);
      a.y[i] = f.byHand(x, error);
      a.errors[i] = error;
    }
    benchmark::DoNotOptimize(a.y.data());
  }
  SetPerSample(state);
}

// Prints the ratios to the limit once all runs are in.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run> &runs) override {
    for (const Run &run : runs) {
      const std::string name = run.benchmark_name();
      times_[name.substr(0, name.find("/iterations"))] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    double logSum = 0;
    int n = 0;
    std::printf("\n%-8s %14s %14s %14s %12s %14s\n", "function", "compiled ns", "by hand ns", "literal ns",
                "vs by hand", "literal/comp.");
    for (const Function &f : kFunctions) {
      const double compiled = Time("compiled/", f), byHand = Time("by_hand/", f), literalTime = Time("literal/", f);
      if (compiled <= 0 || byHand <= 0) continue;
      std::printf("%-8s %14.1f %14.1f %14.1f %11.2fx %13.1fx\n", f.name, compiled / kCount * 1e6, byHand / kCount * 1e6,
                  literalTime / kCount * 1e6, compiled / byHand, literalTime > 0 ? literalTime / compiled : 0.0);
      logSum += std::log(compiled / byHand);
      ++n;
    }
    if (n) std::printf("geometric mean compiled / by hand: %.2fx\n", std::exp(logSum / n));
  }

 private:
  double Time(const std::string &prefix, const Function &f) const {
    const auto it = times_.find(prefix + f.name);
    return it == times_.end() ? 0 : it->second;
  }
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char **argv) {
  for (const Function &f : kFunctions) {
    benchmark::RegisterBenchmark((std::string("compiled/") + f.name).c_str(), Compiled, f)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("by_hand/") + f.name).c_str(), ByHand, f)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("literal/") + f.name).c_str(), Literal, f)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);
  }
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
}

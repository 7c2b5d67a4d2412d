// What one press of "Diskussion" costs on a cubic, and "Diskussion" with
// "Integral" on Phi(x), the way the window runs them.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "discuss/curve_scan.h"
#include "discuss/simpson_integral.h"
#include "discuss/term_function.h"
#include "expr/evaluate.h"

namespace {

using namespace lumatik;

std::size_t DiscussOnce(const std::string& term) {
  const auto result = DiscussCurve(EngineTermFunction(term, " "), term, -5, 5, 0.2, [] { return true; },
                                   EngineSlopeFunction(term, " "));
  return result ? result->lines.size() : 0;
}

void BM_DiscussCubic(benchmark::State& state) {
  ParamLine() = " ";
  for (auto _ : state) benchmark::DoNotOptimize(DiscussOnce("x^3-3*x"));
}
BENCHMARK(BM_DiscussCubic);

void BM_DiscussPhiWithIntegral(benchmark::State& state) {
  ParamLine() = " ";
  const std::vector<std::string> memo{"Integralgrenze x1 = -5", "Integralgrenze x2 =  5",
                                      "Simpsonschritte pro Einheit n = 100"};
  for (auto _ : state) {
    benchmark::DoNotOptimize(DiscussOnce("Phi(x)"));
    benchmark::DoNotOptimize(IntegralPress(memo, {"Phi(x)", " "}).appendedLines.size());
  }
}
BENCHMARK(BM_DiscussPhiWithIntegral);

}  // namespace

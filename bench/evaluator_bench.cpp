// How fast the text evaluator answers: the plotter calls it once per sample
// point, and hostile input must be answered promptly.

#include <benchmark/benchmark.h>

#include <string>

#include "exact/fractions.h"
#include "expr/evaluate.h"

namespace {

using namespace lumatik;

void BM_PlotTermPerSample(benchmark::State& state) {
  ParamLine() = " ";
  long double x = -5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(EvalTermAt("1/3*x^3-3*x", x));
    x += 0.01L;
  }
}
BENCHMARK(BM_PlotTermPerSample);

void BM_CalculatorExample(benchmark::State& state) {
  ParamLine() = " ";
  for (auto _ : state) benchmark::DoNotOptimize(EvalTermAt("-5/2*(14/22-17/21) +1.2", 0));
}
BENCHMARK(BM_CalculatorExample);

void BM_NestedBrackets(benchmark::State& state) {
  const auto depth = static_cast<std::size_t>(state.range(0));
  const std::string term = std::string(depth, '(') + "1" + std::string(depth, ')');
  for (auto _ : state) benchmark::DoNotOptimize(EvalTermAt(term, 0));
}
BENCHMARK(BM_NestedBrackets)->Arg(100)->Arg(1000)->Arg(100000);

void BM_LongSum(benchmark::State& state) {
  std::string term = "1";
  for (int i = 0; i < state.range(0); ++i) term += "+1";
  for (auto _ : state) benchmark::DoNotOptimize(EvalTermAt(term, 0));
}
BENCHMARK(BM_LongSum)->Arg(100)->Arg(900)->Arg(500000);

void BM_FractionSearch(benchmark::State& state) {
  const long double v = 1886.0L / 1155.0L;
  for (auto _ : state) benchmark::DoNotOptimize(NumberTextMixed(v));
}
BENCHMARK(BM_FractionSearch);

}  // namespace

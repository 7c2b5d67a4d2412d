// Eval/<way>/N: the term N of EvalTerms() at 100 000 points per iteration,
// through the text evaluator (literal), its compiled form (fast) and
// hand-written code (native). Compare the three within one run.

#include <benchmark/benchmark.h>

#include <utility>

#include "bench/eval_terms.h"
#include "expr/compiled_term.h"
#include "expr/lumath.h"

namespace {

using namespace lumatik;
using namespace lumatik::bench;

template <typename Evaluate>
void SumOverPoints(benchmark::State& state, Evaluate evaluate) {
  ParamLine() = " ";
  const std::vector<long double>& points = EvalPoints();
  for (auto _ : state) {
    long double sum = 0;
    for (long double x : points) sum += evaluate(x);
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(points.size()));
  MathErrorText().clear();
}

void Literal(benchmark::State& state) {
  const std::string term = kEvalTerms[state.range(0)];
  SumOverPoints(state, [&](long double x) { return EvalTermAt(term, x); });
}

// The compiled form over the whole row of points at once.
void Fast(benchmark::State& state) {
  ParamLine() = " ";
  const CompiledTerm term(kEvalTerms[state.range(0)]);
  const std::vector<long double>& points = EvalPoints();
  std::vector<long double> values(points.size());
  for (auto _ : state) {
    term.evaluate(points.data(), values.data(), points.size());
    long double sum = 0;
    for (long double y : values) sum += y;
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(points.size()));
  MathErrorText().clear();
}

// The compiled form called once per point, as a drop-in for EvalTermAt.
void FastEach(benchmark::State& state) {
  const CompiledTerm term(kEvalTerms[state.range(0)]);
  SumOverPoints(state, [&](long double x) { return term(x); });
}

template <int N>
void Native(benchmark::State& state) {
  // A lambda, not the function's address: the term's code is inlined into
  // the loop, as hand-written code would be.
  SumOverPoints(state, [](long double x) { return NativeTerm<N>(x); });
}

template <int... N>
void RegisterNative(std::integer_sequence<int, N...>) {
  (benchmark::RegisterBenchmark("Eval/native", Native<N>)->Arg(N)->Unit(benchmark::kMillisecond), ...);
}

const int kRegistered = [] {
  benchmark::RegisterBenchmark("Eval/literal", Literal)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Eval/fast", Fast)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Eval/fastEach", FastEach)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
  RegisterNative(std::make_integer_sequence<int, 8>());
  return 0;
}();

}  // namespace

// Eval/<way>/N: the term N of EvalTerms() at 100 000 points per iteration,
// through the text evaluator (literal), its compiled form (fast) and
// hand-written code (native). Compare the three within one run.
//
// fast and native deliver the same thing, the row of 100 000 values, and the
// same loop then adds the row up; the other ways add each value as it comes.

#include <benchmark/benchmark.h>

#include <utility>

#include "bench/eval_terms.h"
#include "expr/compiled_term.h"
#include "expr/evaluate.h"

namespace {

using namespace lumatik;
using namespace lumatik::bench;

void CountPoints(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(EvalPoints().size()));
  MathErrorText().clear();
}

template <typename Evaluate>
void SumOverPoints(benchmark::State& state, Evaluate evaluate) {
  ParamLine() = " ";
  const std::vector<long double>& points = EvalPoints();
  for (auto _ : state) {
    long double sum = 0;
    for (long double x : points) sum += evaluate(x);
    benchmark::DoNotOptimize(sum);
  }
  CountPoints(state);
}

// fill(xs, ys, n) writes the row; the row is then added up.
template <typename Fill>
void SumOfRow(benchmark::State& state, Fill fill) {
  ParamLine() = " ";
  const std::vector<long double>& points = EvalPoints();
  std::vector<long double> values(points.size());
  for (auto _ : state) {
    fill(points.data(), values.data(), points.size());
    benchmark::ClobberMemory();
    long double sum = 0;
    for (long double y : values) sum += y;
    benchmark::DoNotOptimize(sum);
  }
  CountPoints(state);
}

void Literal(benchmark::State& state) {
  const std::string term = kEvalTerms[state.range(0)];
  SumOverPoints(state, [&](long double x) { return EvalTermAt(term, x); });
}

// The compiled form over the whole row of points at once.
void Fast(benchmark::State& state) {
  ParamLine() = " ";
  const CompiledTerm term(kEvalTerms[state.range(0)]);
  SumOfRow(state, [&](const long double* xs, long double* ys, std::size_t n) { term.evaluate(xs, ys, n); });
}

// The compiled form called once per point, as a drop-in for EvalTermAt.
void FastEach(benchmark::State& state) {
  ParamLine() = " ";
  const CompiledTerm term(kEvalTerms[state.range(0)]);
  SumOverPoints(state, [&](long double x) { return term(x); });
}

// Hand-written code for the term, inlined into the loop that writes the row.
template <int N>
void Native(benchmark::State& state) {
  SumOfRow(state, [](const long double* xs, long double* ys, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) ys[i] = NativeTerm<N>(xs[i]);
  });
}

// The same code with every value added as it comes, never stored: the floor
// under any way that delivers a row.
template <int N>
void NativeSum(benchmark::State& state) {
  SumOverPoints(state, [](long double x) { return NativeTerm<N>(x); });
}

// The same code called through a pointer once per point, the way a caller
// that gets its values one call at a time pays for them.
template <int N>
void NativeCall(benchmark::State& state) {
  long double (*volatile term)(long double) = NativeTerm<N>;
  SumOverPoints(state, [f = term](long double x) { return f(x); });
}

template <int... N>
void RegisterNative(std::integer_sequence<int, N...>) {
  (benchmark::RegisterBenchmark("Eval/native", Native<N>)->Arg(N)->Unit(benchmark::kMillisecond), ...);
  (benchmark::RegisterBenchmark("Eval/nativeSum", NativeSum<N>)->Arg(N)->Unit(benchmark::kMillisecond), ...);
  (benchmark::RegisterBenchmark("Eval/nativeCall", NativeCall<N>)->Arg(N)->Unit(benchmark::kMillisecond), ...);
}

const int kRegistered = [] {
  benchmark::RegisterBenchmark("Eval/literal", Literal)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Eval/fast", Fast)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Eval/fastEach", FastEach)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
  RegisterNative(std::make_integer_sequence<int, 8>());
  return 0;
}();

}  // namespace

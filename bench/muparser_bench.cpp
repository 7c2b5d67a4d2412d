// Eval/muparser/N: the peer muparser, in double, on the same terms and
// points as Eval/fast/N. The two names muparser lacks are defined the way
// the terms mean them: Pi and int (the floor).

#include <benchmark/benchmark.h>

#include <cmath>
#include <muParser.h>

#include "bench/eval_terms.h"

namespace {

using namespace lumatik::bench;

double Floor(double v) { return std::floor(v); }

void Muparser(benchmark::State& state) {
  double x = 0;
  mu::Parser parser;
  parser.DefineVar("x", &x);
  parser.DefineConst("Pi", static_cast<double>(lumatik::kPi));
  parser.DefineFun("int", Floor);
  parser.SetExpr(kEvalTerms[state.range(0)]);
  const std::vector<long double>& points = EvalPoints();
  for (auto _ : state) {
    double sum = 0;
    for (long double point : points) {
      x = static_cast<double>(point);
      sum += parser.Eval();
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(points.size()));
}

const int kRegistered = [] {
  benchmark::RegisterBenchmark("Eval/muparser", Muparser)->DenseRange(0, 7)->Unit(benchmark::kMillisecond);
  return 0;
}();

}  // namespace

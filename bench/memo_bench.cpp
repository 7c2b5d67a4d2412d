// Memo/Primes/N: the calculator's "Primzahlen" from the 1st to the N-th
// prime, written into the history memo line by line as the window writes
// it (BuildPrimeList handing each line to AddMemoLine). The prime table is
// filled before the clock runs, so that the figure is the memo's: twice the
// primes should take about twice the time.

#include <benchmark/benchmark.h>

#include <QPlainTextEdit>

#include <string>

#include "bench/bench_application.h"
#include "calc/primelist.h"
#include "exact/primes.h"
#include "shell/windows/qtext.h"

namespace {

using namespace lumatik;

void Primes(benchmark::State& state) {
  EnsureApplication();
  const auto count = static_cast<Extended>(state.range(0));
  EnsurePrimes(state.range(0));
  QPlainTextEdit memo;
  std::size_t lines = 0;
  for (auto _ : state) {
    SetMemoLines(&memo, {kPrimeListHeading});
    lines = 1;
    BuildPrimeList(1, count, [&](const std::string& line) {
      AddMemoLine(&memo, line);
      ++lines;
    });
  }
  state.counters["lines"] = static_cast<double>(lines);
  if (memo.document()->blockCount() != static_cast<int>(lines)) state.SkipWithError("lines went missing");
}

const int kRegistered = [] {
  benchmark::RegisterBenchmark("Memo/Primes", Primes)->Arg(100000)->Arg(200000)->Unit(benchmark::kMillisecond);
  return 0;
}();

}  // namespace

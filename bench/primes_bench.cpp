// Primes/65536: "PrZ(2^16)" from the table of the program start.

#include <benchmark/benchmark.h>

#include "exact/primes.h"

namespace {

using namespace lumatik;

void BuildTableFromStart(benchmark::State& state) {
  for (auto _ : state) {
    ResetPrimeTable();
    benchmark::DoNotOptimize(NthPrime(static_cast<long double>(state.range(0))));
  }
}
BENCHMARK(BuildTableFromStart)->Name("Primes")->Arg(65536)->Unit(benchmark::kMillisecond);

}  // namespace

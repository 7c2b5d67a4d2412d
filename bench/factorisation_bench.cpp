// Factor/*: how fast "PFZ" answers. A seventeen-digit prime, a product of two
// nine-digit primes and of two primes just below 2^32 should take
// milliseconds at most.

#include <benchmark/benchmark.h>

#include "exact/factor64.h"
#include "exact/primes.h"

namespace {

using namespace lumatik;

void FactorText(benchmark::State& state, long double value) {
  for (auto _ : state) benchmark::DoNotOptimize(PrimeFactorText(value));
}

void FactorTwo32BitPrimes(benchmark::State& state) {
  const std::uint64_t n = 4294967291ull * 4294967279ull;
  for (auto _ : state) benchmark::DoNotOptimize(PrimeFactors64(n));
}

const int kRegistered = [] {
  struct Case {
    const char* name;
    long double value;
  };
  for (const Case c : {Case{"Factor/Prime17", 1e16L + 61}, Case{"Factor/Semiprime18", 999999937.0L * 999999929.0L},
                       Case{"Factor/PrimeBelow2To63", 9223372036854775783.0L}})
    benchmark::RegisterBenchmark(c.name, FactorText, c.value)->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("Factor/Two32BitPrimes", FactorTwo32BitPrimes)->Unit(benchmark::kMicrosecond);
  return 0;
}();

}  // namespace

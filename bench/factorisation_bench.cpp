// How fast "PFZ" answers: a sixteen-digit prime, a product of two nine-digit
// primes and of two primes just below 2^32 should take milliseconds at most.

#include <benchmark/benchmark.h>

#include "exact/factor64.h"
#include "exact/primes.h"

namespace {

using namespace lumatik;

void BM_PrimeFactorText(benchmark::State& state, long double value) {
  for (auto _ : state) benchmark::DoNotOptimize(PrimeFactorText(value));
}
BENCHMARK_CAPTURE(BM_PrimeFactorText, SixteenDigitPrime, 1e16L + 61);
BENCHMARK_CAPTURE(BM_PrimeFactorText, NineDigitSemiprime, 999999937.0L * 999999929.0L);
BENCHMARK_CAPTURE(BM_PrimeFactorText, PrimeBelow2To63, 9223372036854775783.0L);

void BM_PrimeFactors64OfTwo32BitPrimes(benchmark::State& state) {
  const std::uint64_t n = 4294967291ull * 4294967279ull;
  for (auto _ : state) benchmark::DoNotOptimize(PrimeFactors64(n));
}
BENCHMARK(BM_PrimeFactors64OfTwo32BitPrimes);

}  // namespace

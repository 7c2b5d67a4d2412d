#include "exact/primes.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "exact/factor64.h"
#include "exact/fractions.h"
#include "shell/floatformat.h"
#include "shell/matherror.h"
#include "shell/codepage.h"
#include "shell/messagesink.h"

namespace lumatik {

namespace {

struct PrimeTableState {
  std::vector<std::int32_t> primes{2, 3};
  // Primes beyond the table's last one, found by sieving a stretch at a
  // time and handed to the table one by one.
  std::vector<std::int32_t> ahead;
  std::size_t nextAhead = 0;
  PrimeProgressObserver* observer = nullptr;
  bool dialogOpen = false;  // an extension has reported progress in this request
};

PrimeTableState& State() {
  static PrimeTableState state;
  return state;
}

bool IsCancelled() {
  const PrimeTableState& state = State();
  return state.dialogOpen && state.observer != nullptr && state.observer->cancelled();
}

}  // namespace

void SetPrimeProgressObserver(PrimeProgressObserver* observer) { State().observer = observer; }

const std::vector<std::int32_t>& Primes() { return State().primes; }

int PrimeCount() { return static_cast<int>(State().primes.size()) - 1; }

namespace {

// The odd primes up to the square root of 2^31, enough to sieve any stretch
// of 32-bit numbers.
const std::vector<std::int32_t>& SievingPrimes() {
  static const std::vector<std::int32_t> primes = [] {
    constexpr int kLimit = 46341;  // 46341^2 > 2^31
    std::vector<bool> composite(kLimit + 1, false);
    std::vector<std::int32_t> odd;
    for (int n = 3; n <= kLimit; n += 2) {
      if (composite[static_cast<std::size_t>(n)]) continue;
      odd.push_back(n);
      for (long long m = static_cast<long long>(n) * n; m <= kLimit; m += 2 * n)
        composite[static_cast<std::size_t>(m)] = true;
    }
    return odd;
  }();
  return primes;
}

// Sieves the stretch after the table's last prime into `ahead`.
void SieveAhead(PrimeTableState& state) {
  constexpr std::int64_t kStretch = 65536;
  const std::int64_t low = state.primes.back() + 2;  // odd: the table's last prime is odd
  state.ahead = SieveOddPrimes(low, std::min(low + kStretch, kPrimeSieveEnd));
  state.nextAhead = 0;
}

}  // namespace

std::vector<std::int32_t> SieveOddPrimes(std::int64_t low, std::int64_t high) {
  std::vector<std::int32_t> found;
  if (low % 2 == 0) ++low;
  low = std::max<std::int64_t>(low, 3);
  high = std::min(high, kPrimeSieveEnd);
  if (low >= high) return found;
  // composite[i] stands for the odd number low + 2i.
  std::vector<char> composite(static_cast<std::size_t>((high - low + 1) / 2), 0);
  for (const std::int64_t p : SievingPrimes()) {
    if (p * p >= high) break;
    std::int64_t m = std::max(p * p, (low + p - 1) / p * p);  // first multiple in the stretch
    if (m % 2 == 0) m += p;
    for (; m < high; m += 2 * p) composite[static_cast<std::size_t>((m - low) / 2)] = 1;
  }
  for (std::size_t i = 0; i < composite.size(); ++i)
    if (!composite[i]) found.push_back(static_cast<std::int32_t>(low + 2 * static_cast<std::int64_t>(i)));
  return found;
}

void NextPrime() {
  PrimeTableState& state = State();
  const int count = PrimeCount();
  if (count >= kPrimesBelow2To31 - 1) return;
  if (count % 1000 == 0) {
    if (!state.dialogOpen) {
      state.dialogOpen = true;
      if (state.observer) state.observer->opened();
    } else if (state.observer) {
      state.observer->progressed(count);
      if (state.observer->cancelled()) return;
    }
  }
  if (state.nextAhead == state.ahead.size()) SieveAhead(state);
  if (state.nextAhead == state.ahead.size()) return;  // no 32-bit prime left
  state.primes.push_back(state.ahead[state.nextAhead++]);
}

void ResetPrimeTable() {
  PrimeTableState& state = State();
  state.primes = {2, 3};
  state.ahead.clear();
  state.nextAhead = 0;
}

void EnsurePrimes(std::int64_t index) {
  if (index >= kPrimesBelow2To31) index = kPrimesBelow2To31 - 1;
  while (index > PrimeCount() && !IsCancelled()) {
    const int before = PrimeCount();
    NextPrime();
    if (PrimeCount() == before && !IsCancelled()) break;  // the table is full
  }
}

std::int64_t PrimeAt(std::int64_t index) {
  if (index < 0) return 0;
  EnsurePrimes(index);
  return index > PrimeCount() ? 0 : State().primes[index];
}

void FinishPrimeRequest() {
  PrimeTableState& state = State();
  if (!state.dialogOpen) return;
  state.dialogOpen = false;
  if (state.observer) state.observer->closed();
}

std::int64_t NthPrime(Extended x) {
  std::int64_t result = 0;
  if (x >= 1 && x <= 2147483647.0L) {
    const auto n = static_cast<std::int64_t>(std::nearbyint(x));
    if (n > kPrimesBelow2To31) {
      // Beyond 2147483647 the table of 32-bit primes has nothing to give.
      SetMathError(Cp1252("Die Primzahltabelle reicht nur bis zur 105097565. Primzahl"));
    } else {
      result = PrimeAt(n - 1);
      // A cancelled table gives no prime: say so instead of passing 0 on as
      // a result.
      if (result == 0 && IsCancelled()) SetMathError(kPrimeTableCancelled);
    }
  }
  FinishPrimeRequest();
  return result;
}

namespace {

// Trial division stays within the first 1000 primes: the table computes
// them without ever opening the cancel dialog, which appears with the
// 1000th. What is left is factored by Miller-Rabin and Pollard's rho, which
// take milliseconds for any 64-bit number.
constexpr std::int64_t kTrialPrimes = 1000;

constexpr Extended kTwoTo64 = 18446744073709551616.0L;

}  // namespace

WholeFactors FactorWhole(Extended n, TrialPrimeSource primeAt) {
  WholeFactors result;
  if (!(n >= 2) || !std::isfinite(n)) return result;
  // Above 2^64 the 80-bit value is m * 2^k with a 64-bit m: its factors are
  // k twos and those of m.
  if (n >= kTwoTo64) {
    int exponent = 0;
    const Extended mantissa = std::frexp(n, &exponent);  // in [0.5, 1)
    result.factors.assign(static_cast<std::size_t>(exponent - 64), 2);
    n = std::ldexp(mantissa, 64);
  }
  auto rest = static_cast<std::uint64_t>(n);
  for (std::int64_t i = 0; i < kTrialPrimes && rest > 1; ++i) {
    const std::int64_t p = primeAt(i);
    if (p == 0) {
      result.complete = false;
      break;
    }
    const auto prime = static_cast<std::uint64_t>(p);
    if (prime * prime > rest) break;
    while (rest % prime == 0) {
      result.factors.push_back(prime);
      rest /= prime;
    }
  }
  if (result.complete && rest > 1) {
    const std::vector<std::uint64_t> large = PrimeFactors64(rest);
    result.factors.insert(result.factors.end(), large.begin(), large.end());
  }
  std::sort(result.factors.begin(), result.factors.end());
  FinishPrimeRequest();
  return result;
}

Extended SmallestFactor(Extended n) {
  const WholeFactors f = FactorWhole(n);
  return f.factors.empty() ? n : static_cast<Extended>(f.factors.front());
}

void SnapToWhole(Extended& n) {
  if (IsWholeNumber(n, 1e-12L)) n = std::round(n);
}

std::string FactorText(const WholeFactors& f, Extended x) {
  std::string text = x < 0 ? "-" : "";
  for (std::size_t i = 0; i < f.factors.size(); ++i) {
    if (i > 0) text += "*";
    text += std::to_string(f.factors[i]);
  }
  if (!f.complete) {
    // The rest was never factored: it is neither written nor called prime.
    if (!f.factors.empty()) text += "*";
    return text + kFactorisationCancelled;
  }
  if (!f.factors.empty() && NearlyEqual(static_cast<Extended>(f.factors.back()), std::fabs(x)))
    text += "(PZ)";
  return text;
}

std::string PrimeFactorText(Extended x) {
  Extended n = x;
  SnapToWhole(n);
  if (!(std::fabs(n) > 1) || !std::isfinite(n)) return "";
  if (std::fabs(n) > 1e19L)
    ShowMessage(Cp1252("Durch Rundungsfehler der Fließkommazahl ist PFZ möglicherweise nicht korrekt!"));
  return FactorText(FactorWhole(std::fabs(n)), x);
}

}  // namespace lumatik

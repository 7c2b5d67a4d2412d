#include "exact/primes.h"

#include <cmath>

#include "exact/fractions.h"
#include "expr/matherror.h"
#include "shell/codepage.h"
#include "shell/floatformat.h"
#include "shell/luhilf.h"
#include "shell/messagesink.h"

namespace lumatik {

namespace {

struct PrimeTableState {
  std::vector<std::int32_t> primes{2, 3};
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
  // Odd candidates, tried against the stored odd primes up to their root.
  std::int64_t c = state.primes.back();
  for (;;) {
    c += 2;
    bool prime = true;
    for (std::size_t i = 1; i < state.primes.size(); ++i) {
      const std::int64_t p = state.primes[i];
      if (p * p > c) break;
      if (c % p == 0) {
        prime = false;
        break;
      }
    }
    if (prime) break;
  }
  state.primes.push_back(static_cast<std::int32_t>(c));
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
    }
  }
  FinishPrimeRequest();
  return result;
}

Extended SmallestFactor(Extended n) {
  Extended result = n;
  for (std::int64_t i = 0;; ++i) {
    const Extended p = static_cast<Extended>(PrimeAt(i));
    if (p == 0 || p * p > n) break;  // cancelled, table exhausted, or n is prime
    if (NearlyEqual(ModOf(n, p), 0)) {
      result = p;
      break;
    }
  }
  FinishPrimeRequest();
  return result;
}

void SnapToWhole(Extended& n) {
  if (IsWholeNumber(n, 1e-12L)) n = std::round(n);
}

std::string PrimeFactorText(Extended x) {
  Extended n = x;
  SnapToWhole(n);
  if (!(std::fabs(n) > 1) || !std::isfinite(n)) return "";
  if (std::fabs(n) > 1e19L)
    ShowMessage(Cp1252("Durch Rundungsfehler der Fließkommazahl ist PFZ möglicherweise nicht korrekt!"));
  std::string text = n >= 0 ? " " : "-";
  n = std::fabs(n);
  Extended p = 0;
  do {
    p = SmallestFactor(n);
    n = n / p;
    if (text.size() > 1) text += "*";
    text += GeneralFloatText(p, 15);
  } while (n > 1.5L);
  text = Trim(text);
  if (NearlyEqual(p, std::fabs(x))) text += "(PZ)";
  return text;
}

}  // namespace lumatik

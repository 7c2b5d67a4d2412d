#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

// Watches a long extension of the prime table: the calculator shows its
// cancel dialog through it, tests cancel at a chosen count.
class PrimeProgressObserver {
 public:
  virtual ~PrimeProgressObserver() = default;
  // The first report of an extension: the cancel dialog appears.
  virtual void opened() = 0;
  // Every further 1000 primes: show the count, let pending events run.
  virtual void progressed(int primeCount) = 0;
  // Polled right after each progress report.
  virtual bool cancelled() const = 0;
  // The request that started the work is over; the dialog goes away.
  virtual void closed() = 0;
};

void SetPrimeProgressObserver(PrimeProgressObserver* observer);

// The growing table of 32-bit primes: Primes[0] = 2, Primes[1] = 3, ...
const std::vector<std::int32_t>& Primes();
int PrimeCount();  // the highest filled index

// How many primes fit in 32 bits; the table never grows past them.
inline constexpr std::int64_t kPrimesBelow2To31 = 105097565;

// The odd primes p with low <= p < high, ascending; the table grows from
// these stretches. Numbers from 2^31 on are left out.
inline constexpr std::int64_t kPrimeSieveEnd = std::int64_t{1} << 31;
std::vector<std::int32_t> SieveOddPrimes(std::int64_t low, std::int64_t high);

// Appends the next prime. Progress is reported, and cancelling honoured,
// once per 1000 primes.
void NextPrime();
// Back to the table of the program start, {2, 3}: for measurements and tests.
void ResetPrimeTable();
void EnsurePrimes(std::int64_t index);
// The prime with this index, or 0 when cancelled or out of reach.
std::int64_t PrimeAt(std::int64_t index);
// The X-th prime (NthPrime(1) = 2), or 0.
std::int64_t NthPrime(Extended x);
// The smallest prime factor of the whole number n >= 2, or n when it is prime.
Extended SmallestFactor(Extended n);

// The message of a prime request that the user cancelled.
inline constexpr const char* kPrimeTableCancelled = "Primzahlberechnung abgebrochen";

// The prime factors of a whole number n >= 2, ascending and exact up to
// 2^64 (beyond, the 80-bit value is a 64-bit integer times a power of two).
// Trial division reads the prime table through primeAt, whose 0 means the
// user cancelled: then `complete` is false and `factors` holds only the
// primes found before.
struct WholeFactors {
  std::vector<std::uint64_t> factors;
  bool complete = true;
};
using TrialPrimeSource = std::int64_t (*)(std::int64_t index);
WholeFactors FactorWhole(Extended n, TrialPrimeSource primeAt = PrimeAt);

// "-2*2*3", "97(PZ)"; a cancelled factorisation ends in "abgebrochen" after
// the primes it found.
inline constexpr const char* kFactorisationCancelled = "... abgebrochen";
std::string FactorText(const WholeFactors& factors, Extended x);

// Ends a request: the cancel dialog, if one was opened, is closed.
void FinishPrimeRequest();

void SnapToWhole(Extended& n);
// "2*2*3" for 12, "524287(PZ)" for a prime, "" for |X| <= 1.
std::string PrimeFactorText(Extended x);

}  // namespace lumatik

// Factorisation against trial division and GMP's Baillie-PSW test (exact below 2^64).

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "exact/factor64.h"
#include "exact/primes.h"
#include "shell/messagesink.h"

namespace lumatik {
namespace {

using U64 = std::uint64_t;
using Factors = std::vector<U64>;

bool IsPrimeByTrialDivision(U64 n) {
  if (n < 2 || (n % 2 == 0 && n != 2)) return false;
  for (U64 d = 3; d * d <= n; d += 2)
    if (n % d == 0) return false;
  return true;
}

bool IsPrimeReference(U64 n) {
  mpz_class z;
  mpz_import(z.get_mpz_t(), 1, 1, sizeof n, 0, 0, &n);
  return mpz_probab_prime_p(z.get_mpz_t(), 25) > 0;
}

U64 NextPrimeReference(U64 n) {
  while (!IsPrimeReference(n)) ++n;
  return n;
}

// Every factor a prime, ascending, and together the number.
void ExpectFactorisationOf(U64 n, const Factors& factors) {
  ASSERT_FALSE(factors.empty()) << n;
  unsigned __int128 product = 1;
  for (std::size_t i = 0; i < factors.size(); ++i) {
    EXPECT_TRUE(IsPrimeReference(factors[i])) << n << ": factor " << factors[i];
    EXPECT_TRUE(i == 0 || factors[i - 1] <= factors[i]) << n;
    product *= factors[i];
  }
  EXPECT_TRUE(product == n) << n;
}

Factors Factor(U64 n) { return FactorWhole(static_cast<Extended>(n)).factors; }

TEST(MillerRabin, AgreesWithTrialDivisionBelow2To20) {
  for (U64 n = 0; n < (1u << 20); ++n) ASSERT_EQ(IsPrime64(n), IsPrimeByTrialDivision(n)) << n;
}

// Carmichael numbers, the smallest strong pseudoprimes to the bases 2, 2..3, 2..5, ..., 2..23,
// the 500 numbers below 2^63 and below 2^64, and random numbers near 2^63.
TEST(MillerRabin, AgreesWithBailliePswNear2To63) {
  Factors numbers{561,     1105,       41041,         825265,        2047,            1373653,
                  25326001, 3215031751, 2152302898747, 3474749660383, 341550071728321, 3825123056546413051};
  for (U64 k = 1; k <= 500; ++k) numbers.insert(numbers.end(), {(U64{1} << 63) - k, 0 - k});
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 3000; ++i) numbers.push_back((U64{1} << 63) + (random() % (U64{1} << 40)) - (U64{1} << 39));
  for (const U64 n : numbers) ASSERT_EQ(IsPrime64(n), IsPrimeReference(n)) << n;
  EXPECT_EQ(PrimeFactors64(3825123056546413051ull), (Factors{149491, 747451, 34233211}));
}

TEST(Factorisation, EveryNumberNear2To63) {
  for (U64 k = 1; k <= 300; ++k) {
    const U64 n = (U64{1} << 63) - k;
    ExpectFactorisationOf(n, Factor(n));
  }
}

TEST(Factorisation, SemiprimesOfNineDigitAndThirtyTwoBitPrimes) {
  std::mt19937_64 random(11);
  for (int round = 0; round < 60; ++round) {
    const U64 limit = round % 2 == 0 ? 1000000000 : 4294967295u;
    const U64 p = NextPrimeReference(limit / 2 + random() % (limit / 2));
    // Every third pair are neighbours, the hardest case for difference methods.
    const U64 q =
        round % 3 == 0 ? NextPrimeReference(p + 1) : NextPrimeReference(limit / 2 + random() % (limit / 2));
    ASSERT_EQ(Factor(p * q), (Factors{std::min(p, q), std::max(p, q)})) << p << "*" << q;
    ASSERT_EQ(Factor(p * p), (Factors{p, p})) << p << "^2";
  }
}

TEST(Factorisation, Random64BitNumbers) {
  std::mt19937_64 random(17);
  for (int round = 0; round < 1500; ++round) {
    const U64 n = 2 + random() % (~U64{0} - 2);
    ExpectFactorisationOf(n, Factor(n));
  }
}

// The text of "PFZ".
TEST(PrimeFactorText, Writes) {
  const std::pair<Extended, const char*> cases[] = {{-(1e16L + 61), "-10000000000000061(PZ)"},
                                                    {9223372036854775783.0L, "9223372036854775783(PZ)"},
                                                    {2.0L * 3 * 1000003 * 1000003, "2*3*1000003*1000003"}};
  for (const auto& [x, text] : cases) EXPECT_EQ(PrimeFactorText(x), text) << text;
  // Above 2^64 the value is a power of two times a 64-bit number.
  SetMessageSink([](const std::string&) {});
  std::string expected;
  for (int i = 0; i < 70; ++i) expected += "2*";
  EXPECT_EQ(PrimeFactorText(std::ldexp(static_cast<Extended>(1e16L + 61), 70)), expected + "10000000000000061");
  SetMessageSink(nullptr);
}

// A source of trial primes that the user cancels after the third prime.
std::int64_t CancelledAfterThree(std::int64_t index) { return index < 3 ? PrimeAt(index) : 0; }

TEST(PrimeFactorText, ACancelledFactorisationSaysSoAndWritesNoRest) {
  const Extended n = 2.0L * 3 * 5 * 7 * 1000003;
  const WholeFactors f = FactorWhole(n, CancelledAfterThree);
  EXPECT_FALSE(f.complete);
  EXPECT_EQ(f.factors, (Factors{2, 3, 5}));
  EXPECT_EQ(FactorText(f, n), "2*3*5*... abgebrochen");
  // A prime cancelled before any factor is found is not called prime.
  const Extended prime = 1000003;
  EXPECT_EQ(FactorText(FactorWhole(prime, CancelledAfterThree), prime), "... abgebrochen");
  EXPECT_EQ(FactorText(FactorWhole(prime * 49, CancelledAfterThree), -prime * 49), "-... abgebrochen");
}

}  // namespace
}  // namespace lumatik

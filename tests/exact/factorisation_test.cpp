// Factorisation against independent references: numbers built from primes
// that trial division proves, random 64-bit numbers whose factors are
// checked by trial division or by the Baillie-PSW test (base-2 strong
// pseudoprime plus strong Lucas, without a counterexample below 2^64), and
// the published primes just below 2^63 and 2^64.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "exact/factor64.h"
#include "exact/primes.h"
#include "shell/messagesink.h"

namespace lumatik {
namespace {

using Wide = unsigned __int128;
using Factors = std::vector<std::uint64_t>;

bool IsPrimeByTrialDivision(std::uint64_t n) {
  if (n < 2 || (n % 2 == 0 && n != 2)) return false;
  for (std::uint64_t d = 3; d * d <= n; d += 2)
    if (n % d == 0) return false;
  return true;
}

using U64 = std::uint64_t;
U64 MulMod(U64 a, U64 b, U64 m) { return static_cast<U64>(static_cast<Wide>(a) * b % m); }
U64 AddMod(U64 a, U64 b, U64 m) { return static_cast<U64>((static_cast<Wide>(a) + b) % m); }
U64 SubMod(U64 a, U64 b, U64 m) { return a >= b ? a - b : static_cast<U64>(static_cast<Wide>(a) + m - b); }
U64 HalfMod(U64 a, U64 m) { return a % 2 == 0 ? a / 2 : static_cast<U64>((static_cast<Wide>(a) + m) / 2); }  // m odd

std::uint64_t PowMod(std::uint64_t b, std::uint64_t e, std::uint64_t m) {
  std::uint64_t r = 1 % m;
  for (b %= m; e > 0; e >>= 1, b = MulMod(b, b, m))
    if (e & 1) r = MulMod(r, b, m);
  return r;
}

bool IsStrongProbablePrimeBase2(std::uint64_t n) {
  std::uint64_t d = n - 1;
  int s = 0;
  for (; d % 2 == 0; d /= 2) ++s;
  std::uint64_t x = PowMod(2, d, n);
  if (x == 1 || x == n - 1) return true;
  for (int r = 1; r < s; ++r)
    if ((x = MulMod(x, x, n)) == n - 1) return true;
  return false;
}

int Jacobi(std::int64_t a, std::uint64_t n) {  // n odd
  const std::uint64_t magnitude = static_cast<std::uint64_t>(a < 0 ? -a : a) % n;
  std::uint64_t x = a < 0 && magnitude != 0 ? n - magnitude : magnitude;
  int result = 1;
  while (x != 0) {
    while (x % 2 == 0) {
      x /= 2;
      if (n % 8 == 3 || n % 8 == 5) result = -result;
    }
    std::swap(x, n);
    if (x % 4 == 3 && n % 4 == 3) result = -result;
    x %= n;
  }
  return n == 1 ? result : 0;
}

// The strong Lucas test with Selfridge's parameters P = 1, Q = (1 - D) / 4.
bool IsStrongLucasProbablePrime(std::uint64_t n) {
  const auto root = static_cast<std::uint64_t>(std::sqrt(static_cast<long double>(n)));
  for (std::uint64_t r = root > 0 ? root - 1 : 0; r <= root + 1; ++r)
    if (static_cast<Wide>(r) * r == n) return false;
  std::int64_t d = 5;
  while (Jacobi(d, n) != -1) d = d > 0 ? -(d + 2) : -(d - 2);
  const auto modN = [n](std::int64_t v) {
    const std::uint64_t magnitude = static_cast<std::uint64_t>(v < 0 ? -v : v) % n;
    return v < 0 && magnitude != 0 ? n - magnitude : magnitude;
  };
  const std::uint64_t dm = modN(d), q = modN((1 - d) / 4);
  std::uint64_t k = n + 1;  // n < 2^64 - 1 for every n this test sees
  int s = 0;
  for (; k % 2 == 0; k /= 2) ++s;
  std::uint64_t u = 1, v = 1, qk = q;  // v starts as P
  int bits = 63;
  while (((k >> bits) & 1) == 0) --bits;
  for (int b = bits - 1; b >= 0; --b) {
    u = MulMod(u, v, n);
    v = SubMod(MulMod(v, v, n), AddMod(qk, qk, n), n);
    qk = MulMod(qk, qk, n);
    if ((k >> b) & 1) {
      std::tie(u, v) = std::pair(HalfMod(AddMod(u, v, n), n), HalfMod(AddMod(MulMod(dm, u, n), v, n), n));
      qk = MulMod(qk, q, n);
    }
  }
  if (u == 0 || v == 0) return true;
  for (int r = 1; r < s; ++r) {
    v = SubMod(MulMod(v, v, n), AddMod(qk, qk, n), n);
    qk = MulMod(qk, qk, n);
    if (v == 0) return true;
  }
  return false;
}

bool IsPrimeReference(std::uint64_t n) {
  if (n < (std::uint64_t{1} << 40)) return IsPrimeByTrialDivision(n);
  return n % 2 != 0 && IsStrongProbablePrimeBase2(n) && IsStrongLucasProbablePrime(n);
}

std::uint64_t NextPrimeReference(std::uint64_t n) {
  while (!IsPrimeReference(n)) ++n;
  return n;
}

// Every factor a prime, ascending, and together the number.
void ExpectFactorisationOf(std::uint64_t n, const Factors& factors) {
  ASSERT_FALSE(factors.empty()) << n;
  Wide product = 1;
  for (std::size_t i = 0; i < factors.size(); ++i) {
    EXPECT_TRUE(IsPrimeReference(factors[i])) << n << ": factor " << factors[i];
    EXPECT_TRUE(i == 0 || factors[i - 1] <= factors[i]) << n;
    product *= factors[i];
  }
  EXPECT_TRUE(product == n) << n;
}

Factors Factor(std::uint64_t n) { return FactorWhole(static_cast<Extended>(n)).factors; }

TEST(FactorisationReference, LucasTestAgreesWithTrialDivision) {
  for (std::uint64_t n = 3; n < 200000; n += 2) {
    const bool prime = IsPrimeByTrialDivision(n);
    ASSERT_EQ(IsStrongProbablePrimeBase2(n) && IsStrongLucasProbablePrime(n), prime) << n;
  }
}

TEST(MillerRabin, AgreesWithTrialDivisionBelow2To20) {
  for (std::uint64_t n = 0; n < (1u << 20); ++n) ASSERT_EQ(IsPrime64(n), IsPrimeByTrialDivision(n)) << n;
}

TEST(MillerRabin, StrongPseudoprimesAndCarmichaelNumbersAreComposite) {
  // Carmichael numbers, then the smallest strong pseudoprimes to the bases
  // 2, 2..3, 2..5, ..., 2..23.
  for (std::uint64_t n : {561ull, 1105ull, 41041ull, 825265ull, 2047ull, 1373653ull, 25326001ull,
                          3215031751ull, 2152302898747ull, 3474749660383ull, 341550071728321ull,
                          3825123056546413051ull})
    EXPECT_FALSE(IsPrime64(n)) << n;
  EXPECT_EQ(PrimeFactors64(3825123056546413051ull), (Factors{149491, 747451, 34233211}));
}

TEST(MillerRabin, PublishedPrimesBelow2To63And2To64) {
  const std::vector<std::uint64_t> below63 = {25, 165, 259, 301, 375, 387, 391, 409, 457, 471};
  const std::vector<std::uint64_t> below64 = {59, 83, 95, 179, 189, 257, 279, 323, 353, 363};
  std::vector<std::uint64_t> found63;
  std::vector<std::uint64_t> found64;
  for (std::uint64_t k = 1; k <= 471; ++k)
    if (IsPrime64((std::uint64_t{1} << 63) - k)) found63.push_back(k);
  for (std::uint64_t k = 1; k <= 363; ++k)
    if (IsPrime64(~std::uint64_t{0} - k + 1)) found64.push_back(k);
  EXPECT_EQ(found63, below63);
  EXPECT_EQ(found64, below64);
}

TEST(MillerRabin, AgreesWithBailliePswNear2To63) {
  std::mt19937_64 random(20240611);
  for (int i = 0; i < 3000; ++i) {
    const std::uint64_t n = (std::uint64_t{1} << 63) + (random() % (std::uint64_t{1} << 40)) -
                            (std::uint64_t{1} << 39);
    ASSERT_EQ(IsPrime64(n), IsPrimeReference(n)) << n;
  }
}

TEST(Factorisation, EveryNumberNear2To63) {
  for (std::uint64_t k = 1; k <= 300; ++k) {
    const std::uint64_t n = (std::uint64_t{1} << 63) - k;
    ExpectFactorisationOf(n, Factor(n));
  }
}

TEST(Factorisation, SemiprimesOfNineDigitAndThirtyTwoBitPrimes) {
  std::mt19937_64 random(11);
  for (int round = 0; round < 60; ++round) {
    const std::uint64_t limit = round % 2 == 0 ? 1000000000 : 4294967295u;
    const std::uint64_t p = NextPrimeReference(limit / 2 + random() % (limit / 2));
    // Every third pair are neighbours, the hardest case for difference methods.
    const std::uint64_t q =
        round % 3 == 0 ? NextPrimeReference(p + 1) : NextPrimeReference(limit / 2 + random() % (limit / 2));
    ASSERT_EQ(Factor(p * q), (Factors{std::min(p, q), std::max(p, q)})) << p << "*" << q;
    ASSERT_EQ(Factor(p * p), (Factors{p, p})) << p << "^2";
  }
}

TEST(Factorisation, Random64BitNumbers) {
  std::mt19937_64 random(17);
  for (int round = 0; round < 1500; ++round) {
    const std::uint64_t n = 2 + random() % (~std::uint64_t{0} - 2);
    ExpectFactorisationOf(n, Factor(n));
  }
}

// The text of "PFZ".
TEST(PrimeFactorText, Writes) {
  const std::pair<Extended, const char*> cases[] = {
      {1e16L + 61, "10000000000000061(PZ)"},
      {-(1e16L + 61), "-10000000000000061(PZ)"},
      {2305843009213693951.0L, "2305843009213693951(PZ)"},
      {9223372036854775783.0L, "9223372036854775783(PZ)"},
      {999999937.0L * 999999929.0L, "999999929*999999937"},
      {4294967291.0L * 4294967291.0L, "4294967291*4294967291"},
      {1e18L, "2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*2*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5*5"},
      {2.0L * 3 * 1000003 * 1000003, "2*3*1000003*1000003"},
      {360, "2*2*2*3*3*5"},
      {97, "97(PZ)"}};
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

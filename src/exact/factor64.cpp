#include "exact/factor64.h"

#include <algorithm>
#include <numeric>

namespace lumatik {

namespace {

using Wide = unsigned __int128;

std::uint64_t MulMod(std::uint64_t a, std::uint64_t b, std::uint64_t m) {
  return static_cast<std::uint64_t>(static_cast<Wide>(a) * b % m);
}

std::uint64_t PowMod(std::uint64_t base, std::uint64_t exponent, std::uint64_t m) {
  std::uint64_t result = 1 % m;
  base %= m;
  while (exponent > 0) {
    if (exponent & 1) result = MulMod(result, base, m);
    base = MulMod(base, base, m);
    exponent >>= 1;
  }
  return result;
}

constexpr std::uint64_t kWitnesses[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37};

// One strong-pseudoprime round: n - 1 = d * 2^s with d odd.
bool PassesRound(std::uint64_t n, std::uint64_t a, std::uint64_t d, int s) {
  std::uint64_t x = PowMod(a, d, n);
  if (x == 1 || x == n - 1) return true;
  for (int r = 1; r < s; ++r) {
    x = MulMod(x, x, n);
    if (x == n - 1) return true;
  }
  return false;
}

std::uint64_t Difference(std::uint64_t a, std::uint64_t b) { return a > b ? a - b : b - a; }

// Brent's cycle search on x -> x^2 + c; the products of 128 differences
// share one gcd. Returns a divisor of n, which is n itself when this c
// fails (the caller then tries the next c).
std::uint64_t BrentDivisor(std::uint64_t n, std::uint64_t c) {
  auto step = [n, c](std::uint64_t v) {
    return static_cast<std::uint64_t>((static_cast<Wide>(v) * v + c) % n);
  };
  constexpr std::uint64_t kBatch = 128;
  std::uint64_t y = 2;
  std::uint64_t x = y;
  std::uint64_t saved = y;
  std::uint64_t g = 1;
  std::uint64_t q = 1;
  for (std::uint64_t r = 1; g == 1; r *= 2) {
    x = y;
    for (std::uint64_t i = 0; i < r; ++i) y = step(y);
    for (std::uint64_t k = 0; k < r && g == 1; k += kBatch) {
      saved = y;
      for (std::uint64_t i = 0; i < std::min(kBatch, r - k); ++i) {
        y = step(y);
        q = MulMod(q, Difference(x, y), n);
      }
      g = std::gcd(q, n);
    }
  }
  if (g == n) {
    // The batch overshot: walk it again one difference at a time.
    do {
      saved = step(saved);
      g = std::gcd(Difference(x, saved), n);
    } while (g == 1);
  }
  return g;
}

std::uint64_t IntegerSquareRoot(std::uint64_t n) {
  std::uint64_t r = 0;
  for (std::uint64_t bit = std::uint64_t{1} << 31; bit > 0; bit >>= 1)
    if (static_cast<Wide>(r + bit) * (r + bit) <= n) r += bit;
  return r;
}

void CollectFactors(std::uint64_t n, std::vector<std::uint64_t>& factors) {
  if (n < 2) return;
  if (IsPrime64(n)) {
    factors.push_back(n);
    return;
  }
  if (n % 2 == 0) {
    factors.push_back(2);
    CollectFactors(n / 2, factors);
    return;
  }
  // The rho walk meets a square's two equal factors together; take the root.
  const std::uint64_t root = IntegerSquareRoot(n);
  if (root * root == n) {
    CollectFactors(root, factors);
    CollectFactors(root, factors);
    return;
  }
  std::uint64_t divisor = n;
  for (std::uint64_t c = 1; divisor == n; ++c) divisor = BrentDivisor(n, c);
  CollectFactors(divisor, factors);
  CollectFactors(n / divisor, factors);
}

}  // namespace

bool IsPrime64(std::uint64_t n) {
  if (n < 2) return false;
  for (const std::uint64_t p : kWitnesses) {
    if (n == p) return true;
    if (n % p == 0) return false;
  }
  std::uint64_t d = n - 1;
  int s = 0;
  while (d % 2 == 0) {
    d /= 2;
    ++s;
  }
  for (const std::uint64_t a : kWitnesses)
    if (!PassesRound(n, a, d, s)) return false;
  return true;
}

std::vector<std::uint64_t> PrimeFactors64(std::uint64_t n) {
  std::vector<std::uint64_t> factors;
  CollectFactors(n, factors);
  std::sort(factors.begin(), factors.end());
  return factors;
}

}  // namespace lumatik

#include "worksheet/small_rational.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "exact/fractions.h"

namespace lumatik {

namespace {

using Int = __int128;
using UInt = unsigned __int128;

// Numerators and denominators stay below 2^120, so that negating and the
// first product of two of them can be checked by the compiler's overflow
// built-ins without a corner case at the most negative value.
constexpr Int kLimit = Int(1) << 120;

// A typed fraction reproduces its value to a few units in the last place.
// Any value comes that close to some fraction whose denominator is about
// 1/sqrt(tolerance), so only denominators well below that count as
// evidence (a chance of about 1e-4 for an irrational value) - and decimals
// with up to eight places, whose denominators divide 10^8.
bool IsTypedDenominator(Extended den, Extended tolerance) {
  if (den <= std::sqrt(1e-4L / tolerance)) return true;
  if (!(den <= 1e8L)) return false;
  return static_cast<long long>(100000000) % static_cast<long long>(den) == 0;
}

Int AbsOf(Int v) { return v < 0 ? -v : v; }

Int Gcd(Int a, Int b) {
  a = AbsOf(a);
  b = AbsOf(b);
  while (b != 0) {
    const Int r = a % b;
    a = b;
    b = r;
  }
  return a;
}

bool InRange(Int v) { return v < kLimit && v > -kLimit; }

// The integer n-th root (n = 2 or 3) of a non-negative value, if it has one.
std::optional<Int> ExactRoot(Int v, int n) {
  if (v < 0) return std::nullopt;
  const Extended estimate = n == 2 ? std::sqrt(static_cast<Extended>(v)) : std::cbrt(static_cast<Extended>(v));
  const Int guess = static_cast<Int>(std::nearbyint(estimate));
  // The estimate is off by at most one; check its neighbours exactly.
  for (Int r = guess > 0 ? guess - 1 : 0; r <= guess + 1; ++r) {
    const UInt ur = static_cast<UInt>(r);
    const UInt power = n == 2 ? ur * ur : ur * ur * ur;
    if (power == static_cast<UInt>(v)) return r;
  }
  return std::nullopt;
}

}  // namespace

std::optional<SmallRational> SmallRational::Make(Int num, Int den) {
  if (den == 0) return std::nullopt;
  const Int g = Gcd(num, den);
  if (g > 1) {
    num /= g;
    den /= g;
  }
  if (den < 0) {
    num = -num;
    den = -den;
  }
  if (!InRange(num) || !InRange(den)) return std::nullopt;
  SmallRational r;
  r.num_ = num;
  r.den_ = den;
  return r;
}

Extended SmallRational::value() const { return static_cast<Extended>(num_) / static_cast<Extended>(den_); }

SmallRational SmallRational::negated() const {
  SmallRational r = *this;
  r.num_ = -num_;
  return r;
}

std::optional<SmallRational> SmallRational::squareRoot() const {
  const std::optional<Int> n = ExactRoot(num_, 2);
  const std::optional<Int> d = ExactRoot(den_, 2);
  if (!n || !d) return std::nullopt;
  return Make(*n, *d);
}

std::optional<SmallRational> SmallRational::cubeRoot() const {
  const std::optional<Int> n = ExactRoot(AbsOf(num_), 3);
  const std::optional<Int> d = ExactRoot(den_, 3);
  if (!n || !d) return std::nullopt;
  return Make(num_ < 0 ? -*n : *n, *d);
}

std::optional<SmallRational> Sum(const SmallRational& a, const SmallRational& b) {
  // a/b + c/d over the least common denominator keeps the numbers small.
  const Int g = Gcd(a.den(), b.den());
  const Int bOverG = b.den() / g;
  const Int aOverG = a.den() / g;
  Int left = 0;
  Int right = 0;
  Int num = 0;
  Int den = 0;
  if (__builtin_mul_overflow(a.num(), bOverG, &left) || __builtin_mul_overflow(b.num(), aOverG, &right) ||
      __builtin_add_overflow(left, right, &num) || __builtin_mul_overflow(a.den(), bOverG, &den)) {
    return std::nullopt;
  }
  return SmallRational::Make(num, den);
}

std::optional<SmallRational> Difference(const SmallRational& a, const SmallRational& b) {
  return Sum(a, b.negated());
}

std::optional<SmallRational> Product(const SmallRational& a, const SmallRational& b) {
  // Cancel crosswise first, so that the products hold no common factor.
  const Int g1 = Gcd(a.num(), b.den());
  const Int g2 = Gcd(b.num(), a.den());
  const Int n1 = g1 > 1 ? a.num() / g1 : a.num();
  const Int d2 = g1 > 1 ? b.den() / g1 : b.den();
  const Int n2 = g2 > 1 ? b.num() / g2 : b.num();
  const Int d1 = g2 > 1 ? a.den() / g2 : a.den();
  Int num = 0;
  Int den = 0;
  if (__builtin_mul_overflow(n1, n2, &num) || __builtin_mul_overflow(d1, d2, &den)) return std::nullopt;
  return SmallRational::Make(num, den);
}

std::optional<SmallRational> Quotient(const SmallRational& a, const SmallRational& b) {
  if (b.sign() == 0) return std::nullopt;
  const std::optional<SmallRational> inverse = SmallRational::Make(b.den(), b.num());
  if (!inverse) return std::nullopt;
  return Product(a, *inverse);
}

std::optional<SmallRational> RecogniseSmallFraction(Extended x) {
  if (!std::isfinite(x)) return std::nullopt;
  // Integers up to 2^63 are exact extended values.
  if (x == std::trunc(x) && std::fabs(x) < 9.2e18L) return SmallRational(static_cast<long long>(x));
  Extended num = 0;
  Extended den = 0;
  // The tolerance of the fraction search: 1e-18, or eight units in the last place.
  const Extended ax = std::fabs(x);
  const Extended tolerance = std::max(1e-18L, 8 * (std::nextafter(ax, std::numeric_limits<Extended>::infinity()) - ax));
  if (!FindFraction(num, den, x, 1e-18L) || !IsTypedDenominator(den, tolerance)) return std::nullopt;
  return SmallRational::Make(static_cast<Int>(num), static_cast<Int>(den));
}

}  // namespace lumatik

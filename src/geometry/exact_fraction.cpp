#include "geometry/exact_fraction.h"

#include <cmath>
#include <stdexcept>

#include "exact/fractions.h"

namespace lumatik {

namespace {

// Typed values whose fraction the display would not print are no exact
// input either: beyond this a convergent can stand in for an irrational.
constexpr Extended kLargestTypedFraction = 1e14L;

void FailOnOverflow(bool overflow) {
  if (overflow) throw ExactOverflow();
}

Int128 Mul(Int128 a, Int128 b) {
  Int128 r = 0;
  FailOnOverflow(__builtin_mul_overflow(a, b, &r));
  return r;
}

Int128 Add(Int128 a, Int128 b) {
  Int128 r = 0;
  FailOnOverflow(__builtin_add_overflow(a, b, &r));
  return r;
}

Int128 Sub(Int128 a, Int128 b) {
  Int128 r = 0;
  FailOnOverflow(__builtin_sub_overflow(a, b, &r));
  return r;
}

Int128 Abs(Int128 a) { return a < 0 ? Sub(0, a) : a; }

Int128 Gcd(Int128 a, Int128 b) {
  a = Abs(a);
  b = Abs(b);
  while (b != 0) {
    const Int128 r = a % b;
    a = b;
    b = r;
  }
  return a;
}

// The integer square root of n >= 0 when n is a square. The extended
// estimate is within a unit of it for any 128-bit n.
std::optional<Int128> SquareRootOf(Int128 n) {
  const Int128 estimate = static_cast<Int128>(std::sqrt(static_cast<long double>(n)));
  for (Int128 r = estimate > 2 ? estimate - 2 : 0; r <= estimate + 2; ++r) {
    Int128 square = 0;
    if (!__builtin_mul_overflow(r, r, &square) && square == n) return r;
  }
  return std::nullopt;
}

}  // namespace

ExactFraction::ExactFraction(Int128 num, Int128 den) {
  if (den == 0) throw std::domain_error("Div. durch Null");
  if (den < 0) {
    num = Sub(0, num);
    den = Sub(0, den);
  }
  const Int128 g = Gcd(num, den);
  num_ = g > 1 ? num / g : num;
  den_ = g > 1 ? den / g : den;
  if (num_ == 0) den_ = 1;
}

std::optional<ExactFraction> ExactFraction::FromExtended(Extended x) {
  if (x == 0) return ExactFraction(0);
  if (!std::isfinite(x)) return std::nullopt;
  Extended num = 0;
  Extended den = 0;
  if (!FindFraction(num, den, x, 1e-18L)) return std::nullopt;
  if (!(std::fabs(num * den) <= kLargestTypedFraction) || num / den != x) return std::nullopt;
  return ExactFraction(static_cast<Int128>(std::llround(num)), static_cast<Int128>(std::llround(den)));
}

Extended ExactFraction::value() const {
  if (num_ == 0) return 0;
  return static_cast<Extended>(num_) / static_cast<Extended>(den_);
}

ExactFraction operator+(const ExactFraction& a, const ExactFraction& b) {
  // Over the least common denominator, so sums of fractions with the same
  // denominator do not grow.
  const Int128 g = Gcd(a.den_, b.den_);
  const Int128 da = a.den_ / g;
  const Int128 db = b.den_ / g;
  return ExactFraction(Add(Mul(a.num_, db), Mul(b.num_, da)), Mul(a.den_, db));
}

ExactFraction operator-(const ExactFraction& a, const ExactFraction& b) { return a + (-b); }

ExactFraction operator*(const ExactFraction& a, const ExactFraction& b) {
  // Cancelling crosswise first keeps the products small.
  const Int128 g1 = Gcd(a.num_, b.den_);
  const Int128 g2 = Gcd(b.num_, a.den_);
  const Int128 n1 = g1 > 1 ? a.num_ / g1 : a.num_;
  const Int128 d2 = g1 > 1 ? b.den_ / g1 : b.den_;
  const Int128 n2 = g2 > 1 ? b.num_ / g2 : b.num_;
  const Int128 d1 = g2 > 1 ? a.den_ / g2 : a.den_;
  return ExactFraction(Mul(n1, n2), Mul(d1, d2));
}

ExactFraction operator/(const ExactFraction& a, const ExactFraction& b) {
  if (b.num_ == 0) throw std::domain_error("Div. durch Null");
  return a * ExactFraction(b.den_, b.num_);
}

ExactFraction ExactFraction::operator-() const { return ExactFraction(Sub(0, num_), den_); }

std::optional<ExactFraction> ExactFraction::exactSquareRoot() const {
  if (num_ < 0) return std::nullopt;
  const std::optional<Int128> n = SquareRootOf(num_);
  const std::optional<Int128> d = SquareRootOf(den_);
  if (!n || !d) return std::nullopt;
  return ExactFraction(*n, *d);
}

}  // namespace lumatik

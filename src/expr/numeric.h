#pragma once

#include <cmath>
#include <string>

#include "shell/extended.h"

namespace lumatik {

class CompiledTerm;

// Division with the engine's zero test: a divisor below 1e-15 in absolute
// value gives 0 and "Div. durch Null".
Extended DivChecked(Extended dividend, Extended divisor);

// The operator "^"; a power that cannot be computed raises EMathError.
Extended PowerOf(Extended base, Extended exponent);
Extended IntPower(Extended base, long long n);
// The same powers without exceptions: false where the above raise or throw.
bool TryPowerOf(Extended base, Extended exponent, Extended& result);

// Repeated squaring; inline, since the compiled terms run it per point.
inline bool TryIntPower(Extended base, long long n, Extended& result) {
  if (n < 0) {
    Extended denominator = 0;
    if (!TryIntPower(base, -n, denominator) || denominator == 0) return false;
    result = 1 / denominator;
    return true;
  }
  Extended r = 1;
  while (n > 0) {
    if (n % 2 == 1) {
      r *= base;
      if (!std::isfinite(r)) return false;
      --n;
    } else {
      base *= base;
      if (!std::isfinite(base)) return false;
      n /= 2;
    }
  }
  result = r;
  return true;
}

// Checked elementary functions: a domain error sets the message and gives 0.
Extended LnChecked(Extended a);
Extended ArcSinChecked(Extended a);
Extended ArcCosChecked(Extended a);
Extended TanChecked(Extended a);
Extended FloorOf(Extended a);
int SignOf(Extended a);

Extended Factorial(Extended a);
Extended Binom(Extended n, Extended k);
Extended BinomProb(Extended n, Extended p, Extended k);
Extended BinomSum(Extended n, Extended p, Extended k);
Extended AgmOf(Extended m, Extended a);
Extended PhiOf(Extended a);
Extended GaussSumOf(Extended a);

// The slope f'(x): exact by automatic differentiation where the compiled
// term gives it, else a central difference with DifferenceStep(x).
Extended NumDerivative(const std::string& term, Extended x);
// The same with the term's compiled form, for callers that hold it.
Extended NumDerivative(const CompiledTerm& term, Extended x);
Extended SimpsonIntegral(const std::string& term, int n, Extended a, Extended b);

// The step of a central difference quotient for f'(x) in extended
// precision: cbrt(epsilon)·max(1, |x|), where the quotient's truncation
// error and the values' rounding seen through the step are about equal.
inline Extended DifferenceStep(Extended x) {
  constexpr Extended kCubeRootEpsilon = 4.7683715820312500e-7L;  // cbrt(2^-63) = 2^-21
  return kCubeRootEpsilon * (std::fabs(x) > 1 ? std::fabs(x) : 1);
}

// 0 within 1e-12 of zero, otherwise the square root; a clearly negative
// value raises std::domain_error.
Extended SqrtTol(Extended a);
void SnapToInteger(Extended& x, Extended eps);
Extended MaxOf(Extended a, Extended b);
Extended LcmOf(Extended a, Extended b);
void CrossProduct(Extended a1, Extended a2, Extended a3, Extended b1, Extended b2, Extended b3,
                  Extended& c1, Extended& c2, Extended& c3);

}  // namespace lumatik

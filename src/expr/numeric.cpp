#include "expr/numeric.h"

#include <cmath>
#include <stdexcept>

#include "exact/fractions.h"
#include "expr/compiled_term.h"
#include "expr/evaluate.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "shell/messagesink.h"

namespace lumatik {

namespace {

// The floating-point unit of the engine's world raises on overflow and
// invalid operations; here a non-finite result stands for that exception.
Extended Finite(Extended value) {
  if (!std::isfinite(value)) throw std::overflow_error("Gleitkomma\xFC" "berlauf");
  return value;
}

}  // namespace

Extended DivChecked(Extended dividend, Extended divisor) {
  if (std::fabs(divisor) < 1e-15L) {
    SetMathError("Div. durch Null");
    return 0;
  }
  return Finite(dividend / divisor);
}

Extended IntPower(Extended base, long long n) {
  Extended result = 0;
  if (!TryIntPower(base, n, result)) throw std::overflow_error("Gleitkomma\xFC" "berlauf");
  return result;
}

bool TryPowerOf(Extended base, Extended exponent, Extended& result) {
  if (exponent == 0) {
    result = 1;
    return true;
  }
  if (base == 0 && exponent > 0) {
    result = 0;
    return true;
  }
  if (IsWholeNumber(exponent, 1e-18L) && std::fabs(exponent) <= 2147483647.0L)
    return TryIntPower(base, static_cast<long long>(std::nearbyint(exponent)), result);
  if (base <= 0) return false;
  result = std::exp(exponent * std::log(base));
  return std::isfinite(result);
}

Extended PowerOf(Extended base, Extended exponent) {
  Extended result = 0;
  if (!TryPowerOf(base, exponent, result)) RaiseMathError("Potenzieren");
  return result;
}

Extended LnChecked(Extended a) {
  if (a < 1e-15L) {
    SetMathError("Logarithmus von " + GeneralFloatText(a, 15));
    return 0;
  }
  return std::log(a);
}

Extended ArcSinChecked(Extended a) {
  if (std::fabs(a - 1) < 1e-15L) return kPi / 2;
  if (std::fabs(a + 1) < 1e-15L) return -kPi / 2;
  if (a * a >= 1) {
    SetMathError("asn" + GeneralFloatText(a, 15));
    return 0;
  }
  return std::atan2(a, std::sqrt(1 - a * a));
}

Extended ArcCosChecked(Extended a) {
  if (std::fabs(a - 1) < 1e-15L) return 0;
  if (std::fabs(a + 1) < 1e-15L) return kPi;
  if (a * a >= 1) {
    SetMathError("acs" + GeneralFloatText(a, 15));
    return 0;
  }
  return std::atan2(std::sqrt(1 - a * a), a);
}

Extended TanChecked(Extended a) {
  const Extended c = std::cos(a);
  if (c == 0) {
    SetMathError("tan" + GeneralFloatText(a, 15));
    return 0;
  }
  return Finite(std::sin(a) / c);
}

Extended FloorOf(Extended a) {
  const Extended t = std::trunc(a);
  return a >= t ? t : t - 1;
}

int SignOf(Extended a) { return a >= 0 ? 1 : -1; }

Extended Factorial(Extended a) {
  // a * (a-1) * ... down to the last factor above 1, multiplied from the
  // smallest factor up. An argument beyond 1754 overflows within about 1755
  // factors, so the loop ends quickly even for huge arguments.
  if (a <= 1) return 1;
  // Beyond 2000 the product has every factor of 2000! and cannot be held.
  if (a > 2000) throw std::overflow_error("Gleitkomma\xFC" "berlauf");
  const Extended lastIndex = std::ceil(a - 1) - 1;  // largest k with a - k > 1
  Extended product = 1;
  for (Extended k = lastIndex; k >= 0; k -= 1) product = Finite(product * (a - k));
  return product;
}

namespace {

// Levels of the binomial recursion beyond which it is refused; a school
// problem needs a few thousand at most.
constexpr Extended kMaxBinomLevels = 10000000;

}  // namespace

Extended Binom(Extended n, Extended k) {
  // n over k for 0 <= k <= n, rounded to a whole number at every level of
  // the recursion (n-j over k-j) as the engine always did. Outside that
  // range it is 0, as in Pascal's triangle.
  if (k == n) return 1;
  if (k < 0 || k > n) return 0;
  if (k == 0) return 1;
  const Extended askedK = k;
  if (k == std::trunc(k) && n == std::trunc(n) && k > n - k) k = n - k;  // fewer levels, same integer
  const Extended levels = std::ceil(k);  // the level j = levels has k - j <= 0
  auto fail = [&] {
    RaiseMathError("n_ueber_k(" + FloatText18(n) + " " + FloatText18(askedK) + ")");
  };
  if (levels > kMaxBinomLevels) fail();
  Extended value = 1;
  try {
    for (Extended j = levels - 1; j >= 0; j -= 1)
      value = std::trunc(Finite(value * Finite((n - j) / (k - j))) + 0.5L);
  } catch (const std::overflow_error&) {
    fail();
  }
  return value;
}

Extended BinomProb(Extended n, Extended p, Extended k) {
  const Extended coefficient = Binom(n, k);
  if (coefficient == 0) return 0;
  return Finite(coefficient * PowerOf(p, k) * PowerOf(1 - p, n - k));
}

Extended BinomSum(Extended n, Extended p, Extended k) {
  const Extended last = std::nearbyint(k);
  Extended sum = 0;
  // Terms beyond n are 0, so the sum stops there.
  for (Extended i = 0; i <= last && i <= n; i += 1) sum = Finite(sum + BinomProb(n, p, i));
  return sum;
}

Extended AgmOf(Extended m, Extended a) {
  Extended g = m;
  Extended h = a;
  // Converges quadratically; the round limit ends values so large that
  // their last digits never come within 1e-12 of each other.
  for (int round = 0; round < 200 && std::fabs(h - g) > 1e-12L; ++round) {
    const Extended nextG = Finite(std::sqrt(Finite(g * h)));
    const Extended nextH = Finite((g + h) / 2);
    if (nextG == g && nextH == h) break;
    g = nextG;
    h = nextH;
  }
  return Finite((g + h) / 2);
}

namespace {
const char* const kGaussDensity = "exp(-x^2/2)";
}

Extended PhiOf(Extended a) {
  if (a < -11) return -1;
  if (a > 10) return 1;
  return 2 * SimpsonIntegral(kGaussDensity, 1000, 0, a) / std::sqrt(2 * kPi);
}

Extended GaussSumOf(Extended a) {
  if (a < -11) return 0;
  if (a > 10) return 1;
  return SimpsonIntegral(kGaussDensity, 1000, 0, a) / std::sqrt(2 * kPi) + 0.5L;
}

Extended NumDerivative(const std::string& term, Extended x) {
  // The same term twice: its compiled form.
  const std::shared_ptr<const CompiledTerm> f = CompiledTermFor(term);
  return NumDerivative(*f, x);
}

Extended NumDerivative(const CompiledTerm& term, Extended x) {
  // The exact slope where the compiled form differentiates the term and f
  // itself can be computed at x (its messages are those of f(x)).
  if (term.isCompiled()) {
    const std::uint64_t before = MathErrorCount();
    const Extended y = term(x);
    Extended d1 = 0;
    Extended d2 = 0;
    if (MathErrorCount() == before && std::isfinite(y) && term.derivatives(x, d1, d2)) return d1;
  }
  // Otherwise the central difference with the step that balances the
  // values' rounding against the quotient's error: about the cube root of
  // the extended type's epsilon, scaled with x.
  const Extended h = DifferenceStep(x);
  // The point ahead first.
  const Extended ahead = term(x + h);
  const Extended behind = term(x - h);
  return (ahead - behind) / ((x + h) - (x - h));
}

Extended SimpsonIntegral(const std::string& term, int n, Extended a, Extended b) {
  // Without subintervals there is nothing to sum.
  if (n <= 0) return 0;
  const std::shared_ptr<const CompiledTerm> f = CompiledTermFor(term);
  const Extended h = (b - a) / n;
  Extended sum = 0;
  for (int i = 0; i <= n; ++i) {
    try {
      Extended y = (*f)(a + i * h);
      if (i > 0 && i < n) y *= i % 2 == 1 ? 4 : 2;
      sum = Finite(sum + y);
    } catch (const std::overflow_error&) {
      ShowMessage("Integral kann nicht berechnet werden!");
      return 0;
    }
  }
  return sum * h / 3;
}

Extended SqrtTol(Extended a) {
  if (std::fabs(a) <= 1e-12L) return 0;
  if (a < 0) throw std::domain_error("Ung\xFCltige Gleitkommaoperation");
  return std::sqrt(a);
}

void SnapToInteger(Extended& x, Extended eps) {
  if (!IsWholeNumber(x, eps)) return;
  const Extended whole = std::trunc(std::fabs(x) + eps);
  x = x < 0 ? -whole : whole;
}

Extended MaxOf(Extended a, Extended b) { return a > b ? a : b; }

Extended LcmOf(Extended a, Extended b) { return a * b / GcdOf(a, b); }

void CrossProduct(Extended a1, Extended a2, Extended a3, Extended b1, Extended b2, Extended b3,
                  Extended& c1, Extended& c2, Extended& c3) {
  c1 = a2 * b3 - a3 * b2;
  c2 = a3 * b1 - a1 * b3;
  c3 = a1 * b2 - a2 * b1;
}

}  // namespace lumatik

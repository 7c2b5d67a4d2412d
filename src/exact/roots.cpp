#include "exact/roots.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <stdexcept>

#include "exact/fractions.h"
#include "exact/primes.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

constexpr int kSquareFactorPrimes = 1001;

// F/Den * sqrt(R) with the sign of X.
std::string RootFormat(const std::string& name, Extended x, Extended f, Extended den, Extended r) {
  ReduceFraction(f, den);
  const std::string rootPart =
      std::fabs(r - 1) < 1e-15L ? std::string() : "*" + name + "(" + PlainNumText(r) + ")";
  std::string text;
  if (den == 1) {
    if (f != 1) {
      text = PlainNumText(f) + rootPart;
    } else {
      // sqrt(1) * 1 is just 1: the value is an integer.
      text = rootPart.empty() ? "1" : rootPart.substr(1);
    }
  } else {
    text = PlainNumText(f) + "/" + PlainNumText(den) + rootPart;
  }
  return x < 0 ? "-" + text : text;
}

// (m +- sqrt(radicand))/n as a teacher writes it: square factors leave the
// root, a common factor of all three numbers cancels, and the root of a
// perfect square is no root at all: (-648+sqrt(324))/1944 is -35/108.
std::string QuadraticFormText(long long m, bool plus, long long radicand, long long n) {
  long long factor = 1;
  for (long long k = 2; k * k <= radicand; ++k) {
    while (radicand % (k * k) == 0) {
      radicand /= k * k;
      factor *= k;
    }
  }
  const long long signedFactor = plus ? factor : -factor;
  if (radicand == 1) {
    const long long num = m + signedFactor;
    return num == 0 ? "0" : FractionText(false, static_cast<Extended>(num) / n, 1e-18L);
  }
  const long long g = std::gcd(std::gcd(m, factor), n);
  m /= g;
  factor /= g;
  n /= g;
  const std::string root =
      (factor == 1 ? std::string() : GeneralFloatText(factor, 15) + "*") + "sqrt(" + GeneralFloatText(radicand, 15) + ")";
  // Without a whole part the form is a plain root: "-sqrt(3)/2", not "(0-sqrt(3))/2".
  std::string text = m == 0 ? (plus ? "" : "-") + root : "(" + GeneralFloatText(m, 15) + (plus ? "+" : "-") + root + ")";
  if (n != 1) text += "/" + GeneralFloatText(n, 15);
  return text;
}

// A form is shown only when its own value comes back to X within a few
// units in the last place of the larger of the two: what the search found
// on X squared or X/Pi must still hold for X itself.
bool Reproduces(Extended form, Extended x, Extended ulps = 2 * kProvenUlps) {
  return std::fabs(form - x) <= ulps * UnitInLastPlace(std::max(std::fabs(form), std::fabs(x)));
}

std::string SquareRootForm(const std::string& name, Extended x) {
  if (x == 0) return "0";
  const Extended square = x * x;
  Extended num = 0;
  Extended den = 0;
  // X squared carries twice the relative error of X.
  if (!FindFraction(num, den, square, 1e-18L) || !(std::fabs(den) < 1e9L)) return "";
  Extended r = num * den;  // sqrt(num/den) = sqrt(num*den)/den
  Extended f = 1;
  if (r > 1e6L) return "";
  for (int i = 0; i < kSquareFactorPrimes; ++i) {
    const Extended p = static_cast<Extended>(PrimeAt(i));
    if (p == 0) break;  // the prime computation was cancelled
    while (IsWholeNumber(r / (p * p), 1e-15L)) {
      f *= p;
      r /= p * p;
    }
    if (p * p > r) break;
  }
  if (!Reproduces(std::copysign(f / den * std::sqrt(r), x), x)) return "";
  return RootFormat(name, x, f, den, r);
}

}  // namespace

std::string PlainNumText(Extended x) { return Trim(GeneralFloatText(x, 18)); }

std::string RootText(const std::string& name, Extended x) {
  std::string result = SquareRootForm(name, x);
  if (result.empty()) result = PiMultipleText(x);
  if (result.empty()) result = QuadraticRootText(x);
  FinishPrimeRequest();
  return result;
}

std::string PiMultipleText(Extended x) {
  Extended num = 0;
  Extended den = 0;
  if (!FindFraction(num, den, x / kPi, 1e-18L) || !(std::fabs(den) < 1e6L)) return "";
  // Fractions of Pi this long are never meant, and would be matched by
  // chance about once in ten thousand values (numerator times denominator
  // up to 1e12 leaves one in a million).
  if (!(std::fabs(num * den) <= 1e12L) || !Reproduces(num * kPi / den, x)) return "";
  if (den == 1) {
    if (num == 1) return "Pi";
    if (num == -1) return "-Pi";
    return PlainNumText(num) + "*Pi";
  }
  return PlainNumText(num) + "/" + PlainNumText(den) + "*Pi";
}

std::string QuadraticRootText(Extended x) {
  for (int n = 1; n <= 10; ++n) {
    for (int m = -10; m <= 10; ++m) {
      const Extended v = (n * x - m) * (n * x - m);
      Extended p = 0;
      Extended q = 0;
      // n*x - m may cancel a few digits, so v is matched more loosely than
      // to the last bit; the form itself must then reproduce x.
      if (!FindFraction(p, q, v, 1e-15L * std::max<Extended>(1, v)) || !(std::fabs(p * q) < 1000)) continue;
      const Extended w = n * x * q - m * q;
      const Extended t = std::sqrt(p * q);
      const bool plus = std::fabs(w - t) < std::fabs(t + w);
      const Extended form = (m * q + (plus ? t : -t)) / (n * q);
      // Measured against the larger of the form's two terms, whose
      // difference may cancel.
      const Extended scale = (std::fabs(m * q) + t) / (n * q);
      if (std::fabs(form - x) > 8 * kProvenUlps * UnitInLastPlace(scale) || form == 0) return "";
      return QuadraticFormText(std::llround(m * q), plus, std::llround(p * q), std::llround(n * q));
    }
  }
  return "";
}

std::string ExactText(Extended x) {
  std::string text;
  try {
    // Whole to the last bits, not within an absolute 1e-12: 1E-13 is no 0.
    const Extended rounded = std::round(x);
    if (rounded != 0 ? Reproduces(rounded, x, kProvenUlps) : x == 0)
      return rounded == 0 ? "0" : GeneralFloatText(rounded, 18);
    text = FractionText(true, x, 1e-18L);
    if (text.find('/') != std::string::npos) return text;
    if (text.empty()) text = RootText("sqrt", x);
  } catch (const std::runtime_error&) {
    // The exact forms compute in floating point without raising; should an
    // arithmetic failure come up on the way, the decimal with nine places
    // stands in.
    const FixedParts parts = ToFixedParts(x, 18, 9);
    text = (parts.negative ? "-" : "") + (parts.integer.empty() ? "0" : parts.integer) +
           (parts.fraction.empty() ? "" : DecimalSeparator() + parts.fraction);
  }
  if (text.empty()) text = GeneralFloatText(x, 12);
  return text;
}

std::string RootSuffix(Extended x) {
  const std::string text = RootText("sqrt", x);
  if (text.find('/') != std::string::npos || text.find("sqrt") != std::string::npos) return "=" + text;
  return "";
}

std::string RootTextWithDecimal(Extended x) {
  std::string text = ExactText(x);
  if (text.find(DecimalSeparator()) == std::string::npos && !IsWholeNumber(x, 1e-18L))
    text += " = " + FloatTextFixed(3, x);
  return text;
}

}  // namespace lumatik

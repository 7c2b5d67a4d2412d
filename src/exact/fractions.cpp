#include "exact/fractions.h"

#include <cmath>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "shell/floatformat.h"

namespace lumatik {

namespace {

constexpr Extended kInfinity = std::numeric_limits<Extended>::infinity();
// (2^64 - 1) / 2: convergents beyond it no longer fit an integer register.
constexpr Extended kAddBound = 9223372036854775807.5L;
constexpr int kMaxContinuedFractionRounds = 50;

bool IsInf(Extended v) { return std::isinf(v) && v > 0; }

// How close a fraction must come to X. The finest tolerance, 1e-18, asks
// for the value to its last bits: a few units in the last place of X,
// relative at every magnitude (an absolute 1e-18 would take any value
// below 1e-6 for some fraction, Pi/10^6 for 1643/522983143, and beyond 16
// would lose 80/3 to a single rounding error in 1/3*125-15). A coarser
// tolerance is the caller's own and never drops below those few units.
Extended FractionTolerance(Extended ax, Extended eps) {
  const Extended ulp = UnitInLastPlace(ax);
  return eps <= 1e-18L ? kProvenUlps * ulp : std::max(eps, kProvenUlps * ulp);
}



// A whole extended value in decimal digits, with sign.
std::string IntegerText(Extended v) {
  const Extended rounded = std::nearbyint(v);
  std::string digits = WholeDigits(std::fabs(rounded));
  return rounded < 0 ? "-" + digits : digits;
}

}  // namespace

Extended UnitInLastPlace(Extended x) {
  const Extended ax = std::fabs(x);
  return std::nextafter(ax, std::numeric_limits<Extended>::infinity()) - ax;
}

bool NearlyEqual(Extended a, Extended b) { return std::fabs(a - b) < 0.5L; }

Extended AddChecked(Extended a, Extended b) {
  if (IsInf(a) || IsInf(b)) return kInfinity;
  const Extended sum = a + b;
  if (!(std::fabs(sum) <= kAddBound)) return kInfinity;
  return sum;
}

Extended IntDiv(Extended a, Extended b) {
  if (IsInf(a) || IsInf(b) || b == 0) return kInfinity;
  return std::trunc(a / b);
}

Extended ModOf(Extended a, Extended b) {
  const Extended q = IntDiv(a, b);
  if (IsInf(q)) return kInfinity;
  return a - q * b;
}

bool IsOdd(Extended n) { return NearlyEqual(ModOf(n, 2), 1); }

Extended GcdOf(Extended a, Extended b) {
  // Euclid; the round limit only guards against a remainder that floating
  // point keeps from shrinking, which integers below 2^64 never need.
  for (int round = 0; round < 1000; ++round) {
    if (IsInf(a) || IsInf(b) || std::isnan(a) || std::isnan(b)) return kInfinity;
    if (b == 0) return round == 0 ? a : std::fabs(a);
    const Extended r = ModOf(a, b);
    a = b;
    b = r;
  }
  return std::fabs(a);
}

int GcdInt(int a, int b) {
  while (b != 0) {
    const int r = a % b;
    a = b;
    b = r;
  }
  return a < 0 ? -a : a;
}

void ReduceFraction(Extended& num, Extended& den) {
  const Extended g = GcdOf(num, den);
  num = IntDiv(num, g);
  den = IntDiv(den, g);
}

bool FindFraction(Extended& num, Extended& den, Extended x, Extended eps) {
  const Extended ax = std::fabs(x);
  const Extended tolerance = FractionTolerance(ax, eps);
  Extended r = ax;
  num = 1;  // h(-1), k(-1)
  den = 0;
  Extended pn = 0;  // h(-2), k(-2)
  Extended pd = 1;
  for (int round = 0; round < kMaxContinuedFractionRounds; ++round) {
    const Extended a = std::trunc(r + eps);
    const Extended f = r - a;
    const Extended newNum = AddChecked(pn, a * num);
    const Extended newDen = AddChecked(pd, a * den);
    // An invalid operation (0 * infinity) ends the expansion like an exception would.
    if (std::isnan(newNum) || std::isnan(newDen)) break;
    pn = num;
    pd = den;
    num = newNum;
    den = newDen;
    ReduceFraction(num, den);
    if (f < eps) break;
    r = 1 / f;
    if (std::fabs(ax - num / den) < tolerance) break;
  }
  const bool found = num != 0 && den != 0 && std::fabs(ax - num / den) < tolerance;
  if (x < 0) num = -num;
  return found;
}

std::string FractionText(bool mixed, Extended x, Extended eps) {
  Extended num = 0;
  Extended den = 0;
  if (!FindFraction(num, den, x, eps)) return "";
  if (!(std::fabs(num * den) <= 1e14L)) return "";
  if (std::fabs(den - 1) < eps) return IntegerText(num);
  if (mixed && std::fabs(x) > 1) {
    const Extended whole = IntDiv(std::fabs(num), den);
    const Extended rest = ModOf(std::fabs(num), den);
    return (x < 0 ? "-" : "") + IntegerText(whole) + "'" + IntegerText(rest) + "/" + IntegerText(den);
  }
  return IntegerText(num) + "/" + IntegerText(den);
}

std::string NumberText(Extended x) {
  std::string text = FractionText(false, x, 1e-18L);
  return text.empty() ? GeneralFloatText(x, 18) : text;
}

std::string NumberTextMixed(Extended x) {
  std::string text = FractionText(true, x, 1e-18L);
  return text.empty() ? GeneralFloatText(x, 18) : text;
}

std::string FractionSuffix(Extended x) {
  const std::string text = NumberText(x);
  if (text.find('/') != std::string::npos && text.size() < 11) return "=" + text;
  return "";
}

}  // namespace lumatik

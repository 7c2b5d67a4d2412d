#include "worksheet/coefficient.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "exact/fractions.h"
#include "exact/roots.h"
#include "expr/exact_term.h"
#include "expr/evaluate.h"
#include "expr/nth_value.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

[[noreturn]] void InvalidOperation() { throw std::domain_error("Ung\xFCltige Gleitkommaoperation"); }

// A fraction is written as a fraction while numerator times denominator
// stays within 1e14, as the fraction display does; longer ones as decimals.
constexpr Extended kShortFraction = 1e14L;

// The shown value snaps to a fraction only with a denominator this small
// against the tolerance: an irrational value comes as close as that to
// fractions whose denominator is about 1/sqrt(tolerance), so those are no
// evidence.
Extended SnapDenominatorLimit(Extended tolerance) { return std::min(1e6L, 0.003L / std::sqrt(tolerance)); }

// The fraction in the mixed form of the fraction display ("2/3", "-26'2/3",
// "5"), or "" when it is too long to be a useful fraction.
std::string MixedFractionText(const mpq_class& r) {
  if (r.get_den() == 1) return sgn(r) == 0 ? "0" : GeneralFloatText(ToExtended(r), 18);
  const mpz_class absNum = abs(r.get_num());
  if (absNum * r.get_den() > mpz_class(static_cast<long>(kShortFraction))) return "";
  const std::string sign = sgn(r) < 0 ? "-" : "";
  if (absNum > r.get_den()) {
    const mpz_class whole = absNum / r.get_den();
    const mpz_class rest = absNum % r.get_den();
    return sign + whole.get_str() + "'" + rest.get_str() + "/" + r.get_den().get_str();
  }
  return sign + absNum.get_str() + "/" + r.get_den().get_str();
}

Extended PolynomialAt(const Polynomial& polynomial, Extended x) {
  Extended value = 0;
  for (const Coefficient& c : polynomial) value = value * x + c.value();
  return value;
}

Extended DerivativeAt(const Polynomial& polynomial, Extended x) {
  Extended value = 0;
  const int degree = static_cast<int>(polynomial.size()) - 1;
  for (int i = 0; i < degree; ++i) value = value * x + (degree - i) * polynomial[i].value();
  return value;
}

// A few Newton steps, each kept only while it lowers the residual.
Extended Polished(Extended x, const Polynomial& polynomial) {
  Extended residual = std::fabs(PolynomialAt(polynomial, x));
  for (int step = 0; step < 4 && residual > 0; ++step) {
    const Extended slope = DerivativeAt(polynomial, x);
    if (slope == 0) break;
    const Extended next = x - PolynomialAt(polynomial, x) / slope;
    const Extended nextResidual = std::fabs(PolynomialAt(polynomial, next));
    if (!(nextResidual < residual)) break;
    x = next;
    residual = nextResidual;
  }
  return x;
}

bool AllExact(const Polynomial& polynomial) {
  return std::all_of(polynomial.begin(), polynomial.end(), [](const Coefficient& c) { return c.isExact(); });
}

// The first convergent of x's continued fraction, within the tolerance,
// that solves the polynomial exactly.
std::optional<mpq_class> ExactSolutionNear(Extended x, Extended tolerance, const Polynomial& polynomial) {
  Extended rest = std::fabs(x);
  mpz_class h1 = 1, k1 = 0, h2 = 0, k2 = 1;  // the two previous convergents
  for (int round = 0; round < 64; ++round) {
    const Extended whole = std::floor(rest);
    if (!(whole < 1e15L)) break;
    const mpz_class a = static_cast<long>(whole);
    const mpz_class h = a * h1 + h2;
    const mpz_class k = a * k1 + k2;
    if (k > 1000000000000L) break;
    if (std::fabs(std::fabs(x) - ToExtended(mpq_class(h, k))) <= tolerance) {
      mpq_class candidate(x < 0 ? mpz_class(-h) : h, k);
      candidate.canonicalize();
      const Coefficient residual = ValueAt(polynomial, Coefficient(candidate));
      if (residual.isExact() && residual.sign() == 0) return candidate;
    }
    const Extended fraction = rest - whole;
    if (!(fraction > 0)) break;
    rest = 1 / fraction;
    h2 = h1;
    k2 = k1;
    h1 = h;
    k1 = k;
  }
  return std::nullopt;
}

}  // namespace

Coefficient::Coefficient(const mpq_class& exact) : value_(ToExtended(exact)), size_(std::fabs(value_)), exact_(exact) {}

Coefficient Coefficient::Approximate(Extended value, Extended size) {
  Coefficient c;
  c.value_ = value;
  c.size_ = std::max(std::fabs(size), std::fabs(value));
  return c;
}

Coefficient Coefficient::TypedAt(const std::string& line, int n) {
  const std::string term = NthValueText(line, n);
  const std::string earlier = MathErrorText();
  MathErrorText().clear();
  const Extended value = EvalTermGuarded(term);
  const bool clean = MathErrorText().empty();
  if (clean) MathErrorText() = earlier;  // as if the term had been evaluated alone
  if (clean && std::isfinite(value)) {
    if (const std::optional<mpq_class> exact = ExactTermValue(term)) return Coefficient(*exact);
  }
  return Typed(value);
}

Coefficient Coefficient::Typed(Extended value) {
  const std::optional<mpq_class> exact = RecogniseTypedFraction(value);
  return exact ? Coefficient(*exact) : Approximate(value, value);
}

int Coefficient::sign() const {
  if (exact_) return sgn(*exact_);
  if (std::fabs(value_) <= kRoundingNoise * size_) return 0;
  return value_ > 0 ? 1 : -1;
}

Coefficient Coefficient::operator-() const {
  if (exact_) return Coefficient(mpq_class(-*exact_));
  return Approximate(-value_, size_);
}

Coefficient operator+(const Coefficient& a, const Coefficient& b) {
  if (a.exact_ && b.exact_) return Coefficient(mpq_class(*a.exact_ + *b.exact_));
  return Coefficient::Approximate(a.value_ + b.value_, a.size_ + b.size_);
}

Coefficient operator-(const Coefficient& a, const Coefficient& b) { return a + -b; }

Coefficient operator*(const Coefficient& a, const Coefficient& b) {
  if (a.exact_ && b.exact_) return Coefficient(mpq_class(*a.exact_ * *b.exact_));
  // First order: the noise of each factor times the other factor.
  return Coefficient::Approximate(a.value_ * b.value_,
                                  std::fabs(a.value_) * b.size_ + std::fabs(b.value_) * a.size_);
}

Coefficient operator/(const Coefficient& a, const Coefficient& b) {
  if (b.value_ == 0 || (b.exact_ && sgn(*b.exact_) == 0)) InvalidOperation();
  if (a.exact_ && b.exact_) return Coefficient(mpq_class(*a.exact_ / *b.exact_));
  const Extended q = a.value_ / b.value_;
  return Coefficient::Approximate(q, a.size_ / std::fabs(b.value_) + std::fabs(q) * b.size_ / std::fabs(b.value_));
}

Coefficient AbsoluteValue(const Coefficient& x) { return x.sign() < 0 ? -x : x; }

Coefficient SquareRootOf(const Coefficient& x) {
  const int sign = x.sign();
  if (sign < 0) InvalidOperation();
  if (x.isExact()) {
    if (const std::optional<mpq_class> root = ExactSquareRoot(*x.exact())) return Coefficient(*root);
  }
  if (sign == 0) return x.isExact() ? Coefficient(0) : Coefficient::Approximate(0, std::sqrt(x.size()));
  // The noise of x, divided by the slope 2*sqrt(x): a small root of a value
  // with large terms is known only roughly.
  const Extended root = std::sqrt(x.value());
  return Coefficient::Approximate(root, x.size() / (2 * root));
}

Coefficient CubeRootOf(const Coefficient& x) {
  if (x.isExact()) {
    if (const std::optional<mpq_class> root = ExactCubeRoot(*x.exact())) return Coefficient(*root);
  }
  // The cube root magnifies noise the most: 1e-19 would become 5e-7.
  if (x.isZero()) return Coefficient::Approximate(0, std::cbrt(x.size()));
  const Extended root = std::cbrt(x.value());
  return Coefficient::Approximate(root, x.size() / (3 * root * root));
}

Extended ShownValue(const Coefficient& x) {
  if (x.isExact()) return x.value();
  if (x.sign() == 0) return 0;
  // The noise bound is generous; the value is usually far better. So the
  // search widens from a few units in the last place up to the bound and
  // takes the first short fraction that a tolerance admits.
  const Extended noise = kRoundingNoise * x.size();
  Extended tolerance = std::min(noise, 1e-18L * std::max(1.0L, std::fabs(x.value())));
  for (;;) {
    Extended num = 0;
    Extended den = 0;
    if (FindFraction(num, den, x.value(), tolerance) && den <= SnapDenominatorLimit(tolerance)) return num / den;
    // A noise bound beyond the extended range (NaN) admits no fraction.
    if (!(tolerance < noise)) return x.value();
    tolerance = std::min(noise, tolerance * 10);
  }
}

std::string MixedText(const Coefficient& x) {
  if (x.isExact()) {
    const std::string text = MixedFractionText(*x.exact());
    if (!text.empty()) return text;
  }
  return NumberTextMixed(ShownValue(x));
}

std::string ExactTextOf(const Coefficient& x) {
  if (x.isExact()) {
    const std::string text = MixedFractionText(*x.exact());
    return text.empty() ? NumberTextMixed(x.value()) : text;
  }
  const Extended shown = ShownValue(x);
  // The exact display takes everything within 1e-12 of an integer for that
  // integer; a small value that is no noise keeps its digits.
  if (shown != 0 && std::fabs(shown) < 1e-12L) return NumberTextMixed(shown);
  return ExactText(shown);
}

std::string WithPlusSign(const std::string& text) { return text.rfind('-', 0) == 0 ? text : "+" + text; }

std::string SignedText(const Coefficient& x) { return WithPlusSign(ExactTextOf(x)); }

std::string GroupedText18(const Coefficient& x) { return FloatText18(ShownValue(x)); }

Coefficient ValueAt(const Polynomial& polynomial, const Coefficient& x) {
  Coefficient value = 0;
  for (const Coefficient& c : polynomial) value = value * x + c;
  return value;
}

Coefficient RefinedSolution(const Coefficient& x, const Polynomial& polynomial) {
  if (x.isExact()) return x;
  const Extended polished = Polished(x.value(), polynomial);
  if (AllExact(polynomial)) {
    const Extended tolerance = 1e-9L * std::max(1.0L, x.size());
    if (const std::optional<mpq_class> exact = ExactSolutionNear(polished, tolerance, polynomial)) {
      return Coefficient(*exact);
    }
  }
  return Coefficient::Approximate(polished, x.size());
}

}  // namespace lumatik

#pragma once

// The numbers of the equation commands: a value that is exact as long as
// everything it came from is a fraction (then the decisions d<0, d=0, d>0
// and the texts are exact), and otherwise a floating-point value that
// remembers the size of the terms it was computed from. Rounding noise
// scales with that size, not with the value: b*b-4*a*c of a double root is
// 0 up to about 1e-19 of b*b. So "zero" means "zero within the noise of
// its terms", and the texts never show that noise.

#include <optional>
#include <string>
#include <vector>

#include "exact/rational.h"
#include "shell/extended.h"

namespace lumatik {

class Coefficient {
 public:
  Coefficient(int whole) : Coefficient(mpq_class(whole)) {}  // NOLINT: exact constants read as in formulas
  explicit Coefficient(const mpq_class& exact);
  // A computed value without an exact form; its terms are as large as it is.
  static Coefficient Approximate(Extended value, Extended size);
  // A value typed by the user: exact when it is a fraction (see
  // RecogniseTypedFraction), otherwise approximate.
  static Coefficient Typed(Extended value);
  // The N-th value of a worksheet line (NthValue): its exact value when the
  // term is made of rational numbers ("0,865", "1/3+2"), otherwise Typed.
  static Coefficient TypedAt(const std::string& line, int n);

  Extended value() const { return value_; }
  // The size of the terms the value was computed from.
  Extended size() const { return size_; }
  const std::optional<mpq_class>& exact() const { return exact_; }
  bool isExact() const { return exact_.has_value(); }

  // -1, 0 or 1: exact, or 0 when the value lies within the rounding noise
  // of its terms.
  int sign() const;
  bool isZero() const { return sign() == 0; }

  Coefficient operator-() const;
  friend Coefficient operator+(const Coefficient& a, const Coefficient& b);
  friend Coefficient operator-(const Coefficient& a, const Coefficient& b);
  friend Coefficient operator*(const Coefficient& a, const Coefficient& b);
  // A zero divisor raises std::domain_error; callers test for zero first.
  friend Coefficient operator/(const Coefficient& a, const Coefficient& b);

 private:
  Coefficient() = default;
  Extended value_ = 0;
  Extended size_ = 0;
  std::optional<mpq_class> exact_;
};

// How far below the size of its terms a value counts as rounding noise:
// about two thousand units in the last place, a margin of a hundred over
// what a chain of extended operations leaves.
inline constexpr Extended kRoundingNoise = 1e-16L;

Coefficient AbsoluteValue(const Coefficient& x);
// The square root; exact for the square of a fraction. A value below zero
// by more than its noise raises std::domain_error ("Ungültige
// Gleitkommaoperation"), noise below zero gives 0.
Coefficient SquareRootOf(const Coefficient& x);
// The real cube root; exact for the cube of a fraction.
Coefficient CubeRootOf(const Coefficient& x);

// What the texts show: the exact value, or the approximate value with its
// noise removed (0, or the short fraction it stands for).
Extended ShownValue(const Coefficient& x);

// The texts of the worksheet for such a number: NumberTextMixed,
// ExactText, the exact text with a "+" before it, and FloatText18.
std::string MixedText(const Coefficient& x);
std::string ExactTextOf(const Coefficient& x);
std::string SignedText(const Coefficient& x);
std::string GroupedText18(const Coefficient& x);
// "+" before a text that does not begin with "-".
std::string WithPlusSign(const std::string& text);

// A polynomial, highest power first.
using Polynomial = std::vector<Coefficient>;

Coefficient ValueAt(const Polynomial& polynomial, const Coefficient& x);

// A solution x of the polynomial, computed in floating point, made exact
// when a fraction near it solves the polynomial exactly; otherwise x
// improved by Newton's method.
Coefficient RefinedSolution(const Coefficient& x, const Polynomial& polynomial);

}  // namespace lumatik

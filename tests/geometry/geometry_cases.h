#pragma once

// Generated geometry cases, built from exact fractions so that parallel,
// tangent and coplanar are exact, typed as integers, fractions, decimals or
// scaled by sqrt(2); and reading results back from the worked solution.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "exact/rational.h"
#include "worksheet/worksheet.h"

namespace lumatik::testing {

using LD = long double;

// An exact fraction in lowest terms.
inline mpq_class Q(long num, long den = 1) {
  mpq_class q(num, den);
  q.canonicalize();
  return q;
}
inline LD ToLD(const mpq_class& q) { return ToExtended(q); }

template <class T>
struct V3 {
  T x1{}, x2{}, x3{};
  friend V3 operator+(const V3& a, const V3& b) { return {a.x1 + b.x1, a.x2 + b.x2, a.x3 + b.x3}; }
  friend V3 operator-(const V3& a, const V3& b) { return {a.x1 - b.x1, a.x2 - b.x2, a.x3 - b.x3}; }
  friend V3 operator*(const T& s, const V3& a) { return {s * a.x1, s * a.x2, s * a.x3}; }
  friend T Dot(const V3& a, const V3& b) { return a.x1 * b.x1 + a.x2 * b.x2 + a.x3 * b.x3; }
  friend V3 Cross(const V3& a, const V3& b) {
    return {a.x2 * b.x3 - a.x3 * b.x2, a.x3 * b.x1 - a.x1 * b.x3, a.x1 * b.x2 - a.x2 * b.x1};
  }
};
using Q3 = V3<mpq_class>;  // exact, to build cases
using L3 = V3<LD>;         // to check results
inline LD Norm(const L3& a) { return std::sqrt(Dot(a, a)); }

enum class Style { Integer, Fraction, Decimal, Irrational };

class CaseMaker {
 public:
  CaseMaker(Style style, unsigned seed) : style_(style), rng_(seed) {}
  Style style() const { return style_; }
  bool exact() const { return style_ != Style::Irrational; }

  int Int(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  mpq_class Coord();
  Q3 Point();
  Q3 NonZero();
  // A direction orthogonal to n (n nonzero).
  Q3 Orthogonal(const Q3& n);

  // The typed text and the true value, both with the style's scale unless
  // `scaled` is false (for a plane's normal, which keeps n.x = d linear).
  std::string Text(const mpq_class& x, bool scaled = true) const;
  std::string Text(const Q3& p, const char* sep) const;
  LD Value(const mpq_class& x, bool scaled = true) const;
  L3 Value(const Q3& p) const;

 private:
  Style style_;
  std::mt19937 rng_;
};

// Runs `check` on 80 cases of each style drawn from `seed`; n counts them.
void ForEachCase(unsigned seed, const std::function<void(CaseMaker& make, int n)>& check);

// The worksheet after one click on a geometry menu item.
Worksheet RunGeometry(const char* caption, std::vector<std::string> lines);

// A printed number: an engine term, with digit-group blanks and "E" allowed.
LD NumberValue(std::string text);
// The line that begins with `prefix`; fails the test when there is none.
std::string LineStarting(const Worksheet& sheet, const std::string& prefix);
std::string LineContaining(const Worksheet& sheet, const std::string& text);
bool HasLine(const Worksheet& sheet, const std::string& text);
// The point written right after `label` on the line: label(x1|x2|x3).
L3 PointAfter(const std::string& line, const std::string& label);
// The number after `label` up to the next of `ends` (or the line's end).
LD NumberAfter(const std::string& line, const std::string& label, const char* ends = " \xB0");
// a*x1+b*x2+c*x3 - d for the equation text "a*x1+b*x2+c*x3=d" at x,
// relative to the sizes of its terms.
LD EquationResidual(const std::string& equation, const L3& x);

// The square of a printed exact value - a fraction, a mixed number or a root
// such as "-1/200*sqrt(17129969)" - read with GMP; nothing for a decimal.
std::optional<mpq_class> PrintedSquare(const std::string& text);
// The point written right after `label`, read exactly; nothing when a
// coordinate is a decimal.
std::optional<Q3> ExactPointAfter(const std::string& line, const std::string& label);
// A result of rational input: printed exactly, it is exactly the root of
// `square`; a decimal (where the exact form is too long) is near it. The
// sign is that of `sign`.
void ExpectRootOf(const std::string& text, const mpq_class& square, int sign, const std::string& what);

// No inf or nan anywhere; for exact input no rounding noise and no multiple
// of Pi either (no result of rational input is one).
void ExpectClean(const Worksheet& sheet, bool exact);

// |a - b| within the tolerance of the style, relative to `size`.
void ExpectNear(LD a, LD b, LD size, bool exact, const std::string& what);
void ExpectNear(const L3& a, const L3& b, LD size, bool exact, const std::string& what);

}  // namespace lumatik::testing

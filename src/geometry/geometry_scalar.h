#pragma once

// One computation, two kinds of number. Each geometry command writes its
// computation once, as a template over the number type T, and runs it with
// exact fractions when every typed value is one (the usual case: integers,
// 1/3, 0,25), else with extended floating point. The two differ only in
// the test for zero: exact fractions compare with 0, floating values count
// as 0 below a tolerance relative to the sizes the value was computed from,
// so rounding noise never decides "parallel" or "touching" and never
// reaches the worksheet as 1E-19 or 0,999999999999999999.

#include <array>
#include <cmath>
#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

#include "exact/rational.h"
#include "geometry/geometry_types.h"

namespace lumatik {

// A few hundred units in the last place of an extended value: far above the
// rounding of a handful of operations, far below any difference a pupil
// types on purpose.
inline constexpr Extended kRelativeTolerance = 1e-14L;

// A typed value without an exact fraction: the command computes in
// floating point instead.
class NotExact : public std::exception {
 public:
  const char* what() const noexcept override { return "no exact fraction"; }
};

inline Extended ValueOf(Extended x) { return x; }
inline Extended ValueOf(const mpq_class& x) { return ToExtended(x); }

// A number as the pupil typed it: its extended value and, when it is a
// fraction, that fraction exactly - "0,865" is 173/200, not the extended
// value nearest to it. A value that was not read from a worksheet line
// counts as a fraction only when it is one the display would print, to
// the last bit.
struct Typed {
  Extended value = 0;
  std::optional<mpq_class> exact;

  Typed() : exact(mpq_class(0)) {}
  Typed(Extended x) : value(x), exact(RecogniseDisplayedFraction(x)) {}
  Typed(Extended x, std::optional<mpq_class> q) : value(x), exact(std::move(q)) {}
};

inline Typed operator+(const Typed& a, const Typed& b) {
  if (a.exact && b.exact) return Typed(ToExtended(*a.exact + *b.exact), mpq_class(*a.exact + *b.exact));
  return Typed(a.value + b.value, std::nullopt);
}
inline Typed operator-(const Typed& a, const Typed& b) {
  if (a.exact && b.exact) return Typed(ToExtended(*a.exact - *b.exact), mpq_class(*a.exact - *b.exact));
  return Typed(a.value - b.value, std::nullopt);
}

template <class T>
T InputAs(const Typed& x);
template <>
inline Extended InputAs<Extended>(const Typed& x) {
  return x.value;
}
template <>
inline mpq_class InputAs<mpq_class>(const Typed& x) {
  if (!x.exact) throw NotExact();
  return *x.exact;
}

// Zero, for a value computed from terms whose absolute values add up to
// (about) `scale`.
inline bool Negligible(Extended x, Extended scale) { return std::fabs(x) <= kRelativeTolerance * scale; }
inline bool Negligible(const mpq_class& x, Extended /*scale*/) { return sgn(x) == 0; }

// The value to print: floating noise below the scale is written as 0.
inline Extended Cleaned(Extended x, Extended scale) { return Negligible(x, scale) ? 0 : x; }
inline Extended Cleaned(const mpq_class& x, Extended /*scale*/) { return ToExtended(x); }

// The same as a number to compute on: exact fractions stay as they are.
inline Extended Snapped(Extended x, Extended scale) { return Cleaned(x, scale); }
inline mpq_class Snapped(const mpq_class& x, Extended /*scale*/) { return x; }

// The square root of a value that cannot be negative (a squared length):
// 0 when it is 0 up to rounding, exact where it is a square fraction.
inline Extended RootOf(Extended square, Extended scale) {
  return Negligible(square, scale) || square < 0 ? 0 : std::sqrt(square);
}
inline Extended RootOf(const mpq_class& square, Extended /*scale*/) {
  if (sgn(square) <= 0) return 0;
  if (const std::optional<mpq_class> root = ExactSquareRoot(square)) return ToExtended(*root);
  return std::sqrt(ToExtended(square));
}

template <class T>
struct Vec3Of {
  T x1 = 0;
  T x2 = 0;
  T x3 = 0;
};

template <class T>
Vec3Of<T> operator+(const Vec3Of<T>& a, const Vec3Of<T>& b) {
  return {a.x1 + b.x1, a.x2 + b.x2, a.x3 + b.x3};
}
template <class T>
Vec3Of<T> operator-(const Vec3Of<T>& a, const Vec3Of<T>& b) {
  return {a.x1 - b.x1, a.x2 - b.x2, a.x3 - b.x3};
}
// The factor takes the vector's number type, so that a product of fractions
// (a GMP expression) may stand in for it.
template <class T>
Vec3Of<T> operator*(const std::type_identity_t<T>& s, const Vec3Of<T>& a) {
  return {s * a.x1, s * a.x2, s * a.x3};
}
template <class T>
T Dot(const Vec3Of<T>& a, const Vec3Of<T>& b) {
  return a.x1 * b.x1 + a.x2 * b.x2 + a.x3 * b.x3;
}
template <class T>
Vec3Of<T> Cross(const Vec3Of<T>& a, const Vec3Of<T>& b) {
  return {a.x2 * b.x3 - a.x3 * b.x2, a.x3 * b.x1 - a.x1 * b.x3, a.x1 * b.x2 - a.x2 * b.x1};
}

using TypedVec3 = Vec3Of<Typed>;

inline TypedVec3 TypedOf(const Vec3& v) { return {v.x1, v.x2, v.x3}; }
inline Vec3 ValueOf(const TypedVec3& v) { return {v.x1.value, v.x2.value, v.x3.value}; }

template <class T>
Vec3Of<T> InputAs(const TypedVec3& v) {
  return {InputAs<T>(v.x1), InputAs<T>(v.x2), InputAs<T>(v.x3)};
}

// The sum of the coordinates' absolute values: the scale of a point.
template <class T>
Extended SizeOf(const Vec3Of<T>& v) {
  return std::fabs(ValueOf(v.x1)) + std::fabs(ValueOf(v.x2)) + std::fabs(ValueOf(v.x3));
}

// Sum of |a_k * b_k|: the scale of a dot product or of a cross product.
template <class T>
Extended ProductScale(const Vec3Of<T>& a, const Vec3Of<T>& b) {
  return SizeOf(a) * SizeOf(b);
}

template <class T>
bool IsZeroVector(const Vec3Of<T>& v) {
  return ValueOf(v.x1) == 0 && ValueOf(v.x2) == 0 && ValueOf(v.x3) == 0;
}

// A point or vector to print, each coordinate cleaned against `scale`.
template <class T>
Vec3 CleanedVec(const Vec3Of<T>& v, Extended scale) {
  return {Cleaned(v.x1, scale), Cleaned(v.x2, scale), Cleaned(v.x3, scale)};
}

// The zero vector, exactly or up to rounding against `scale`.
template <class T>
bool NegligibleVec(const Vec3Of<T>& v, Extended scale) {
  return Negligible(v.x1, scale) && Negligible(v.x2, scale) && Negligible(v.x3, scale);
}

// The length of a vector. Floating coordinates are cleaned against `scale`
// before they are squared, so a length of 1e-9 between points of size 1
// stays 1e-9 while rounding noise gives 0.
template <class T>
Extended LengthOf(const Vec3Of<T>& v, Extended scale) {
  if constexpr (std::is_same_v<T, mpq_class>) {
    return RootOf(Dot(v, v), 0);
  } else {
    const Vec3 c = CleanedVec(v, scale);
    return std::sqrt(c.x1 * c.x1 + c.x2 * c.x2 + c.x3 * c.x3);
  }
}

// A length, distance, area or cosine as the worksheet writes it: its value
// and, when the input was exact, the fraction whose square root its
// absolute value is - so that sqrt(17129969)/200 is written as that root,
// never as a fraction or a multiple of Pi that merely comes close.
struct RootValue {
  Extended value = 0;
  std::optional<mpq_class> square;
};

// The length of a vector, with its exact square where there is one.
template <class T>
RootValue LengthValue(const Vec3Of<T>& v, Extended scale) {
  if constexpr (std::is_same_v<T, mpq_class>) {
    const mpq_class square = Dot(v, v);
    return {RootOf(square, 0), square};
  } else {
    return {LengthOf(v, scale), std::nullopt};
  }
}

// A signed value: a fraction (its square is exact), or a floating value
// cleaned against `scale`.
template <class T>
RootValue SignedValue(const T& x, Extended scale) {
  if constexpr (std::is_same_v<T, mpq_class>) {
    return {ToExtended(x), mpq_class(x * x)};
  } else {
    return {Cleaned(x, scale), std::nullopt};
  }
}

// numerator / sqrt(denominatorSquare) with the sign of the numerator: the
// signed distance from a plane, the cosine of an angle.
template <class T>
RootValue SignedQuotientByRoot(const T& numerator, const T& denominatorSquare, Extended scale) {
  if constexpr (std::is_same_v<T, mpq_class>) {
    const mpq_class square = numerator * numerator / denominatorSquare;
    const Extended root = RootOf(square, 0);
    return {sgn(numerator) < 0 ? -root : root, square};
  } else {
    return {Cleaned(numerator, scale) / std::sqrt(denominatorSquare), std::nullopt};
  }
}

// The angle in degrees between two nonzero vectors. Computed as atan2 of
// the cross product's length and the dot product, which stays accurate for
// nearly parallel vectors, where the arc cosine of a rounded cosine would
// not; angles that are whole degrees up to rounding are whole degrees.
template <class T>
Extended AngleDegrees(const Vec3Of<T>& u, const Vec3Of<T>& v) {
  if constexpr (std::is_same_v<T, mpq_class>) {
    // The angles whose cosine is the root of a fraction with a known arc
    // cosine are exact: 0, 30, 45, 60, 90 degrees and their supplements.
    const mpq_class dot = Dot(u, v);
    const mpq_class square = dot * dot / (Dot(u, u) * Dot(v, v));
    static const struct {
      mpq_class square;
      int degrees;
    } known[] = {{mpq_class(0), 90}, {mpq_class(1, 4), 60}, {mpq_class(1, 2), 45}, {mpq_class(3, 4), 30},
                 {mpq_class(1), 0}};
    for (const auto& k : known) {
      if (square == k.square) return sgn(dot) < 0 ? 180 - k.degrees : k.degrees;
    }
  }
  const Extended scale = ProductScale(u, v);
  const Extended sine = LengthOf(Cross(u, v), scale);
  const Extended cosine = Cleaned(Dot(u, v), scale);
  const Extended degrees = std::atan2(sine, cosine) * 180 / kPi;
  const Extended whole = std::nearbyint(degrees);
  return std::fabs(degrees - whole) <= 1e-13L ? whole + 0 : degrees;
}

// Computes with exact fractions when every input is one, else in extended
// floating point. `compute` takes a zero of the
// number type to use and returns the result in extended values.
template <class Compute>
auto ExactOrFloat(Compute compute) {
  try {
    return compute(mpq_class());
  } catch (const NotExact&) {
  }
  return compute(Extended());
}

// a11*x + a12*y + a13*z = b1 and so on: rows of three coefficients and the
// right side. Gaussian elimination with the largest pivot; no solution when
// the determinant is zero (exactly, or relative to the rows' sizes), so a
// system without a unique solution is never "solved" on rounding noise.
template <class T>
std::optional<std::array<T, 3>> Solve3x3(std::array<std::array<T, 4>, 3> rows) {
  Extended hadamard = 1;
  for (const auto& row : rows) {
    Extended squares = 0;
    for (int k = 0; k < 3; ++k) squares += ValueOf(row[k]) * ValueOf(row[k]);
    hadamard *= std::sqrt(squares);
  }
  T determinant = 1;
  for (int col = 0; col < 3; ++col) {
    int pivot = col;
    for (int r = col + 1; r < 3; ++r) {
      if (std::fabs(ValueOf(rows[r][col])) > std::fabs(ValueOf(rows[pivot][col]))) pivot = r;
    }
    if (ValueOf(rows[pivot][col]) == 0) return std::nullopt;
    if (pivot != col) {
      std::swap(rows[pivot], rows[col]);
      determinant = -determinant;
    }
    determinant = determinant * rows[col][col];
    for (int r = col + 1; r < 3; ++r) {
      const T factor = rows[r][col] / rows[col][col];
      for (int k = col; k < 4; ++k) rows[r][k] = rows[r][k] - factor * rows[col][k];
    }
  }
  if (Negligible(determinant, hadamard)) return std::nullopt;
  std::array<T, 3> x;
  for (int r = 2; r >= 0; --r) {
    T sum = rows[r][3];
    for (int k = r + 1; k < 3; ++k) sum = sum - rows[r][k] * x[k];
    x[r] = sum / rows[r][r];
  }
  return x;
}

}  // namespace lumatik

#pragma once

// Exact rational arithmetic for checking the worksheet's linear systems:
// an independent reference that knows nothing of the program's scaling,
// pivoting or number texts. Fractions of any size (GMP), so that systems of
// eight unknowns with large denominators stay exact.

#include <gmpxx.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumatik::testing {

class Rational {
 public:
  Rational(std::int64_t num = 0, std::int64_t den = 1);
  explicit Rational(mpq_class value) : value_(std::move(value)) {}
  // For the generators, whose fractions stay far inside 128 bits.
  static Rational FromParts(__int128 num, __int128 den);
  __int128 num() const;
  __int128 den() const;

  bool isZero() const { return sgn(value_) == 0; }
  long double value() const;
  const mpq_class& exact() const { return value_; }

  friend Rational operator+(const Rational& a, const Rational& b) { return Rational(mpq_class(a.value_ + b.value_)); }
  friend Rational operator-(const Rational& a, const Rational& b) { return Rational(mpq_class(a.value_ - b.value_)); }
  friend Rational operator*(const Rational& a, const Rational& b) { return Rational(mpq_class(a.value_ * b.value_)); }
  friend Rational operator/(const Rational& a, const Rational& b) { return Rational(mpq_class(a.value_ / b.value_)); }
  friend bool operator==(const Rational& a, const Rational& b) { return a.value_ == b.value_; }

  std::string text() const;  // "-46/11", "5"

 private:
  mpq_class value_;
};

// "5", "-1/2", "0.5", "-0,25", "1 234" (blanks ignored); nothing else.
std::optional<Rational> ParseRational(const std::string& text);

// A printed decimal such as "9,25000000000000001" (a fraction the display
// did not recognise) as the nearest fraction with a small denominator.
std::optional<Rational> ParseNearRational(const std::string& text);

using RationalRow = std::vector<Rational>;

// Rank of the rows (each of the same length).
int RankOf(std::vector<RationalRow> rows);

struct ReferenceSolution {
  bool consistent = false;
  int rank = 0;                    // of the coefficient matrix
  std::vector<Rational> unique;    // filled when rank = n
};

// Rows of n coefficients and the right side.
ReferenceSolution SolveReference(const std::vector<RationalRow>& rows, int n);

}  // namespace lumatik::testing

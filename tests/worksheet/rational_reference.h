#pragma once

// Exact rational arithmetic for checking the worksheet's linear systems:
// an independent reference that knows nothing of the program's scaling,
// pivoting or number texts.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumatik::testing {

class Rational {
 public:
  Rational(std::int64_t num = 0, std::int64_t den = 1);
  static Rational FromParts(__int128 num, __int128 den);

  __int128 num() const { return num_; }
  __int128 den() const { return den_; }
  bool isZero() const { return num_ == 0; }
  long double value() const { return static_cast<long double>(num_) / static_cast<long double>(den_); }

  friend Rational operator+(const Rational& a, const Rational& b);
  friend Rational operator-(const Rational& a, const Rational& b);
  friend Rational operator*(const Rational& a, const Rational& b);
  friend Rational operator/(const Rational& a, const Rational& b);
  friend bool operator==(const Rational& a, const Rational& b) { return a.num_ == b.num_ && a.den_ == b.den_; }

  std::string text() const;  // "-46/11", "5"

 private:
  void Normalise();
  __int128 num_;
  __int128 den_;
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

#pragma once

// Fractions of 128-bit integers for the equation commands. They decide
// exactly what floating point can only guess (is this discriminant zero?)
// when the coefficients are fractions. Every operation reports an overflow
// as "no result" instead of wrapping; the caller then goes on in floating
// point.

#include <optional>

#include "shell/extended.h"

namespace lumatik {

class SmallRational {
 public:
  SmallRational() = default;
  explicit SmallRational(long long whole) : num_(whole) {}

  // num/den reduced, with the sign in the numerator; none for a zero
  // denominator or a value beyond the safe range.
  static std::optional<SmallRational> Make(__int128 num, __int128 den);

  __int128 num() const { return num_; }
  __int128 den() const { return den_; }
  int sign() const { return num_ > 0 ? 1 : (num_ < 0 ? -1 : 0); }
  bool isInteger() const { return den_ == 1; }
  // The nearest extended value (within two units in the last place).
  Extended value() const;

  SmallRational negated() const;
  // The exact square or cube root, when numerator and denominator have one.
  std::optional<SmallRational> squareRoot() const;
  std::optional<SmallRational> cubeRoot() const;

  friend bool operator==(const SmallRational& a, const SmallRational& b) = default;

 private:
  __int128 num_ = 0;
  __int128 den_ = 1;
};

std::optional<SmallRational> Sum(const SmallRational& a, const SmallRational& b);
std::optional<SmallRational> Difference(const SmallRational& a, const SmallRational& b);
std::optional<SmallRational> Product(const SmallRational& a, const SmallRational& b);
std::optional<SmallRational> Quotient(const SmallRational& a, const SmallRational& b);  // none for b = 0

// A typed coefficient as the fraction it stands for: an integer, or the
// fraction that the fraction search finds within a few units in the last
// place with a denominator small against that tolerance, or a decimal with
// up to eight places ("2/3", "0,1", "-7/12", "2,00000001"). None for values
// such as sqrt(2) or Pi, which no short fraction reproduces.
std::optional<SmallRational> RecogniseSmallFraction(Extended x);

}  // namespace lumatik

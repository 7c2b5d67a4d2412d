#pragma once

// Exact fractions for the geometry commands. Nearly everything a pupil
// types (integers, 1/3, 0,25) is a fraction; computing with those exactly
// decides "parallel", "in the plane" or "touching" without any tolerance,
// and every rational result reaches the fraction display unharmed. A
// numerator or denominator that outgrows 128 bits raises ExactOverflow and
// the command computes in extended floating point instead.

#include <exception>
#include <optional>

#include "shell/extended.h"

namespace lumatik {

__extension__ typedef __int128 Int128;

class ExactOverflow : public std::exception {
 public:
  const char* what() const noexcept override { return "exact fraction overflow"; }
};

class ExactFraction {
 public:
  ExactFraction(long long value = 0) : num_(value), den_(1) {}

  // The fraction a typed value stands for: one the fraction display would
  // print (numerator times denominator at most 1e14) and whose quotient is
  // the value itself to the last bit. Anything else (sqrt(2), Pi, 1E20)
  // has none.
  static std::optional<ExactFraction> FromExtended(Extended x);

  bool isZero() const { return num_ == 0; }
  int sign() const { return num_ < 0 ? -1 : num_ > 0 ? 1 : 0; }
  // The nearest extended value; +0 for zero.
  Extended value() const;
  Int128 num() const { return num_; }
  Int128 den() const { return den_; }

  friend ExactFraction operator+(const ExactFraction& a, const ExactFraction& b);
  friend ExactFraction operator-(const ExactFraction& a, const ExactFraction& b);
  friend ExactFraction operator*(const ExactFraction& a, const ExactFraction& b);
  // Division by zero raises std::domain_error: callers test first.
  friend ExactFraction operator/(const ExactFraction& a, const ExactFraction& b);
  ExactFraction operator-() const;
  ExactFraction& operator+=(const ExactFraction& b) { return *this = *this + b; }
  ExactFraction& operator-=(const ExactFraction& b) { return *this = *this - b; }
  friend bool operator==(const ExactFraction& a, const ExactFraction& b) {
    return a.num_ == b.num_ && a.den_ == b.den_;
  }

  // The square root when numerator and denominator are both squares.
  std::optional<ExactFraction> exactSquareRoot() const;

 private:
  ExactFraction(Int128 num, Int128 den);  // reduces; den > 0
  Int128 num_;
  Int128 den_;
};

}  // namespace lumatik

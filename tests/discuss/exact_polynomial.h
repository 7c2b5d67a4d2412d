#pragma once

// Polynomials with exact rational coefficients (index = power of x), the
// reference for the discussion's and the integral's numbers, and the term a
// pupil would type for them.

#include <gmpxx.h>

#include <string>
#include <vector>

namespace lumatik::testing {

using Coefficients = std::vector<mpq_class>;

inline Coefficients Multiply(const Coefficients& p, const Coefficients& q) {
  Coefficients r(p.size() + q.size() - 1, 0);
  for (std::size_t i = 0; i < p.size(); ++i)
    for (std::size_t j = 0; j < q.size(); ++j) r[i + j] += p[i] * q[j];
  return r;
}

inline Coefficients Derivative(const Coefficients& p) {
  Coefficients r;
  for (std::size_t i = 1; i < p.size(); ++i) r.push_back(p[i] * static_cast<long>(i));
  if (r.empty()) r.push_back(0);
  return r;
}

inline mpq_class Integral(const Coefficients& p, const mpq_class& a, const mpq_class& b) {
  mpq_class sum = 0, powerA = a, powerB = b;
  for (std::size_t i = 0; i < p.size(); ++i, powerA *= a, powerB *= b)
    sum += p[i] * (powerB - powerA) / static_cast<long>(i + 1);
  return sum;
}

// "1/4*x^3-3/8*x+2".
inline std::string TermText(const Coefficients& p) {
  std::string text;
  for (std::size_t i = p.size(); i-- > 0;) {
    if (p[i] == 0) continue;
    const mpq_class magnitude = abs(p[i]);
    text += p[i] < 0 ? "-" : (text.empty() ? "" : "+");
    const bool one = magnitude == 1 && i > 0;
    if (!one) text += magnitude.get_str();
    if (i > 0) text += one ? "x" : "*x";
    if (i > 1) text += "^" + std::to_string(i);
  }
  return text.empty() ? "0" : text;
}

}  // namespace lumatik::testing

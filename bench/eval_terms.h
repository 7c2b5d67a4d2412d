#pragma once

// The eight plot terms every evaluator is measured on, with hand-written
// long double code for each (the limit), over 100 000 points spread evenly
// over [-8, 8].

#include <cmath>
#include <vector>

#include "expr/numeric.h"

namespace lumatik::bench {

inline constexpr const char* kEvalTerms[8] = {
    "1/3*x^3-3*x",
    "x/(x+1)/(x-1)",
    "1/50*exp(abs(x))*sin(Pi/2*x)",
    "-x^4+8/3*x^3-16/9*x^2+24/9*x-7/9",
    "x*exp(2-x)",
    "2*ln(x)/x",
    "tan(Pi*x)",
    "3*(x/2+1/3-int(x/2+1/3))",
};

// Term N as a C++ programmer writes it, inlined where it is called.
template <int N>
inline long double NativeTerm(long double x) {
  if constexpr (N == 0) return 1.0L / 3 * x * x * x - 3 * x;
  if constexpr (N == 1) return x / (x + 1) / (x - 1);
  if constexpr (N == 2) return 1.0L / 50 * std::exp(std::fabs(x)) * std::sin(kPi / 2 * x);
  if constexpr (N == 3) return -x * x * x * x + 8.0L / 3 * x * x * x - 16.0L / 9 * x * x + 24.0L / 9 * x - 7.0L / 9;
  if constexpr (N == 4) return x * std::exp(2 - x);
  if constexpr (N == 5) return 2 * std::log(x) / x;
  if constexpr (N == 6) return std::tan(kPi * x);
  if constexpr (N == 7) return 3 * (x / 2 + 1.0L / 3 - std::floor(x / 2 + 1.0L / 3));
}

inline const std::vector<long double>& EvalPoints() {
  static const std::vector<long double> points = [] {
    constexpr int kCount = 100000;
    std::vector<long double> p(kCount);
    for (int i = 0; i < kCount; ++i) p[i] = -8 + 16.0L * i / (kCount - 1);
    return p;
  }();
  return points;
}

}  // namespace lumatik::bench

#include "discuss/integral_poles.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumatik {

namespace {

// Values closer than this share of their size are equal up to rounding.
constexpr Extended kRounding = 1e-12L;
// A value this many times larger than the sum's own values near it is a
// pole's, not a hill's.
constexpr Extended kPoleFactor = 1000;
constexpr int kSearchSteps = 100;

// f's limit at x approached from the direction `side` (+1, -1, or 0 for
// both sides, which must agree), or nothing where f has none there.
std::optional<Extended> LimitAt(const TermFunction& f, Extended x, Extended delta, int side) {
  if (side == 0) {
    const std::optional<Extended> left = LimitAt(f, x, delta, -1);
    const std::optional<Extended> right = LimitAt(f, x, delta, 1);
    if (!left || !right) return std::nullopt;
    if (std::fabs(*right - *left) > 1e-9L * (1 + std::fabs(*left))) return std::nullopt;
    return (*left + *right) / 2;
  }
  Extended v[3];
  for (int k = 0; k < 3; ++k) {
    const TermValue value = f(x + side * delta / (k == 0 ? 1 : (k == 1 ? 16 : 256)));
    if (value.failed) return std::nullopt;
    v[k] = value.value;
  }
  const Extended rounding = kRounding * (1 + std::fabs(v[1]));
  if (std::fabs(v[2] - v[1]) > std::fabs(v[1] - v[0]) / 2 + rounding) return std::nullopt;
  // f(x + t) = L + c·t + e·t² near x: Richardson's extrapolation of the
  // three values to t = 0.
  const Extended wider = (16 * v[1] - v[0]) / 15;
  const Extended narrower = (16 * v[2] - v[1]) / 15;
  return (256 * narrower - wider) / 255;
}

// The largest |f| between left and right by ternary search: a pole there
// shows as a value far above what f has at the points of the sum. Returns
// the pole's place, or nothing.
std::optional<Extended> PoleNear(const TermFunction& f, Extended left, Extended right, Extended typical) {
  for (int step = 0; step < kSearchSteps; ++step) {
    const Extended m1 = left + (right - left) / 3;
    const Extended m2 = right - (right - left) / 3;
    if (!(m1 > left && m2 < right && m1 < m2)) break;
    const TermValue v1 = f(m1);
    const TermValue v2 = f(m2);
    if (v1.failed) return m1;
    if (v2.failed) return m2;
    if (std::fabs(v1.value) >= std::fabs(v2.value)) {
      right = m2;
    } else {
      left = m1;
    }
  }
  const Extended place = left + (right - left) / 2;
  const TermValue v = f(place);
  if (v.failed || std::fabs(v.value) > kPoleFactor * (1 + typical)) return place;
  return std::nullopt;
}

}  // namespace

SimpsonSums SimpsonWithPoles(const TermFunction& f, Extended x1, Extended x2, long long strips) {
  SimpsonSums sums;
  const long long n = 2 * strips;
  const Extended h = (x2 - x1) / static_cast<Extended>(n);
  if (h == 0) return sums;
  const Extended delta = std::fabs(h) / 8;
  const int inward = h > 0 ? 1 : -1;
  std::vector<Extended> y(static_cast<std::size_t>(n + 1));
  for (long long i = 0; i <= n; ++i) {
    const Extended x = i == n ? x2 : x1 + static_cast<Extended>(i) * h;
    const TermValue v = f(x);
    if (!v.failed) {
      y[static_cast<std::size_t>(i)] = v.value;
      continue;
    }
    // A bound is approached from inside the interval only.
    const int side = i == 0 ? inward : (i == n ? -inward : 0);
    const std::optional<Extended> limit = LimitAt(f, x, delta, side);
    if (!limit) {
      sums.pole = x;
      return sums;
    }
    y[static_cast<std::size_t>(i)] = *limit;
  }
  // A pole between two points of the sum: |f| peaks there far above its
  // neighbours.
  for (long long i = 1; i < n; ++i) {
    const Extended here = std::fabs(y[static_cast<std::size_t>(i)]);
    const Extended before = std::fabs(y[static_cast<std::size_t>(i - 1)]);
    const Extended after = std::fabs(y[static_cast<std::size_t>(i + 1)]);
    if (!(here > before && here >= after)) continue;
    const Extended x = x1 + static_cast<Extended>(i) * h;
    if (const std::optional<Extended> pole = PoleNear(f, std::min(x - h, x + h), std::max(x - h, x + h), here)) {
      sums.pole = pole;
      return sums;
    }
  }
  Extended fine = 0;
  Extended coarse = 0;
  for (long long i = 0; i <= n; ++i) {
    const Extended v = y[static_cast<std::size_t>(i)];
    const bool end = i == 0 || i == n;
    fine += end ? v : (i % 2 == 1 ? 4 * v : 2 * v);
    if (i % 2 == 0) coarse += end ? v : (i % 4 == 2 ? 4 * v : 2 * v);
  }
  sums.fine = fine * h / 3;
  sums.coarse = coarse * 2 * h / 3;
  return sums;
}

}  // namespace lumatik

#include <cmath>
#include <cstring>
#include <new>
#include <vector>

#include "expr/evaluate.h"
#include "expr/numeric.h"
#include "expr/term_program.h"

namespace lumatik {

namespace {

// A value with its first and second derivative with respect to x.
struct Jet {
  Extended v = 0;
  Extended d1 = 0;
  Extended d2 = 0;
};

// g(u) with g'(u) and g''(u) known: the chain rule.
Jet Chain(const Jet& u, Extended g, Extended g1, Extended g2) {
  return {g, g1 * u.d1, g2 * u.d1 * u.d1 + g1 * u.d2};
}

bool Finite(const Jet& j) { return std::isfinite(j.v) && std::isfinite(j.d1) && std::isfinite(j.d2); }

constexpr Extended kDegreesPerRadian = 180 / kPi;

// The derivatives of the table's functions of x at u, from the value g the
// function itself gave. False where the function has no derivative at u.
bool FunctionSlopes(const char* name, Extended u, Extended g, Extended& g1, Extended& g2) {
  const auto is = [name](const char* other) { return std::strcmp(name, other) == 0; };
  if (is("sin")) return g1 = std::cos(u), g2 = -g, true;
  if (is("cos")) return g1 = -std::sin(u), g2 = -g, true;
  if (is("si_")) return g1 = kPiOver180 * std::cos(u * kPiOver180), g2 = -kPiOver180 * kPiOver180 * g, true;
  if (is("co_")) return g1 = -kPiOver180 * std::sin(u * kPiOver180), g2 = -kPiOver180 * kPiOver180 * g, true;
  if (is("tan")) return g1 = 1 + g * g, g2 = 2 * g * (1 + g * g), true;
  if (is("ta_")) return g1 = kPiOver180 * (1 + g * g), g2 = 2 * kPiOver180 * kPiOver180 * g * (1 + g * g), true;
  if (is("exp")) return g1 = g, g2 = g, true;
  if (is("ln") || is("lg") || is("lb")) {
    if (!(u > 0)) return false;
    const Extended scale = is("ln") ? 1 : (is("lg") ? 1 / std::log(10.0L) : 1 / std::log(2.0L));
    return g1 = scale / u, g2 = -scale / (u * u), true;
  }
  if (is("atn") || is("at_")) {
    const Extended scale = is("atn") ? 1 : kDegreesPerRadian;
    const Extended q = 1 + u * u;
    return g1 = scale / q, g2 = -2 * scale * u / (q * q), true;
  }
  if (is("asn") || is("acs") || is("as_") || is("ac_")) {
    if (!(std::fabs(u) < 1)) return false;
    const Extended sign = (is("asn") || is("as_")) ? 1 : -1;
    const Extended scale = sign * ((is("asn") || is("acs")) ? 1 : kDegreesPerRadian);
    const Extended q = 1 - u * u;
    return g1 = scale / std::sqrt(q), g2 = scale * u / (q * std::sqrt(q)), true;
  }
  if (is("abs")) {
    if (u == 0) return false;
    return g1 = u > 0 ? 1 : -1, g2 = 0, true;
  }
  if (is("wur")) {
    if (!(u > 0)) return false;
    return g1 = 1 / (2 * g), g2 = -1 / (4 * g * u), true;
  }
  // Steps: flat on each piece, taken from the right at a step itself, as
  // the function's value is.
  if (is("sgn")) return u != 0 && (g1 = 0, g2 = 0, true);
  if (is("int") || is("rou")) return g1 = 0, g2 = 0, true;
  return false;
}

// base^exponent with both carried as jets; p is the power's value.
bool PowerJet(const Jet& base, const Jet& exponent, Extended p, Jet& out) {
  out.v = p;
  if (exponent.d1 == 0 && exponent.d2 == 0) {
    // A constant exponent: the power rule, also for negative bases.
    const Extended e = exponent.v;
    Extended p1 = 0;
    Extended p2 = 0;
    if (base.d1 == 0 && base.d2 == 0) return out.d1 = 0, out.d2 = 0, true;
    if (!TryPowerOf(base.v, e - 1, p1)) return false;
    if (e == 1) {
      p2 = 0;
    } else if (!TryPowerOf(base.v, e - 2, p2)) {
      return false;
    }
    out.d1 = e * p1 * base.d1;
    out.d2 = e * (e - 1) * p2 * base.d1 * base.d1 + e * p1 * base.d2;
    return true;
  }
  // base^e = exp(e·ln base) where base > 0.
  if (!(base.v > 0)) return false;
  const Extended lnBase = std::log(base.v);
  const Extended g1 = exponent.d1 * lnBase + exponent.v * base.d1 / base.v;
  const Extended g2 = exponent.d2 * lnBase + 2 * exponent.d1 * base.d1 / base.v +
                      exponent.v * (base.d2 * base.v - base.d1 * base.d1) / (base.v * base.v);
  out.d1 = p * g1;
  out.d2 = p * (g1 * g1 + g2);
  return true;
}

}  // namespace

bool TermProgram::derivatives(Extended x, Extended& d1, Extended& d2) {
  thread_local std::vector<Jet> jets;
  jets.resize(registers_.size());
  // Constants carry no derivative; results are written before they are read.
  for (std::size_t i = 1; i < registers_.size(); ++i) jets[i] = {registers_[i], 0, 0};
  jets[0] = {x, 1, 0};
  const std::uint64_t messagesBefore = MathErrorCount();
  for (const Instruction& in : code_) {
    const Jet& a = jets[in.a];
    const Jet& b = jets[in.b];
    Jet r;
    switch (in.op) {
      case Op::Message: return false;
      case Op::Add: r = {a.v + b.v, a.d1 + b.d1, a.d2 + b.d2}; break;
      case Op::Subtract: r = {a.v - b.v, a.d1 - b.d1, a.d2 - b.d2}; break;
      case Op::Multiply:
        r = {a.v * b.v, a.d1 * b.v + a.v * b.d1, a.d2 * b.v + 2 * a.d1 * b.d1 + a.v * b.d2};
        break;
      case Op::Divide: {
        if (std::fabs(b.v) < 1e-15L) return false;
        r.v = a.v / b.v;
        r.d1 = (a.d1 - r.v * b.d1) / b.v;
        r.d2 = (a.d2 - 2 * r.d1 * b.d1 - r.v * b.d2) / b.v;
        break;
      }
      case Op::Power: {
        Extended p = 0;
        if (!TryPowerOf(a.v, b.v, p) || !PowerJet(a, b, p, r)) return false;
        break;
      }
      case Op::WholePower: {
        const long long n = in.n;
        Extended p = 0;
        Extended p1 = 0;
        Extended p2 = 0;
        if (a.v == 0 && b.v > 0) {
          p = 0;
        } else if (!TryIntPower(a.v, n, p)) {
          return false;
        }
        if (n == 1) {
          r = a;
          break;
        }
        if (!TryIntPower(a.v, n - 1, p1) || !TryIntPower(a.v, n - 2, p2)) return false;
        const Extended e = static_cast<Extended>(n);
        r = {p, e * p1 * a.d1, e * (e - 1) * p2 * a.d1 * a.d1 + e * p1 * a.d2};
        break;
      }
      case Op::Function: {
        Extended g = 0;
        try {
          g = in.function->compute(a.v);
        } catch (const std::bad_alloc&) {
          throw;
        } catch (...) {
          return false;
        }
        Extended g1 = 0;
        Extended g2 = 0;
        if (!std::isfinite(g) || !FunctionSlopes(in.function->name, a.v, g, g1, g2)) return false;
        r = Chain(a, g, g1, g2);
        break;
      }
    }
    if (!Finite(r) || MathErrorCount() != messagesBefore) return false;
    jets[in.target] = r;
  }
  const Jet& result = jets[result_];
  if (resultConstant_) return d1 = 0, d2 = 0, true;
  d1 = result.d1;
  d2 = result.d2;
  return true;
}

}  // namespace lumatik

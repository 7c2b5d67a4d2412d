#pragma once

// The one way the curve discussion evaluates its term. Every scan and every
// refinement calls a TermFunction; EngineTermFunction builds it from the
// text evaluator, and a faster form of the same term can take its place
// here without any routine of the discussion noticing. The slopes come
// from a SlopeFunction: exact derivatives where the compiled term gives
// them, difference quotients of the values otherwise.

#include <functional>
#include <string>

#include "shell/extended.h"

namespace lumatik {

// A function value and whether the engine reported a failure on the way
// (the value is then the engine's substitute and must not be trusted).
struct TermValue {
  Extended value = 0;
  bool failed = false;
};

using TermFunction = std::function<TermValue(Extended x)>;

// f'(x) and f''(x); known is false where they could not be computed.
struct TermSlopes {
  Extended d1 = 0;
  Extended d2 = 0;
  bool known = false;
  bool exact = false;  // by automatic differentiation, not a difference quotient
};

// Exact derivatives at x, or nothing (known false) where the term has none
// to give; the discussion then differentiates the values numerically.
using SlopeFunction = std::function<TermSlopes(Extended x)>;

// Evaluates `term` at x with the given parameter line. The discussion runs
// while the window processes events, and a redraw of the plotter may set
// another parameter line meanwhile: each evaluation therefore puts this
// term's parameter line back first. A value that is no finite number counts
// as a failure.
TermFunction EngineTermFunction(std::string term, std::string paramLine);

// The automatic derivatives of the compiled term, where f(x) itself
// succeeds.
SlopeFunction EngineSlopeFunction(std::string term, std::string paramLine);

// f' and f'' at x: from `exact` where it knows them, else central
// differences of f with steps scaled to the extended type (f' with about
// cbrt(epsilon)·|x|, f'' with about epsilon^(1/4)·|x|).
TermSlopes SlopesAt(const TermFunction& f, const SlopeFunction& exact, Extended x);

// The slope f'(x) alone, the same way.
Extended SlopeAt(const TermFunction& f, const SlopeFunction& exact, Extended x);

}  // namespace lumatik

#pragma once

// The one way the curve discussion evaluates its term. Every scan and every
// refinement calls a TermFunction; EngineTermFunction builds it from the
// text evaluator, and a faster form of the same term can take its place
// here without any routine of the discussion noticing.

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

// Evaluates `term` at x with the given parameter line. The discussion runs
// while the window processes events, and a redraw of the plotter may set
// another parameter line meanwhile: each evaluation therefore puts this
// term's parameter line back first. A value that is no finite number counts
// as a failure.
TermFunction EngineTermFunction(std::string term, std::string paramLine);

// The slope used in the worked texts: the central difference with
// h = 1e-12, from the values whatever the engine reported.
Extended SlopeAt(const TermFunction& f, Extended x);

}  // namespace lumatik

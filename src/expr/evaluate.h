#pragma once

// The expression engine: terms in school notation are evaluated directly
// from their text ("a*x^3+b*x", "1'1/2+4'5/22", "sin(45°)"). Failures never
// leave the engine: they become a substitute value and a German message in
// MathErrorText. Running out of memory is no failure of a term: std::bad_alloc
// leaves every evaluation and ends the computation that asked for it.

#include <cstdint>
#include <string>

#include "expr/builtin_functions.h"
#include "shell/matherror.h"
#include "expr/numeric.h"
#include "expr/parameters.h"
#include "shell/extended.h"

namespace lumatik {

// Evaluates Term with the variable x standing for X.
Extended EvalTermAt(const std::string& term, Extended x);

// How often an evaluation has read its variable x since the program began
// (the parameter "x" does not count). The text evaluator reaches every level
// of a term whatever the values, so a term whose evaluation leaves the count
// alone gives the same value and messages at every x, as long as the
// parameter line stays as it is.
std::uint64_t XReadCount();

// Evaluates Term with x taken from the parameter "x" (0 without it).
// Throws only when the parameter x itself cannot be read, a std::runtime_error
// (ConversionError or EMathError).
Extended EvalTerm(const std::string& term);

// EvalTerm that returns 0, without a message, for anything that escapes.
Extended EvalTermGuarded(const std::string& term);

// The number-literal reader: either separator, blanks ignored.
Extended StrToNumber(const std::string& text);
// False for a text that StrToNumber surely refuses (a character no number
// has), so that names and stray bytes are turned down without an exception.
bool CouldBeNumber(const std::string& text);

}  // namespace lumatik

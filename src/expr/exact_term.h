#pragma once

// The exact value of a term made of rational numbers: integers, decimals and
// E-notation exactly as typed ("0,865" is 173/200, "1,5E-3" is 3/2000),
// mixed numbers, parameters holding such values, + - * / ":", brackets and
// whole powers. The calculator and the worksheet take their fractions from
// it instead of guessing them from the extended value; the plotter never
// asks for it.

#include <gmpxx.h>

#include <optional>
#include <string>

namespace lumatik {

// The term read as EvalTerm reads it (x from the parameter "x", or 0), or
// nothing when it holds anything else (functions other than abs, Pi,
// non-whole powers), divides by a divisor the engine refuses, or would grow
// beyond any number the extended value can stand for.
std::optional<mpq_class> ExactTermValue(const std::string& term);

// A parameter's term read exactly, by the rules of the parameter evaluator.
std::optional<mpq_class> ExactParamValue(const std::string& name);

}  // namespace lumatik

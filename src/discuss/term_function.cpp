#include "discuss/term_function.h"

#include <cmath>
#include <utility>

#include "expr/lumath.h"

namespace lumatik {

TermFunction EngineTermFunction(std::string term, std::string paramLine) {
  return [term = std::move(term), paramLine = std::move(paramLine)](Extended x) {
    if (ParamLine() != paramLine) ParamLine() = paramLine;
    MathErrorText().clear();
    TermValue result;
    result.value = EvalTermAt(term, x);
    result.failed = !MathErrorText().empty() || !std::isfinite(result.value);
    return result;
  };
}

Extended SlopeAt(const TermFunction& f, Extended x) {
  constexpr Extended h = 1e-12L;
  return (f(x + h).value - f(x - h).value) / (2 * h);
}

}  // namespace lumatik

#include "discuss/term_function.h"

#include <cmath>
#include <memory>
#include <utility>

#include "expr/compiled_term.h"
#include "expr/lumath.h"

namespace lumatik {

TermFunction EngineTermFunction(std::string term, std::string paramLine) {
  // The scans evaluate one term thousands of times: through its compiled
  // form, which gives the text evaluator's values and messages.
  return [compiled = std::make_shared<const CompiledTerm>(std::move(term)),
          paramLine = std::move(paramLine)](Extended x) {
    if (ParamLine() != paramLine) ParamLine() = paramLine;
    MathErrorText().clear();
    TermValue result;
    result.value = (*compiled)(x);
    result.failed = !MathErrorText().empty() || !std::isfinite(result.value);
    return result;
  };
}

Extended SlopeAt(const TermFunction& f, Extended x) {
  constexpr Extended h = 1e-12L;
  return (f(x + h).value - f(x - h).value) / (2 * h);
}

}  // namespace lumatik

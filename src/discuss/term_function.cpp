#include "discuss/term_function.h"

#include <cmath>
#include <memory>
#include <utility>

#include "expr/compiled_term.h"
#include "expr/evaluate.h"
#include "expr/numeric.h"

namespace lumatik {

TermFunction EngineTermFunction(std::string term, std::string paramLine) {
  // The scans evaluate one term thousands of times: through its compiled
  // form, which gives the text evaluator's values and messages.
  return [compiled = CompiledTermFor(term), paramLine = std::move(paramLine)](Extended x) {
    if (ParamLine() != paramLine) ParamLine() = paramLine;
    MathErrorText().clear();
    TermValue result;
    result.value = (*compiled)(x);
    result.failed = !MathErrorText().empty() || !std::isfinite(result.value);
    return result;
  };
}

SlopeFunction EngineSlopeFunction(std::string term, std::string paramLine) {
  const std::shared_ptr<const CompiledTerm> compiled = CompiledTermFor(term);
  if (!compiled->isCompiled()) return {};
  return [compiled, f = EngineTermFunction(std::move(term), std::move(paramLine))](Extended x) {
    TermSlopes slopes;
    if (f(x).failed) return slopes;
    slopes.known = compiled->derivatives(x, slopes.d1, slopes.d2) && std::isfinite(slopes.d1) &&
                   std::isfinite(slopes.d2);
    slopes.exact = slopes.known;
    return slopes;
  };
}

TermSlopes SlopesAt(const TermFunction& f, const SlopeFunction& exact, Extended x) {
  if (exact) {
    const TermSlopes slopes = exact(x);
    if (slopes.known) return slopes;
  }
  const Extended h1 = DifferenceStep(x);
  // epsilon^(1/4) = 2^-16 for the second difference.
  const Extended h2 = 0x1p-16L * std::max<Extended>(1, std::fabs(x));
  const TermValue centre = f(x);
  const TermValue ahead1 = f(x + h1);
  const TermValue behind1 = f(x - h1);
  const TermValue ahead2 = f(x + h2);
  const TermValue behind2 = f(x - h2);
  TermSlopes slopes;
  slopes.known = !(centre.failed || ahead1.failed || behind1.failed || ahead2.failed || behind2.failed);
  slopes.d1 = (ahead1.value - behind1.value) / ((x + h1) - (x - h1));
  slopes.d2 = (ahead2.value - 2 * centre.value + behind2.value) / (h2 * h2);
  slopes.known = slopes.known && std::isfinite(slopes.d1) && std::isfinite(slopes.d2);
  return slopes;
}

Extended SlopeAt(const TermFunction& f, const SlopeFunction& exact, Extended x) {
  if (exact) {
    const TermSlopes slopes = exact(x);
    if (slopes.known) return slopes.d1;
  }
  const Extended h = DifferenceStep(x);
  return (f(x + h).value - f(x - h).value) / ((x + h) - (x - h));
}

}  // namespace lumatik

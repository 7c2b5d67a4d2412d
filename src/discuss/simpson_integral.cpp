#include "discuss/simpson_integral.h"

#include <cmath>
#include <stdexcept>

#include "discuss/discuss_texts.h"
#include "discuss/exact_integral.h"
#include "discuss/integral_poles.h"
#include "discuss/term_function.h"
#include "discuss/number_patterns.h"
#include "exact/fractions.h"
#include "expr/evaluate.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

constexpr long long kFewestStrips = 100;

std::optional<std::string> LowestValueOf(const std::vector<std::string>& lines, const char* label) {
  std::optional<std::string> value;
  for (const std::string& line : lines) {
    if (line.find(label) == std::string::npos) continue;
    const std::string text = line.substr(line.find('=') + 1);
    if (IsBlank(text)) {
      value.reset();
    } else {
      value = text;
    }
  }
  return value;
}

std::string BoundsMissingMessage(const std::string& term) {
  return Cp1252("Das Integral von x1 bis x2 über \rf(x) = ") + term + "\r\n wird berechnet." +
         Cp1252("Ändern Sie oben noch die Werte für x1 und x2!\r") + "  Integral x1 = ???\r" +
         "  Integral x2 = ???\r\r" + "  Simpsonschritte pro Einheit n = 100 (Vorgabe)\r" +
         "         (je mehr, um so genauer)\r\r" +
         Cp1252("Bitte Integral nach Änderung nocheinmal anklicken");
}

}  // namespace

IntegralInputs FindIntegralInputs(const std::vector<std::string>& memoLines) {
  IntegralInputs inputs;
  inputs.x1 = LowestValueOf(memoLines, discusstexts::kLowerBoundLabel);
  inputs.x2 = LowestValueOf(memoLines, discusstexts::kUpperBoundLabel);
  inputs.n = LowestValueOf(memoLines, discusstexts::kStripsLabel);
  return inputs;
}

long long SimpsonStrips(Extended x1, Extended x2, Extended n) {
  const Extended wanted = std::nearbyint(std::fabs(x2 - x1) * n);
  if (!(wanted >= kFewestStrips)) return kFewestStrips;
  if (wanted >= kMaxSimpsonStrips) return kMaxSimpsonStrips;
  const auto strips = static_cast<long long>(wanted);
  return strips % 2 == 0 ? strips : strips + 1;
}

std::vector<std::string> IntegralResultLines(const DiscussionTerm& term, const std::string& x1Text,
                                             const std::string& x2Text, Extended x1, Extended x2,
                                             long long strips) {
  ParamLine() = term.paramLine;
  const std::string head = "Integral(" + x1Text + ";" + x2Text + ")" + term.term + " = ";
  const SimpsonSums sums = SimpsonWithPoles(EngineTermFunction(term.term, term.paramLine), x1, x2, strips);
  if (sums.pole) return {head + Cp1252(discusstexts::kNoIntegralAtPole) + DecimalsText(*sums.pole, 6)};
  std::vector<std::string> lines{head + FloatText18(sums.fine),
                                 "[Fehler(Simpson mit " + std::to_string(strips) + " Summ.) ~ " +
                                     OneDigitScientificText(sums.coarse - sums.fine) + "]"};
  // A polynomial with rational coefficients has its integral exactly.
  if (const std::optional<mpq_class> exact = ExactPolynomialIntegral(term.term, x1Text, x2Text))
    lines.push_back(discusstexts::kExactIntegral + exact->get_str());
  return lines;
}

IntegralOutcome IntegralPress(const std::vector<std::string>& memoLines, const DiscussionTerm& term) {
  namespace t = discusstexts;
  IntegralOutcome outcome;
  const IntegralInputs inputs = FindIntegralInputs(memoLines);
  if (!inputs.x1) outcome.appendedLines.push_back(t::kLowerBoundDefault);
  if (!inputs.x2) outcome.appendedLines.push_back(t::kUpperBoundDefault);
  if (!inputs.n) outcome.appendedLines.push_back(t::kStripsDefault);
  if (!inputs.x1 || !inputs.x2) {
    outcome.moveWindowToTop = true;
    outcome.message = BoundsMissingMessage(term.term);
    return outcome;
  }
  ParamLine() = term.paramLine;
  Extended x1 = 0;
  Extended x2 = 0;
  Extended n = 0;
  try {
    x1 = EvalTerm(*inputs.x1);
    x2 = EvalTerm(*inputs.x2);
    n = std::nearbyint(EvalTerm(inputs.n.value_or("")));
  } catch (const std::runtime_error&) {  // the parameter x cannot be read
    outcome.message = Cp1252(t::kWrongIntegralValues);
    return outcome;
  }
  if (!std::isfinite(x1) || !std::isfinite(x2) || !std::isfinite(n)) {
    outcome.message = Cp1252(t::kWrongIntegralValues);
    return outcome;
  }
  const std::vector<std::string> result =
      IntegralResultLines(term, Trim(*inputs.x1), Trim(*inputs.x2), x1, x2, SimpsonStrips(x1, x2, n));
  outcome.appendedLines.insert(outcome.appendedLines.end(), result.begin(), result.end());
  return outcome;
}

}  // namespace lumatik

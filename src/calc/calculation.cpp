#include "calc/calculation.h"

#include <cmath>
#include <exception>

#include "exact/fractions.h"
#include "exact/primes.h"
#include "exact/roots.h"
#include "expr/lumath.h"
#include "expr/term_normalise.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/luhilf.h"

namespace lumatik {

std::string ReadTerm(const std::string& typed) { return RewriteWords(typed); }

std::string ResultText(Extended v) {
  if (std::fabs(v) >= 1e18L) return GeneralFloatText(v, 18);
  const FixedParts parts = ToFixedParts(v, 18, 18);
  std::string text = parts.integer.empty() ? "0" : GroupDigits3(parts.integer);
  if (!parts.fraction.empty()) text += DecimalSeparator() + GroupFractionDigits3(parts.fraction);
  if (parts.negative) text = "-" + text;
  return CollapseAfterFirst(text);
}

namespace {

Extended EvaluateTyped(const std::string& typed) { return EvalTerm(ReadTerm(typed)); }

}  // namespace

Calculation Calculate(const std::string& typed) {
  Calculation c;
  ReadParams();
  try {
    c.value = EvaluateTyped(typed);
  } catch (const std::exception& e) {
    c.failure = e.what();
    return c;
  }
  const Extended v = c.value;
  c.result = ResultText(v);
  std::string f = NumberText(v);
  c.rootEnabled = true;
  if (std::fabs(v) > 1) f += " = " + NumberTextMixed(v);
  if (f.find('/') != std::string::npos) {
    c.fraction = f;
    // A fraction with a small denominator needs no root form.
    Extended num = 0;
    Extended den = 0;
    if (FindFraction(num, den, v, 1e-12L) && std::fabs(den) < 100000) c.rootEnabled = false;
  }
  if (IsWholeNumber(v, 1e-12L)) {
    c.primeFactorsEnabled = true;
    c.rootEnabled = false;
  } else {
    c.primeFactorsEnabled = false;
  }
  return c;
}

std::string HistoryLine(const std::string& typed, const Calculation& calculation) {
  std::string line = typed + " = " + calculation.result;
  if (!calculation.fraction.empty()) line += " = " + calculation.fraction;
  return line;
}

bool HistoryContains(const std::vector<std::string>& history, const std::string& text) {
  std::string whole;
  for (const std::string& line : history) whole += line + "\r\n";
  return whole.find(text) != std::string::npos;
}

void AddToHistory(std::vector<std::string>& history, const std::string& line) {
  if (!HistoryContains(history, line)) history.insert(history.begin(), line);
}

PrimeFactorCalculation CalculatePrimeFactors(const std::string& typed,
                                            const std::vector<std::string>& history) {
  PrimeFactorCalculation pfz;
  pfz.calculation = Calculate(typed);
  if (!pfz.calculation.failure.empty()) return pfz;
  const Extended v = EvaluateTyped(typed);
  if (IsWholeNumber(v, 1e-12L)) pfz.calculation.fraction = PrimeFactorText(v);
  if (!HistoryContains(history, pfz.calculation.fraction))
    pfz.historyLine = pfz.calculation.result + "=" + pfz.calculation.fraction;
  return pfz;
}

RootCalculation CalculateRoot(const std::string& typed) {
  RootCalculation root;
  root.calculation = Calculate(typed);
  if (!root.calculation.failure.empty()) return root;
  const Extended v = EvaluateTyped(typed);
  if (std::fabs(v) <= 2147483647.0L && root.calculation.rootEnabled) {
    root.rootText = RootText("sqrt", v);
    root.written = true;
  }
  return root;
}

}  // namespace lumatik

#include "calc/calculation.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "exact/fractions.h"
#include "exact/rational.h"
#include "exact/primes.h"
#include "exact/roots.h"
#include "expr/exact_term.h"
#include "expr/evaluate.h"
#include "expr/term_normalise.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"

namespace lumatik {

std::string ReadTerm(const std::string& typed) { return RewriteWords(typed); }

std::string ResultText(Extended v) {
  if (std::fabs(v) >= 1e18L) return GeneralFloatText(v, 18);
  const FixedParts parts = ToFixedParts(v, 18, 18);
  // A value too small for the 18 places is written with its exponent, never as 0.
  if (parts.integer.empty() && parts.fraction.empty() && v != 0) return GeneralFloatText(v, 18);
  std::string text = parts.integer.empty() ? "0" : GroupDigits3(parts.integer);
  if (!parts.fraction.empty()) text += DecimalSeparator() + GroupFractionDigits3(parts.fraction);
  if (parts.negative) text = "-" + text;
  return JoinFourDigitInteger(text);
}

namespace {

// The extended type holds every integer up to 2^64; beyond it the value is
// rounded, and its prime factors would be those of another number.
bool FactorsExactly(const mpq_class& q) { return abs(q) <= mpq_class(mpz_class("18446744073709551616")); }

// The fraction field and the commands for a value known exactly: its own
// fraction and mixed number, whatever their size within the display.
void ShowExact(Calculation& c, const mpq_class& q) {
  c.value = ToExtended(q);
  c.result = ResultText(c.value);
  // A fraction with a small denominator needs no root form; a long decimal,
  // such as the 18 places of a continued fraction's value, may be the
  // rounded root it stands for, which "Als Wurzel" only shows when proven.
  c.rootEnabled = q.get_den() >= 100000;
  c.primeFactorsEnabled = q.get_den() == 1 && FactorsExactly(q);
  if (q.get_den() == 1 || !FitsFractionDisplay(q)) return;
  c.fraction = RationalText(q);
  if (abs(q) > 1) c.fraction += " = " + MixedRationalText(q);
}

}  // namespace

Calculation Calculate(const std::string& typed) {
  Calculation c;
  ReadParams();
  MathErrorText().clear();
  try {
    c.value = EvalTerm(ReadTerm(typed));
  } catch (const std::runtime_error& e) {
    // The parameter x itself cannot be read; out of memory is no such failure.
    c.failure = e.what();
    return c;
  }
  const Extended v = c.value;
  c.result = ResultText(v);
  c.message = MathErrorText();
  if (!c.message.empty()) {
    c.primeFactorsEnabled = false;
    c.rootEnabled = false;
    return c;
  }
  if (const std::optional<mpq_class> exact = ExactTermValue(ReadTerm(typed)); exact && std::isfinite(v)) {
    ShowExact(c, *exact);
    return c;
  }
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

std::string ShownResult(const Calculation& calculation) {
  if (calculation.message.empty()) return calculation.result;
  return calculation.result + kInvalidResultMark + calculation.message;
}

std::string PlainNumberText(const std::string& shown) {
  std::string number = shown.substr(0, shown.find(kInvalidResultMark));
  std::erase(number, ' ');
  return number;
}

std::string HistoryLine(const std::string& typed, const Calculation& calculation) {
  std::string line = typed + " = " + ShownResult(calculation);
  if (!calculation.fraction.empty()) line += " = " + calculation.fraction;
  return line;
}

bool HistoryContains(const std::vector<std::string>& history, const std::string& line) {
  return std::find(history.begin(), history.end(), line) != history.end();
}

void AddToHistory(std::vector<std::string>& history, const std::string& line) {
  if (!HistoryContains(history, line)) history.insert(history.begin(), line);
}

// "PFZ" and "Als Wurzel" work on the value "Rechne" has just computed.
PrimeFactorCalculation CalculatePrimeFactors(const std::string& typed,
                                            const std::vector<std::string>& history) {
  PrimeFactorCalculation pfz;
  pfz.calculation = Calculate(typed);
  const Calculation& c = pfz.calculation;
  if (!c.failure.empty() || !c.message.empty() || !c.primeFactorsEnabled) return pfz;
  pfz.calculation.fraction = PrimeFactorText(c.value);
  const std::string line = c.result + "=" + c.fraction;
  if (!c.fraction.empty() && !HistoryContains(history, line)) pfz.historyLine = line;
  return pfz;
}

RootCalculation CalculateRoot(const std::string& typed) {
  RootCalculation root;
  root.calculation = Calculate(typed);
  if (!root.calculation.failure.empty()) return root;
  const Extended v = root.calculation.value;
  if (std::fabs(v) <= 2147483647.0L && root.calculation.rootEnabled) {
    root.rootText = RootText("sqrt", v);
    root.written = true;
  }
  return root;
}

}  // namespace lumatik

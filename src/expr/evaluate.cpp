// The evaluator reads a term straight from its text: every level normalises
// its own text, then splits it at the last operator outside brackets, or
// applies a function, unwraps a bracket, or reads a constant, x, a parameter
// or a number. Each level guards its own work, so a failure costs only the
// sub-term it happens in.

#include <cmath>
#include <new>
#include <stdexcept>

#include "expr/evaluation_depth.h"
#include "expr/limits.h"
#include "expr/evaluate.h"
#include "expr/term_normalise.h"
#include "expr/term_split.h"
#include "shell/decimal_separator.h"
#include "shell/text_helpers.h"
#include "shell/textconvert.h"

namespace lumatik {

namespace {

std::uint64_t xReads = 0;

Extended Finite(Extended value) {
  if (!std::isfinite(value)) throw std::overflow_error("Gleitkomma\xFC" "berlauf");
  return value;
}

Extended Combine(Operator op, Extended left, Extended right) {
  switch (op) {
    case Operator::Plus: return Finite(left + right);
    case Operator::Minus: return Finite(left - right);
    case Operator::Times:
    case Operator::Dot: return Finite(left * right);
    case Operator::Divide: return DivChecked(left, right);
    case Operator::Power: return PowerOf(left, right);
    case Operator::Count: break;
  }
  return 0;
}

Extended ApplyFunction(const BuiltinFunction& f, const std::string& argument, Extended x) {
  const Extended a =
      f.argument == ArgumentMode::AtX ? EvalTermAt(argument, x) : EvalTerm(argument);
  if (!f.ownGuard) return Finite(f.compute(a));
  try {
    return Finite(f.compute(a));
  } catch (const std::bad_alloc&) {
    throw;  // out of memory is no failure of the function: it ends the whole computation
  } catch (...) {
    // A function with its own guard answers any failure of its computation
    // with its name and argument, whatever was raised.
    SetMathError(std::string(f.name) + argument);
    return 0;
  }
}

// Steps 8 to 12 on a normalised text; exceptions go to the caller's guard.
Extended Dispatch(const std::string& s, Extended x) {
  // 8. Operators with two operands.
  const SplitScan scan = ScanForSplits(s);
  for (int op = 0; op < kOperatorCount; ++op) {
    const std::size_t p = scan.position[op];
    if (p == std::string::npos) {
      if (scan.surplus != 0) SetMathError(BracketMessage(s, scan.surplus));
      continue;
    }
    const Extended left = EvalTermAt(s.substr(0, p), x);
    const Extended right = EvalTermAt(s.substr(p + 1), x);
    return Combine(static_cast<Operator>(op), left, right);
  }

  // 9. Function names.
  if (const BuiltinFunction* f = FindBuiltinFunction(s))
    return ApplyFunction(*f, s.substr(std::char_traits<char>::length(f->name)), x);

  // 10. Brackets: whatever trails the closing bracket is dropped.
  if (s[0] == '(') {
    std::string inner = s;
    while (inner.size() >= 2 && inner.back() != ')') inner.pop_back();
    inner = inner.size() >= 2 ? inner.substr(1, inner.size() - 2) : std::string();
    return EvalTermAt(inner, x);
  }

  // 11. Constant and variable.
  if (s == "Pi") return kPi;
  if (Trim(s) == "x") {
    ++xReads;
    return x;
  }

  // 12. Parameters and numbers.
  if (HasParam(s)) return ParamValue(s);
  try {
    if (CouldBeNumber(s)) return StrToNumber(s);
  } catch (const ConversionError&) {
    // No number: the syntax message below.
  }
  SetMathError(UnreadableLeafMessage(s));
  return 0;
}

}  // namespace

Extended EvalTermAt(const std::string& term, Extended x) {
  EvaluationLevel level;
  if (EvaluationLevel::depth() > kMaxTermDepth) {
    SetMathError(kTermTooDeepMessage);
    return 0;
  }
  // 1. to 6. Normalisation of this level's text.
  std::string s = RemoveBlanks(RewriteWords(term));
  if (s.size() > kMaxTermLength) {
    SetMathError(kTermTooLongMessage);
    return 0;
  }
  if (s.find('\'') != std::string::npos) s = RewriteMixedNumbers(s);
  s = InsertImplicitMultiplication(s);
  if (s.empty()) return 0;
  // A sign with nothing to sign is no term: "+" alone would otherwise read
  // as 0+0 without a word.
  if (s == "+" || s == "-") {
    SetMathError("Syntaxf. in " + s);
    return 0;
  }
  // 6. A leading sign: -x^2 is 0-x^2. A sign after an operator reaches this
  // step as the leading sign of the operand it belongs to.
  if (s[0] == '-' || s[0] == '+') s = "0" + s;

  // 7. Every failure of this level costs this sub-term only: whatever a
  // power, a function or a parameter raises becomes "Fehler in" and 0 here.
  // Out of memory is no failure of the term and leaves the engine.
  try {
    return Dispatch(s, x);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (...) {
    SetMathError("Fehler in " + s);
    return 0;
  }
}

std::uint64_t XReadCount() { return xReads; }

void CountXRead() { ++xReads; }

Extended EvalTerm(const std::string& term) {
  const Extended x = HasParam("x") ? ParamValue("x") : 0;
  return EvalTermAt(term, x);
}

Extended EvalTermGuarded(const std::string& term) {
  // Whatever still escapes (an unreadable parameter x) reads as 0; only
  // running out of memory goes on to the caller.
  try {
    return EvalTerm(term);
  } catch (const std::bad_alloc&) {
    throw;
  } catch (...) {
    return 0;
  }
}

bool CouldBeNumber(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    const bool possible = (c >= '0' && c <= '9') || c == ' ' || c == '+' || c == '-' || c == 'E' ||
                          c == 'e' || c == DecimalSeparator() || c == OtherDecimalSeparator();
    if (!possible) return false;
  }
  return true;
}

std::string UnreadableLeafMessage(const std::string& text) {
  const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  bool name = !text.empty() && letter(text[0]);
  for (char c : text) name = name && (letter(c) || (c >= '0' && c <= '9') || c == '_' || c == '\'');
  return (name ? "Unbekannter Name " : "Syntaxf. in ") + text;
}

Extended StrToNumber(const std::string& text) {
  std::string s = RemoveBlanks(text);
  if (s.find(DecimalSeparator()) == std::string::npos) {
    const auto other = s.find(OtherDecimalSeparator());
    if (other != std::string::npos) s[other] = DecimalSeparator();
  }
  return TextToFloat(s);
}

}  // namespace lumatik

#include "worksheet/typed_value.h"

#include <cmath>
#include <stdexcept>

#include "exact/rational.h"
#include "expr/exact_term.h"
#include "expr/evaluate.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"

namespace lumatik {

TypedValue ReadTypedValue(const std::string& item) {
  TypedValue typed;
  // The number formats the program writes ("1'3/5", "1,5E-20") are read
  // exactly; the engine does not need to know them all.
  if (const auto literal = ReadRationalLiteral(item)) {
    typed.value = ToExtended(*literal);
    typed.exact = literal;
    return typed;
  }
  // The engine never clears its message; an earlier one is kept unless this
  // term brings its own.
  const std::string earlier = MathErrorText();
  MathErrorText().clear();
  try {
    typed.value = EvalTerm(item);
  } catch (const std::runtime_error&) {  // the parameter x cannot be read
    typed.computed = false;
  }
  if (!MathErrorText().empty() || !std::isfinite(typed.value)) {
    typed.computed = false;
    typed.message = Trim(MathErrorText());
  }
  if (typed.computed) {
    MathErrorText() = earlier;
    typed.exact = ExactTermValue(item);
    if (typed.exact) typed.value = ToExtended(*typed.exact);
  } else {
    typed.value = 0;
  }
  return typed;
}

std::string UncomputableValueHint(int lineNumber, const std::string& item, const std::string& message) {
  std::string text = Cp1252("Abbruch:In Zeile ") + FloatText18(lineNumber) + " kann \"" + item +
                     "\" nicht berechnet werden";
  if (!message.empty()) text += " (" + message + ")";
  return text + Cp1252(".\rErlaubt sind Zahlen und Rechenausdrücke ohne Leerstelle, z.B. 1/3, wur(3) oder Pi/2.");
}

}  // namespace lumatik

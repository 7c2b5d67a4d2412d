// EvalTermAt with a parameter line. Input: term, LF, parameter line, LF, x.
// Contract: a finite value, MathErrorText empty or one of the engine's
// messages, message boxes only the engine's own, and number texts of the
// value without INF or NAN.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "exact/roots.h"
#include "expr/evaluate.h"
#include "fuzz_support.h"
#include "shell/text_helpers.h"

namespace lumatik::fuzz {
namespace {

void RequireEngineAnswer(Extended value, const std::string& term) {
  Require(std::isfinite(value), "Wert nicht endlich", term);
  RequireEngineMessage(term);
  for (const std::string& message : ShownMessages()) {
    Require(message.rfind("Neuen Parameter gesetzt:", 0) == 0 || message == "Integral kann nicht berechnet werden!",
            "unbekanntes Meldungsfenster", term + "\n-> " + message);
  }
}

}  // namespace
}  // namespace lumatik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  using namespace lumatik::fuzz;
  const auto fields = SplitFields(data, size, 3);
  const std::string& term = fields[0];
  ResetEngine(fields[1]);
  const Extended x = ReadX(fields[2]);

  const Extended value = EvalTermAt(term, x);
  RequireEngineAnswer(value, term);
  for (const std::string& text : {FloatText18(value), GroupedDecimalText18(value), ExactText(value),
                                  FloatTextFixed(5, value), CleanFloatText(value)})
    Require(!ShowsNonFinite(text), "Zahltext mit INF/NAN", term + "\n-> " + text);

  // The calculator's road: x from the parameter line, nothing escapes.
  MathErrorText().clear();
  RequireEngineAnswer(EvalTermGuarded(term), term);
  return 0;
}

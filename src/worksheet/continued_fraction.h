#pragma once

// The "Kettenbrüche" menu: expands a positive number into its continued
// fraction with every convergent and its error, proves with the convergent
// before the last that numerator and denominator of a fraction are coprime,
// and evaluates a continued fraction typed as a list.

#include <string>
#include <vector>

#include "shell/extended.h"
#include "worksheet/worksheet.h"

namespace lumatik {

// The rows of the expansion of q, the list line and the proof, each row
// starting with CR LF. Messages ("Fehler", "Fehler!") go into `messages`,
// or to the message sink when it is null.
std::string ContinuedFractionText(Extended q, std::vector<std::string>* messages = nullptr);

// The explanation that an empty worksheet receives.
std::vector<std::string> ContinuedFractionExplanation();

void ContinuedFractionMenu(Worksheet& sheet);      // the menu title itself
void ExplainContinuedFraction(Worksheet& sheet);   // "Erläuterung Kettenbruch"
void ComputeContinuedFraction(Worksheet& sheet);   // "Rechne Kettenbruch"

// "Eingabe Kettenbruch": the dialog's texts.
std::string ContinuedFractionInputCaption();
std::string ContinuedFractionInputLabel();
std::string ContinuedFractionInputPreset();
std::string ContinuedFractionInputHint();

// The value of a typed list "[a1,a2,...]" or "[a1 a2 ...]" (at most 40
// entries; trailing zeros are skipped) and the list with its commas and
// brackets blanked. An entry too large for a 64-bit integer makes the
// whole list unusable: `ok` is false and `error` says why.
struct TypedContinuedFraction {
  bool ok = false;
  Extended value = 0;
  std::string term;  // the value as the calculator takes it: exact
  std::string listText;
  std::string error;
};
TypedContinuedFraction EvaluateContinuedFractionList(const std::string& text);

}  // namespace lumatik

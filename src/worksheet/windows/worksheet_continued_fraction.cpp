// "Eingabe Kettenbruch": the typed continued fraction goes to the
// calculator, which computes it and shows its root form.

#include <QLineEdit>

#include "calc/windows/calculator_window.h"
#include "shell/text_helpers.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"
#include "shell/windows/hint_input_dialog.h"
#include "shell/windows/qtext.h"
#include "shell/windows/window_front.h"
#include "worksheet/continued_fraction.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik {

void WorksheetWindow::EingabeKettenbruch1Click() {
  std::string text = ContinuedFractionInputPreset();
  // "Abbrechen" cancels: nothing is computed and the worksheet stays.
  if (!InputOne(ContinuedFractionInputCaption(), ContinuedFractionInputLabel(), ContinuedFractionInputHint(),
                text))
    return;
  const TypedContinuedFraction typed = EvaluateContinuedFractionList(text);
  if (!typed.ok) {
    ShowMessage(typed.error);
    return;
  }
  if (!calculatorWindow) return;
  calculatorWindow->EEing->setText(QtText(typed.term));
  calculatorWindow->BRechneClick();
  calculatorWindow->BalsWurzelClick();
  calculatorWindow->ShowFraction(calculatorWindow->EBruch->text() + QtText(" = Kettenbruch [" + typed.listText + "]"));
  hide();
  BringToFront(calculatorWindow);
}

}  // namespace lumatik

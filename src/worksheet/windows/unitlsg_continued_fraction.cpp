// "Eingabe Kettenbruch": the typed continued fraction goes to the
// calculator, which computes it and shows its root form.

#include <QLineEdit>

#include "calc/windows/rechne.h"
#include "shell/luhilf.h"
#include "shell/messagesink.h"
#include "shell/windows/forms.h"
#include "shell/windows/hint_input_dialog.h"
#include "shell/windows/qtext.h"
#include "shell/windows/window_front.h"
#include "worksheet/continued_fraction.h"
#include "worksheet/windows/unitlsg.h"

namespace lumatik {

void TFormLSG::EingabeKettenbruch1Click() {
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
  if (!FRechne) return;
  FRechne->EEing->setText(QtText(typed.term));
  FRechne->BRechneClick();
  FRechne->BalsWurzelClick();
  FRechne->ShowFraction(FRechne->EBruch->text() + QtText(" = Kettenbruch [" + typed.listText + "]"));
  hide();
  BringToFront(FRechne);
}

}  // namespace lumatik

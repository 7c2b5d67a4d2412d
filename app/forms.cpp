#include "app/forms.h"

#include <QFont>

#include "calc/windows/calculator_window.h"
#include "discuss/windows/discussion_window.h"
#include "exact/primes.h"
#include "geometry/geometry_commands.h"
#include "plot/windows/function_input_window.h"
#include "plot/windows/graph_window.h"
#include "plot/windows/function_list_window.h"
#include "screenshot/windows/unit_ba1.h"
#include "screenshot/windows/unit_ba2.h"
#include "screenshot/windows/unit_ba3.h"
#include "screenshot/windows/unit_ba4.h"
#include "shell/windows/forms.h"
#include "shell/windows/cancel_dialog.h"
#include "shell/windows/hint_input_dialog.h"
#include "shell/windows/start_window.h"
#include "worksheet/windows/worksheet_window.h"

namespace lumatik {

namespace {

// "Courier New" and "MS Sans Serif", which the windows are designed for,
// drawn with their metric twins where those are installed.
void InstallFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}

}  // namespace

void CreateForms() {
  InstallFontSubstitutions();
  // The worksheet window builds its menus from the command table, so the
  // subsystems above the worksheet bind their commands first.
  BindGeometryCommands();
  StartMode = 0;
  startWindow = new StartWindow;
  functionListWindow = new FunctionListWindow;
  discussionWindow = new DiscussionWindow;
  functionInputWindow = new FunctionInputWindow;
  worksheetWindow = new WorksheetWindow;
  hintInputDialog = new HintInputDialog(startWindow);
  calculatorWindow = new CalculatorWindow;
  Form_ba1 = new TForm_ba1;
  Form_ba2 = new TForm_ba2;
  Form_ba3 = new TForm_ba3;
  Form_ba4 = new TForm_ba4;
  graphWindow = new GraphWindow;
  SetPrimeProgressObserver(&PrimeProgress());
}

namespace {

template <typename Form>
void DestroyForm(Form*& form) {
  delete form;
  form = nullptr;
}

}  // namespace

void DestroyForms() {
  SetPrimeProgressObserver(nullptr);
  DestroyForm(graphWindow);
  DestroyForm(Form_ba4);
  DestroyForm(Form_ba3);
  DestroyForm(Form_ba2);
  DestroyForm(Form_ba1);
  DestroyForm(calculatorWindow);
  DestroyForm(hintInputDialog);
  DestroyForm(worksheetWindow);
  DestroyForm(functionInputWindow);
  DestroyForm(discussionWindow);
  DestroyForm(functionListWindow);
  DestroyForm(startWindow);
}

}  // namespace lumatik

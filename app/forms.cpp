#include "app/forms.h"

#include <QFont>

#include "calc/windows/calculator_window.h"
#include "discuss/windows/discussion_window.h"
#include "exact/primes.h"
#include "geometry/geometry_commands.h"
#include "plot/windows/function_input_window.h"
#include "plot/windows/graph_window.h"
#include "plot/windows/function_list_window.h"
#include "screenshot/windows/capture_window.h"
#include "screenshot/windows/top_left_marker.h"
#include "screenshot/windows/bottom_right_marker.h"
#include "screenshot/windows/preview_window.h"
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
  captureWindow = new CaptureWindow;
  topLeftMarker = new TopLeftMarker;
  bottomRightMarker = new BottomRightMarker;
  previewWindow = new PreviewWindow;
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
  DestroyForm(previewWindow);
  DestroyForm(bottomRightMarker);
  DestroyForm(topLeftMarker);
  DestroyForm(captureWindow);
  DestroyForm(calculatorWindow);
  DestroyForm(hintInputDialog);
  DestroyForm(worksheetWindow);
  DestroyForm(functionInputWindow);
  DestroyForm(discussionWindow);
  DestroyForm(functionListWindow);
  DestroyForm(startWindow);
}

}  // namespace lumatik

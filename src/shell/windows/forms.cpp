#include "shell/windows/forms.h"

namespace lumatik {

StartWindow* startWindow = nullptr;
FunctionListWindow* functionListWindow = nullptr;
DiscussionWindow* discussionWindow = nullptr;
FunctionInputWindow* functionInputWindow = nullptr;
WorksheetWindow* worksheetWindow = nullptr;
HintInputDialog* hintInputDialog = nullptr;
CalculatorWindow* calculatorWindow = nullptr;
TForm_ba1* Form_ba1 = nullptr;
TForm_ba2* Form_ba2 = nullptr;
TForm_ba3* Form_ba3 = nullptr;
TForm_ba4* Form_ba4 = nullptr;
GraphWindow* graphWindow = nullptr;

std::uint16_t StartMode = 0;

}  // namespace lumatik

#include "shell/windows/forms.h"

namespace lumatik {

StartWindow* startWindow = nullptr;
FunctionListWindow* functionListWindow = nullptr;
DiscussionWindow* discussionWindow = nullptr;
FunctionInputWindow* functionInputWindow = nullptr;
WorksheetWindow* worksheetWindow = nullptr;
HintInputDialog* hintInputDialog = nullptr;
CalculatorWindow* calculatorWindow = nullptr;
CaptureWindow* captureWindow = nullptr;
TopLeftMarker* topLeftMarker = nullptr;
BottomRightMarker* bottomRightMarker = nullptr;
PreviewWindow* previewWindow = nullptr;
GraphWindow* graphWindow = nullptr;

std::uint16_t StartMode = 0;

}  // namespace lumatik

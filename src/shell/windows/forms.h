#pragma once

// The program's twelve windows. They are created once at start, in a fixed
// order, and live until the program ends; afterwards they are only shown and
// hidden. Windows reach each other through these pointers; the program on
// top (app/forms.h) creates and destroys them.

#include <cstdint>

namespace lumatik {

class StartWindow;
class FunctionListWindow;
class DiscussionWindow;
class FunctionInputWindow;
class WorksheetWindow;
class HintInputDialog;
class CalculatorWindow;
class CaptureWindow;
class TopLeftMarker;
class BottomRightMarker;
class PreviewWindow;
class GraphWindow;

extern StartWindow* startWindow;      // start window, the main window
extern FunctionListWindow* functionListWindow;          // plotter: list window
extern DiscussionWindow* discussionWindow;          // curve discussion
extern FunctionInputWindow* functionInputWindow;          // plotter: function input
extern WorksheetWindow* worksheetWindow;          // worksheet
extern HintInputDialog* hintInputDialog;  // hint and input dialog (the dialog routines make their own)
extern CalculatorWindow* calculatorWindow;          // calculator
extern CaptureWindow* captureWindow;        // screenshot: capture
extern TopLeftMarker* topLeftMarker;        // screenshot: upper-left marker
extern BottomRightMarker* bottomRightMarker;        // screenshot: lower-right marker
extern PreviewWindow* previewWindow;        // screenshot: preview and export
extern GraphWindow* graphWindow;          // graph window

// The area chosen in the start window: 0 plotter, 1 linear systems,
// 2 equations, 3 geometry, 4 3-D drawing, 5 continued fractions, 6 algebra.
// Only the start window's buttons write it.
extern std::uint16_t StartMode;

}  // namespace lumatik

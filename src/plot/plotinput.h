#pragma once

// The small decisions of the function input window and the graph window,
// kept apart from the widgets so they can be checked without a screen.

#include <string>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

// A unit typed into LEx or LEy that Enter accepts at once: digits, "/" and
// either decimal separator only, ending in a digit ("1/2", "0,5", "1.5";
// not "Pi" or "2*Pi").
bool IsPlainNumber(const std::string& s);

// "Schrittweite": the value rounded to the nearest integer, ties to even,
// held inside the integer range (a value that is no number gives 0).
int ValuesPerCmOf(Extended value);

// The input window's paint pass over the list: a blank item is deleted but
// the walk still moves on, so of two adjacent blank items the second stays.
void RemoveBlankItemsAsPainted(std::vector<std::string>& list);

// The function text the window shows when its field is blank.
std::string FunctionTextWhenBlank(const std::vector<std::string>& list);

// The right click's new plot line at user point (x|y), and its explanation.
std::string TextInsertionLine(Extended x, Extended y);
std::string TextInsertionMessage(const std::string& line, Extended x, Extended y);

// The six numbers of the last 3-D drawing, which the graph window's popup
// menu changes one at a time before it draws the scene again.
struct View3DParams {
  Extended alpha = 0;
  Extended k = 0;
  Extended ley = 0;
  Extended lez = 0;
  Extended shiftVertical = 0;
  Extended shiftHorizontal = 0;
};

// The popup menu's twelve view items in menu order.
enum class ViewChange {
  AlphaUp, AlphaDown, UnitXUp, UnitXDown, UnitYUp, UnitYDown,
  UnitZUp, UnitZDown, Down, Up, Right, Left
};

// Five degrees more or less, a unit times or divided by the square root of
// 2 (so two clicks double or halve it), or one step of shift.
View3DParams ChangedView(View3DParams view, ViewChange change);

// "Lezter Fehler": the engine's last message, or that there was none.
std::string LastErrorReport(const std::string& mathError);

}  // namespace lumatik

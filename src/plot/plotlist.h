#pragma once

// The plot list: one drawing command per line. A line is a function term
// (with an optional interval "[a;b]" or parameters after two blanks) or one
// of the keyword commands Text, Kreis, Rechteck, Strecke and Kästchen.

#include <string>
#include <vector>

#include "plot/canvas.h"
#include "shell/extended.h"

namespace lumatik {

enum class PlotLineKind { Text, Circle, Rectangle, Segment, SmallSquare, Function };

// Decided at the first character of the untrimmed line, case-sensitively:
// " Kreis ..." and "kreis ..." are function lines.
PlotLineKind PlotLineKindOf(const std::string& line);

// A function line taken apart: the term prepared for evaluation (blanks
// removed, words rewritten) and the interval, ±1e100 where none is given.
struct FunctionLineParts {
  std::string term;
  Extended lower = -1e100L;
  Extended upper = 1e100L;
};

// Splits a function line. A line without "[" but with "=" is split into term
// and parameters, and that replaces the parameter line for everybody.
FunctionLineParts SplitInterval(const std::string& line);

// Numeric word n (2 = the first after the keyword) of a keyword line, as a term.
Extended KeywordArgument(const std::string& line, int n);

// "Text x y size |text": the font size in points and the text to write.
int TextLineFontSize(const std::string& line);
std::string TextLineText(const std::string& line);

// "Kreis x y r colour": the fill colour found anywhere in the line.
Colour CircleColourOf(const std::string& line);

// A text command with nothing to write: "Text ... |".
bool IsEmptyTextLine(const std::string& line);

// The text's lines, split at CR LF, CR or LF.
std::vector<std::string> SplitTextLines(const std::string& text);

// Moves the current line (trimmed; several lines if it holds line breaks) to
// the top of the list, drops older identical copies and blank lines.
void AddCurrentToList(const std::string& current, std::vector<std::string>& list);

// The largest font a text line may ask for: bigger ones would fill the
// screen many times over and only cost the toolkit memory and time.
inline constexpr int kMaxTextFontSize = 500;

}  // namespace lumatik

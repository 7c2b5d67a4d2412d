#pragma once

// A plot-list line read once for a redraw: its kind, its numeric words as
// values, its term compiled. A line is read when its turn comes, because a
// function line with parameters sets the parameter line for the lines after
// it, and the fields' scale is read at every line's start as the engine then
// sees it.

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "expr/compiled_term.h"
#include "plot/canvas.h"
#include "plot/plotlist.h"
#include "plot/plotrender.h"
#include "shell/extended.h"

namespace lumatik {

struct PlotItem {
  PlotLineKind kind = PlotLineKind::Function;
  // False where reading raised: the line draws nothing.
  bool drawable = true;
  PlotScale scale;
  // The engine's message after reading the fields and after reading the
  // line, where reading set one; drawing the item leaves it as reading the
  // line there would have.
  std::optional<std::string> scaleMessage;
  std::optional<std::string> lineMessage;

  // Keyword lines: words 2 to 5 as values (0 for words a kind does not read).
  std::array<Extended, 4> words{};
  int fontSize = 10;     // Text
  std::string text;      // Text
  Colour colour = kWhite;  // Kreis

  // Function lines: the prepared term, its interval and the parameter line
  // in force while it is sampled.
  std::shared_ptr<const CompiledTerm> term;
  Extended lower = -1e100L;
  Extended upper = 1e100L;
  std::string paramLine;
};

// Reads the fields' scale and then the line, as drawing the line begins.
PlotItem ReadPlotItem(const std::string& line, const PlotFieldTexts& fields);

// Drawing the same line again right after (the curve after its derivative)
// reads the fields' scale anew under the parameter line the first reading
// left; the rest of the line reads alike.
void ReadScaleAgain(PlotItem& item, const PlotFieldTexts& fields);

// Draws an item as DrawPlotLine draws its line; with Label, "f(x)=" and
// labelText are written.
void DrawPlotItem(bool derivative, const PlotItem& item, Canvas& canvas, const PlotPen& pen,
                  const PlotFrame& frame, int steps, bool label, const std::string& labelText);

}  // namespace lumatik

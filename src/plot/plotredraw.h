#pragma once

// The full redraws of the plot list, shared by the graph window, the export
// picture and the command line. They draw onto a cleared canvas; clearing,
// showing and hiding windows is the caller's part.

#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/plotrender.h"

namespace lumatik {

// Curves are red for derivatives, else black on a white picture and white
// on the screen's black.
Colour CurveColour(bool derivative, bool blackCurves);

// One list line as the graph window draws it: solid pen of width 1.
void DrawListLine(bool derivative, const std::string& line, bool blackCurves, int steps, Canvas& canvas,
                  const PlotFrame& frame, const PlotFieldTexts& fields);

// Fills the whole target with a colour: brush colour := Colour, then a
// rectangle with the current pen.
void ClearCanvas(Canvas& canvas, Colour colour, int width, int height);

struct RedrawOptions {
  bool all = true;          // "Alle": every list line, else the function field only
  bool derivative = false;  // "Auch Ableitung": each function's derivative first, in red
  bool blackCurves = false; // black on white instead of white on black
  int steps = 100;          // values per centimetre
};

// The redraw of the input window: the list (or the function field's text),
// derivative before curve, then every "Text" line of the list once more so
// that texts lie on top and appear even without "Alle".
void RedrawPlotList(const std::vector<std::string>& list, const PlotFieldTexts& fields,
                    const RedrawOptions& options, Canvas& canvas, const PlotFrame& frame);

// The redraw for the picture export: black on white, 50 values per cm, the
// whole list with "Alle", else only its first line, and no text pass.
void RedrawForExport(const std::vector<std::string>& list, const PlotFieldTexts& fields, bool all,
                     bool derivative, Canvas& canvas, const PlotFrame& frame);

}  // namespace lumatik

#pragma once

// The full redraws of the plot list, shared by the graph window, the export
// picture and the command line. They draw onto a cleared canvas; clearing,
// showing and hiding windows is the caller's part.

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "plot/canvas.h"
#include "plot/plot_items.h"
#include "plot/plotrender.h"

namespace lumatik {

// Curves are red for derivatives, else black on a white picture and white
// on the screen's black.
Colour CurveColour(bool derivative, bool blackCurves);

// Fills the whole target with a colour: brush colour := Colour, then a
// rectangle with the current pen.
void ClearCanvas(Canvas& canvas, Colour colour, int width, int height);

struct RedrawOptions {
  bool all = true;          // "Alle": every list line, else the function field only
  bool derivative = false;  // "Auch Ableitung": each function's derivative first, in red
  bool blackCurves = false; // black on white instead of white on black
  int steps = 100;          // values per centimetre
};

// Asked after every line drawn; false stops the redraw there. The graph
// window lets its events through here, so that Esc or a click can stop a
// long list.
using KeepDrawing = std::function<bool()>;

// A redraw of the plot list, drawn line by line: each line is read once when
// its turn comes (its term compiled, its words evaluated) and drawn with a
// solid pen of width 1.
class PlotListRedraw {
 public:
  // The redraw of the input window: the list (or the function field's text),
  // derivative before curve, then every "Text" line of the list once more so
  // that texts lie on top and appear even without "Alle".
  static PlotListRedraw ForScreen(const std::vector<std::string>& list, const PlotFieldTexts& fields,
                                  const RedrawOptions& options);
  // The redraw for the picture export: black on white, 50 values per cm, the
  // whole list with "Alle", else only its first line, and no text pass.
  static PlotListRedraw ForExport(const std::vector<std::string>& list, const PlotFieldTexts& fields, bool all,
                                  bool derivative);

  // Draws the next lines until all are drawn or keepDrawing answers false;
  // true when the redraw is complete. Called again, it goes on where it
  // stopped.
  bool draw(Canvas& canvas, const PlotFrame& frame, const KeepDrawing& keepDrawing = {});
  bool finished() const { return next_ == steps_.size(); }

 private:
  struct Step {
    std::size_t line;  // index into lines_
    bool derivative;
    bool sameLineAgain;  // the curve right after its derivative
  };
  PlotListRedraw(PlotFieldTexts fields, RedrawOptions options) : fields_(std::move(fields)), options_(options) {}
  void add(std::string line, bool derivative);

  PlotFieldTexts fields_;
  RedrawOptions options_;
  std::vector<std::string> lines_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  PlotItem current_;
};

// Both redraws drawn whole.
void RedrawPlotList(const std::vector<std::string>& list, const PlotFieldTexts& fields,
                    const RedrawOptions& options, Canvas& canvas, const PlotFrame& frame);
void RedrawForExport(const std::vector<std::string>& list, const PlotFieldTexts& fields, bool all,
                     bool derivative, Canvas& canvas, const PlotFrame& frame);

}  // namespace lumatik

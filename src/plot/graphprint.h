#pragma once

// Printing the graph on one page: the frame fills 79 % of the page width,
// from 10 % of it on, and the top 43.89 % of the page, so that on an A4
// portrait page one unit is about one centimetre.

#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/plotrender.h"

namespace lumatik {

PlotFrame PrintFrame(int pageWidth, int pageHeight);

struct GraphPrintOptions {
  bool all = false;         // "Alle"
  bool derivative = false;  // "Auch Ableitung"
  bool withText = false;    // "Schaubild drucken mit Text"
};

// Draws what "Schaubild drucken" puts on the page, black on white with 100
// values per cm. With "Alle" the function field's text first moves to the
// top of the list, as before every redraw; the label "f(x)=..." goes with
// the first line only, and only for "mit Text".
void PrintGraph(std::vector<std::string>& list, const PlotFieldTexts& fields,
                const GraphPrintOptions& options, Canvas& canvas, const PlotFrame& frame);

}  // namespace lumatik

#include "plot/graphprint.h"

#include <cmath>

#include "plot/plotlist.h"

namespace lumatik {

namespace {

constexpr int kPrintValuesPerCm = 100;

int RoundedShare(int pixels, long double share) {
  return static_cast<int>(std::nearbyint(pixels * share));
}

void PrintListLine(bool derivative, const std::string& line, int penWidth, bool label, Canvas& canvas,
                   const PlotFrame& frame, const PlotFieldTexts& fields) {
  const PlotPen pen{PenStyle::Solid, penWidth, kBlack};
  DrawPlotLine(derivative, line, canvas, pen, frame, kPrintValuesPerCm, label, fields);
}

}  // namespace

PlotFrame PrintFrame(int pageWidth, int pageHeight) {
  return PlotFrame{RoundedShare(pageWidth, 0.1L), RoundedShare(pageWidth, 0.79L),
                   RoundedShare(pageHeight, 0.4389L)};
}

void PrintGraph(std::vector<std::string>& list, const PlotFieldTexts& fields,
                const GraphPrintOptions& options, Canvas& canvas, const PlotFrame& frame) {
  if (options.all) {
    AddCurrentToList(fields.function, list);
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (options.derivative) PrintListLine(true, list[i], 1, false, canvas, frame, fields);
      PrintListLine(false, list[i], 2, options.withText && i == 0, canvas, frame, fields);
    }
    return;
  }
  if (options.derivative) PrintListLine(true, fields.function, 1, false, canvas, frame, fields);
  PrintListLine(false, fields.function, 2, false, canvas, frame, fields);
}

}  // namespace lumatik

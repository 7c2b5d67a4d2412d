#include "plot/plotredraw.h"

namespace lumatik {

Colour CurveColour(bool derivative, bool blackCurves) {
  if (derivative) return kRed;
  return blackCurves ? kBlack : kWhite;
}

void DrawListLine(bool derivative, const std::string& line, bool blackCurves, int steps, Canvas& canvas,
                  const PlotFrame& frame, const PlotFieldTexts& fields) {
  const PlotPen pen{PenStyle::Solid, 1, CurveColour(derivative, blackCurves)};
  DrawPlotLine(derivative, line, canvas, pen, frame, steps, false, fields);
}

void ClearCanvas(Canvas& canvas, Colour colour, int width, int height) {
  canvas.setBrushColour(colour);
  canvas.rectangle(0, 0, width, height);
}

void RedrawPlotList(const std::vector<std::string>& list, const PlotFieldTexts& fields,
                    const RedrawOptions& options, Canvas& canvas, const PlotFrame& frame) {
  auto draw = [&](const std::string& line) {
    if (options.derivative) DrawListLine(true, line, options.blackCurves, options.steps, canvas, frame, fields);
    DrawListLine(false, line, options.blackCurves, options.steps, canvas, frame, fields);
  };
  if (options.all) {
    for (const std::string& line : list) draw(line);
  } else {
    draw(fields.function);
  }
  for (const std::string& line : list) {
    if (line.rfind("Text", 0) == 0) {
      DrawListLine(false, line, options.blackCurves, options.steps, canvas, frame, fields);
    }
  }
}

void RedrawForExport(const std::vector<std::string>& list, const PlotFieldTexts& fields, bool all,
                     bool derivative, Canvas& canvas, const PlotFrame& frame) {
  constexpr int kExportValuesPerCm = 50;
  for (std::size_t i = 0; i < list.size() && (all || i == 0); ++i) {
    if (derivative) DrawListLine(true, list[i], true, kExportValuesPerCm, canvas, frame, fields);
    DrawListLine(false, list[i], true, kExportValuesPerCm, canvas, frame, fields);
  }
}

}  // namespace lumatik

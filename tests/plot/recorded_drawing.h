#pragma once

// Plot lines drawn on a recording canvas, and what the drawing tests read
// back from it.

#include <string>
#include <vector>

#include "plot/plotrender.h"
#include "plot/recording_canvas.h"

namespace lumatik::testing {

// The input window's units and centre as the drawing tests type them.
inline PlotFieldTexts Fields(const std::string& lex, const std::string& ley, const std::string& x0 = "0",
                             const std::string& y0 = "0") {
  return PlotFieldTexts{.lex = lex, .ley = ley, .x0 = x0, .y0 = y0, .function = {}};
}

// Draws the line as the input window's function, in a solid pen.
inline void DrawLine(RecordingCanvas& canvas, const std::string& line, PlotFieldTexts fields, const PlotFrame& frame,
                     int steps = 10, bool derivative = false, Colour colour = kWhite) {
  fields.function = line;
  DrawPlotLine(derivative, line, canvas, PlotPen{PenStyle::Solid, 1, colour}, frame, steps, false, fields);
}

inline std::vector<RecordedOp> OpsOf(const RecordingCanvas& canvas, CanvasOp op) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& r : canvas.ops())
    if (r.op == op) out.push_back(r);
  return out;
}

// The curve's segments: lines in the pen's colour.
inline std::vector<RecordedOp> CurveOf(const RecordingCanvas& canvas, Colour colour) {
  std::vector<RecordedOp> out;
  for (const RecordedOp& r : OpsOf(canvas, CanvasOp::LineTo))
    if (r.pen.colour == colour) out.push_back(r);
  return out;
}

}  // namespace lumatik::testing

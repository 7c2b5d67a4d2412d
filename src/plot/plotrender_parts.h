#pragma once

// The two halves of drawing a function line, each in its own file: the
// coordinate system under the curve, and the curve itself.

#include "plot/canvas.h"
#include "expr/compiled_term.h"
#include "plot/plotrender.h"

namespace lumatik {

// The dotted grid on every whole centimetre of the frame, the axes where
// x = 0 and y = 0 lie inside the frame, and the labels of the grid lines
// along the axes (along the frame's centre lines where an axis is outside).
void DrawGridAndAxes(Canvas& canvas, const PlotScale& scale, const PlotFrame& frame);

// Samples the term at `steps` values per centimetre across the whole frame
// and joins the samples, cut wherever the curve cannot be drawn.
// Lower and upper bound the interval of the line, in user units.
void DrawCurve(bool derivative, const CompiledTerm& term, Extended lower, Extended upper, Canvas& canvas,
               const PlotScale& scale, const PlotFrame& frame, int steps);

}  // namespace lumatik

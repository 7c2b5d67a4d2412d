#pragma once

// Plots on Qt's paint devices. The graph window's picture, the command
// line's picture file and the printed page are all drawn through PaintPlot,
// and every picture of a plot is made by NewPlotPicture.

#include <QColor>
#include <QImage>
#include <QSize>

#include <functional>

#include "plot/canvas.h"

class QPaintDevice;

namespace lumatik {

// A picture in 32-bit RGB at 96 dots per inch, the screen the point sizes of
// the plot texts are meant for, filled with one colour.
QImage NewPlotPicture(QSize size, QColor fill);

// Runs the drawing on a QPainter canvas over the device. The canvas starts
// with `state` (the pen, brush, font and pen position of the drawing before)
// and leaves its own state there for the next drawing.
void PaintPlot(QPaintDevice& device, CanvasState& state, const std::function<void(Canvas&)>& drawing);

}  // namespace lumatik

#pragma once

// Drawing plot-list lines into the coordinate frame. A centimetre of the
// frame is as long across as down, so that circles stay round and right
// angles stay right on any screen or page. The frame shows at least 16
// nominal centimetres across and 12 down; a wider target shows more across,
// a taller one more down. Frame coordinates have (0|0) in the middle: on a
// 4:3 target they run from -8 to 8 and from -6 to 6.

#include <optional>
#include <string>

#include "plot/canvas.h"
#include "shell/extended.h"

namespace lumatik {

class CompiledTerm;

// The input window's fields as the drawing reads them: units of the axes,
// the point M shown in the middle, and the function field's text (the label).
struct PlotFieldTexts {
  std::string lex = "1";
  std::string ley = "1";
  std::string x0 = "0";
  std::string y0 = "0";
  std::string function;
};

// xcm = x/sx + dx, ycm = y/sy + dy.
struct PlotScale {
  Extended sx = 1;
  Extended sy = 1;
  Extended dx = 0;
  Extended dy = 0;
};

// Reads the fields through the engine; a reading that raises leaves the rest
// at their defaults, and a unit of 0 counts as 1.
PlotScale ComputePlotScale(const PlotFieldTexts& fields);

// Where the frame lies on the target: W x H pixels, shifted right by OffX.
struct PlotFrame {
  int offX = 0;
  int width = 0;
  int height = 0;
};

// The length of one frame centimetre in pixels, the smaller of width/16
// and height/12; and how far the frame reaches from its middle, in cm.
Extended PixelsPerCm(const PlotFrame& frame);
Extended HalfWidthCm(const PlotFrame& frame);
Extended HalfHeightCm(const PlotFrame& frame);

// Frame centimetres to pixels, rounding ties to even. OffX is added to x.
// Values far outside the target are held at +-kPixelLimit so that no
// coordinate overflows the toolkit's arithmetic.
int CmToPixelX(Extended xcm, const PlotFrame& frame);
int CmToPixelY(Extended ycm, const PlotFrame& frame);
inline constexpr int kPixelLimit = 1 << 22;

// The label of the grid line at frame position cm on an axis: the user
// value there, rounded to two decimals or, where one centimetre spans less
// than a tenth of a unit, to as many as keep neighbouring lines apart. The x
// axis passes dx and sx, the y axis dy and sy.
Extended AxisLabelValue(Extended cm, Extended shift, Extended scale);
int AxisLabelDecimals(Extended scale);
inline constexpr int kMaxLabelDecimals = 18;

// A right click at pixel (X, Y) of a W x H picture, in user units.
struct UserPoint {
  Extended x = 0;
  Extended y = 0;
};
UserPoint PixelToUser(int px, int py, int width, int height, const PlotScale& scale);

// The sampling density actually used: ValuesPerCm below 1 draws one value
// per centimetre (0 would divide by zero, a negative count draw nothing) and
// the count is capped so that one line never samples more than 16 * 10000 + 1
// values.
inline constexpr int kMaxValuesPerCm = 10000;
int EffectiveSteps(int valuesPerCm);

// The term's value at x (with Derivative, its numerical derivative), or
// nothing where the engine reports a message or the value is no finite
// number. The engine's message stays its last one; a value computed without
// a message leaves an earlier message alone.
std::optional<Extended> ComputedValue(const std::string& term, Extended x, bool derivative = false);
std::optional<Extended> ComputedValue(const CompiledTerm& term, Extended x, bool derivative = false);

struct PlotPen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  Colour colour = kWhite;
};

// Draws one plot-list line: a keyword shape with the canvas's current pen,
// brush and font, or a function with grid, axes and labels (not for the
// derivative) and its sampled curve. The curve is cut where it leaves the
// band |ycm| <= 6 or its interval, where the engine cannot compute it, and
// at a pole between two samples. With Label, "f(x)=" and the function
// field's text are written.
void DrawPlotLine(bool derivative, const std::string& line, Canvas& canvas, const PlotPen& pen,
                  const PlotFrame& frame, int steps, bool label, const PlotFieldTexts& fields);

}  // namespace lumatik

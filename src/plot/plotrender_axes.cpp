#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <vector>

#include "plot/plotrender_parts.h"
#include "shell/decimal_separator.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

// A 4:3 target reaches exactly 8 and 6 cm; the slack only keeps a rounded
// half extent of a wider target from losing its outermost grid line.
constexpr Extended kEdgeSlack = 1e-9L;

// Labels hang below and to the right of their point: this much room is kept
// between them and the bottom and right edges of the frame.
constexpr Extended kLabelRoomBelowCm = 0.4L;
constexpr Extended kLabelRoomRightCm = 1;

int WholeCmWithin(Extended half) { return static_cast<int>(std::floor(half + kEdgeSlack)); }

// Grid lines truncate like an integer division of the frame, as they always did.
int GridLineX(int k, const PlotFrame& f) {
  return f.offX + static_cast<int>(std::floor(static_cast<Extended>(f.width) / 2 + k * PixelsPerCm(f)));
}
int GridLineY(int k, const PlotFrame& f) {
  return static_cast<int>(std::floor(static_cast<Extended>(f.height) / 2 - k * PixelsPerCm(f)));
}

// The labels of one axis for grid lines first..last: every function line
// writes the same ones again, so the texts of the last grid are kept.
class AxisLabels {
 public:
  // The label of grid line k, as FloatText18(AxisLabelValue(k, ...)) makes
  // it. Where some label cannot be made, each is made when it is written, so
  // that the grid stops at that label as it always did.
  std::string text(int k, Extended shift, Extended scale) const {
    if (!ready_) return FloatText18(AxisLabelValue(k, shift, scale));
    return texts_[static_cast<std::size_t>(k - first_)];
  }

  void prepare(int first, int last, Extended shift, Extended scale) {
    const char separator = DecimalSeparator();
    if (ready_ && first == first_ && last == last_ && shift == shift_ && scale == scale_ &&
        separator == separator_ && std::signbit(shift) == std::signbit(shift_) &&
        std::signbit(scale) == std::signbit(scale_))
      return;
    ready_ = false;
    texts_.clear();
    try {
      for (int k = first; k <= last; ++k) texts_.push_back(FloatText18(AxisLabelValue(k, shift, scale)));
    } catch (const std::exception&) {
      return;
    }
    first_ = first;
    last_ = last;
    shift_ = shift;
    scale_ = scale;
    separator_ = separator;
    ready_ = true;
  }

 private:
  std::vector<std::string> texts_;
  bool ready_ = false;
  int first_ = 0;
  int last_ = -1;
  Extended shift_ = 0;
  Extended scale_ = 0;
  char separator_ = 0;
};

}  // namespace

void DrawGridAndAxes(Canvas& canvas, const PlotScale& s, const PlotFrame& f) {
  const Extended halfWidth = HalfWidthCm(f);
  const Extended halfHeight = HalfHeightCm(f);
  const int across = WholeCmWithin(halfWidth);
  const int down = WholeCmWithin(halfHeight);
  canvas.setFontSize(8);
  for (int k = -across; k <= across; ++k) {
    canvas.setPenStyle(PenStyle::Dot);
    canvas.moveTo(GridLineX(k, f), 0);
    canvas.lineTo(GridLineX(k, f), f.height);
  }
  for (int k = down; k >= -down; --k) {
    canvas.setPenStyle(PenStyle::Dot);
    canvas.moveTo(f.offX, GridLineY(k, f));
    canvas.lineTo(f.offX + f.width, GridLineY(k, f));
  }
  canvas.setPenStyle(PenStyle::Solid);

  // x = 0 lies at xcm = dx, y = 0 at ycm = dy.
  const bool yAxisShown = std::fabs(s.dx) <= halfWidth;
  const bool xAxisShown = std::fabs(s.dy) <= halfHeight;
  // The x labels run along the x axis, the y labels along the y axis; an
  // axis outside the frame leaves its labels on the frame's centre line.
  const Extended labelRow = xAxisShown ? std::max(s.dy, -halfHeight + kLabelRoomBelowCm) : 0;
  const Extended labelColumn = yAxisShown ? std::min(s.dx, halfWidth - kLabelRoomRightCm) : 0;
  const int labelRowY = labelRow == 0 ? f.height / 2 : CmToPixelY(labelRow, f);
  const int labelColumnX = labelColumn == 0 ? f.width / 2 + f.offX : CmToPixelX(labelColumn, f);

  // Where the two rows of labels cross, neither grid line gets a label.
  static AxisLabels xLabels;
  static AxisLabels yLabels;
  xLabels.prepare(-across, across, s.dx, s.sx);
  for (int k = -across; k <= across; ++k) {
    if (k != labelColumn) canvas.textOut(CmToPixelX(k, f), labelRowY, xLabels.text(k, s.dx, s.sx));
  }
  if (yAxisShown) {
    canvas.moveTo(CmToPixelX(s.dx, f), 0);
    canvas.lineTo(CmToPixelX(s.dx, f), f.height);
  }
  const int lowest = static_cast<int>(std::ceil(-halfHeight + kLabelRoomBelowCm - kEdgeSlack));
  yLabels.prepare(lowest, down, s.dy, s.sy);
  for (int k = lowest; k <= down; ++k) {
    if (k != labelRow) canvas.textOut(labelColumnX, CmToPixelY(k, f), yLabels.text(k, s.dy, s.sy));
  }
  if (xAxisShown) {
    canvas.moveTo(f.offX, CmToPixelY(s.dy, f));
    canvas.lineTo(f.offX + f.width, CmToPixelY(s.dy, f));
  }
}

}  // namespace lumatik

#pragma once

// The oblique parallel projection of the scene into the picture. A point
// (x1, x2, x3) lands at frame centimetres
//   X = cos(t)*k*x1 + (x2 + h)*LEy,   Y = -sin(t)*k*x1 + (x3 + v)*LEz,
// t = alpha in radians, and the frame of 16 x 12 cm lies over the whole
// picture with its middle 100 pixels left of the picture's middle. As in the
// plotter, a centimetre is as long across as down, so spheres stay round on
// any screen: the frame shows at least 16 x 12 cm.

#include "geometry/geometry_types.h"
#include "plot/plotinput.h"

namespace lumatik {

struct FramePoint {
  Extended x = 0;  // cm to the right of the frame's middle
  Extended y = 0;  // cm upwards
};

// Pixel position before rounding; y grows downwards.
struct PixelPosition {
  Extended x = 0;
  Extended y = 0;
};

class Projection {
 public:
  Projection(const View3DParams& view, int width, int height);

  const View3DParams& view() const { return view_; }
  // The last pixel column and row: the picture runs 0..maxX x 0..maxY.
  int maxX() const { return maxX_; }
  int maxY() const { return maxY_; }
  Extended pixelsPerCm() const { return pixelsPerCm_; }

  FramePoint toFrame(const Vec3& p) const;
  PixelPosition toPixel(const FramePoint& f) const;
  PixelPosition toPixel(const Vec3& p) const { return toPixel(toFrame(p)); }

 private:
  View3DParams view_;
  int maxX_ = 0;
  int maxY_ = 0;
  Extended pixelsPerCm_ = 0;
  Extended cosAlpha_ = 0;
  Extended sinAlpha_ = 0;
};

// The frame's middle sits this many pixels left of the picture's middle.
inline constexpr int kSceneShiftLeft = 100;

}  // namespace lumatik

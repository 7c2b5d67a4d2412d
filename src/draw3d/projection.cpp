#include "draw3d/projection.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumatik {

Projection::Projection(const View3DParams& view, int width, int height)
    : view_(view), maxX_(std::max(width - 1, 1)), maxY_(std::max(height - 1, 1)) {
  pixelsPerCm_ = std::min(static_cast<Extended>(maxX_) / 16, static_cast<Extended>(maxY_) / 12);
  const Extended t = std::numbers::pi_v<Extended> * view.alpha / 180;
  cosAlpha_ = std::cos(t);
  sinAlpha_ = std::sin(t);
}

FramePoint Projection::toFrame(const Vec3& p) const {
  return {cosAlpha_ * view_.k * p.x1 + (p.x2 + view_.shiftHorizontal) * view_.ley,
          -sinAlpha_ * view_.k * p.x1 + (p.x3 + view_.shiftVertical) * view_.lez};
}

PixelPosition Projection::toPixel(const FramePoint& f) const {
  return {pixelsPerCm_ * f.x + static_cast<Extended>(maxX_) / 2 - kSceneShiftLeft,
          static_cast<Extended>(maxY_) / 2 - pixelsPerCm_ * f.y};
}

}  // namespace lumatik

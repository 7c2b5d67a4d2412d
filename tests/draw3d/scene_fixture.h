#pragma once

// A recorded scene on a picture of 1633 x 1225 pixels: 102 pixels per
// centimetre, the frame's middle at pixel (716, 612). With the first
// drawing's view a point (x1, x2, x3) lies at the frame centimetres
// X = x2 - x1/2 and Y = x3 - x1/2, which the tests use as their reference.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "draw3d/projection.h"
#include "draw3d/scene_colours.h"
#include "draw3d/scene_line.h"
#include "draw3d/scene_painter.h"
#include "draw3d/scene_view.h"
#include "plot/recording_canvas.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik::testing {

inline constexpr int kWidth = 1633;
inline constexpr int kHeight = 1225;

inline CanvasPoint ExpectedPixel(const Vec3& p) {
  const long double x = p.x2 - p.x1 / 2, y = p.x3 - p.x1 / 2;
  return {static_cast<int>(std::nearbyint(716 + 102 * x)), static_cast<int>(std::nearbyint(612 - 102 * y))};
}

class SceneTest : public EngineTest {
 protected:
  // The lines drawn in a colour and pen style.
  std::vector<RecordedOp> Lines(Colour colour, PenStyle style) const {
    std::vector<RecordedOp> found;
    for (const RecordedOp& op : canvas.ops())
      if (op.op == CanvasOp::LineTo && op.pen.colour == colour && op.pen.style == style) found.push_back(op);
    return found;
  }
  std::vector<RecordedOp> Texts() const {
    std::vector<RecordedOp> found;
    for (const RecordedOp& op : canvas.ops())
      if (op.op == CanvasOp::Text) found.push_back(op);
    return found;
  }
  // Draws one object function on the line with the first drawing's view.
  template <typename Draw>
  SceneLine DrawObject(const std::string& text, Draw draw) {
    SceneLine line(Cp1252(text), 1);
    ScenePainter painter(canvas, projection, colours);
    draw(painter, line);
    return line;
  }

  RecordingCanvas canvas;
  SceneColours colours = ScreenColours();
  Projection projection{FirstDrawingView(), kWidth, kHeight};
};

}  // namespace lumatik::testing

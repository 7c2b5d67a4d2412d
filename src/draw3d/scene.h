#pragma once

// Drawing the 3-D scene of a worksheet: every line that begins with a scene
// keyword is an object in space; the others are left alone. The drawing
// goes through the plotter's canvas, so the graph window, a picture file
// and a printed page show the same picture.

#include <string>
#include <vector>

#include "draw3d/scene_colours.h"
#include "plot/canvas.h"
#include "plot/plotinput.h"

namespace lumatik {

// The picture's size in pixels.
struct SceneTarget {
  int width = 1600;
  int height = 1200;
};

struct SceneDrawing {
  // The worksheet after the drawing: lines of parallelograms, parallelepipeds
  // and straight lines in capitals carry their computed points.
  std::vector<std::string> lines;
  // The view to keep for the popup menu's next change.
  View3DParams view;
  // What could not be drawn, one worksheet line per text line (separated
  // by CR, for the hint dialog); empty when everything was drawn.
  std::string hint;
};

// Fills the picture with the background, writes the header, draws the grid
// planes and the axes, then every scene line of the worksheet in order.
SceneDrawing Draw3DScene(const std::vector<std::string>& lines, const View3DParams& view, Canvas& canvas,
                         const SceneTarget& target, const SceneColours& colours);

}  // namespace lumatik

#include "draw3d/scene_colours.h"

#include "plot/picture_files.h"

namespace lumatik {

SceneColours ScreenColours() { return SceneColours{}; }

// Each colour of the screen as paper takes it; the grid offsets are sums,
// not colours.
SceneColours PaperColours() {
  SceneColours colours;
  for (Colour* colour : {&colours.background, &colours.object, &colours.perpendicular, &colours.auxiliary,
                         &colours.vector, &colours.circle, &colours.sphere, &colours.floorGrid,
                         &colours.backWallGrid, &colours.sideWallGrid})
    *colour = OnPaper(*colour);
  return colours;
}

}  // namespace lumatik

#include "draw3d/scene_colours.h"

namespace lumatik {

SceneColours ScreenColours() { return SceneColours{}; }

SceneColours PaperColours() {
  SceneColours colours;
  colours.background = kWhite;
  colours.object = kBlack;
  colours.perpendicular = 0x0080C0;  // dark gold
  colours.sphere = 0xA0A000;         // dark cyan
  return colours;
}

}  // namespace lumatik

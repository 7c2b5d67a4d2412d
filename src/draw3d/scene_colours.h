#pragma once

// The colours of a 3-D scene. On the screen the scene is drawn on black;
// a picture file or a page is white, so the light colours of the screen
// (white, yellow, cyan) become dark ones there.

#include "plot/canvas.h"

namespace lumatik {

struct SceneColours {
  Colour background = kBlack;
  Colour object = kWhite;          // objects, names, axes and the header
  Colour perpendicular = kYellow;  // perpendiculars to the floor and their marks
  Colour auxiliary = 0x008080;     // olive: floor helpers, the full extent of a line
  Colour vector = kRed;
  Colour circle = 0xFF00FF;        // magenta
  Colour sphere = 0xFFFF00;        // cyan
  // Grid planes: odd lines in the base colour, even ones in base + offset.
  Colour floorGrid = 0x800080;
  Colour floorGridOffset = 50;
  Colour backWallGrid = 0x008000;
  Colour backWallGridOffset = 12800;
  Colour sideWallGrid = 0xFF0000;
  Colour sideWallGridOffset = 150;
};

SceneColours ScreenColours();
SceneColours PaperColours();

// The colour of grid line i of a plane.
inline Colour GridLineColour(Colour base, Colour offset, long long i) { return i % 2 != 0 ? base : base + offset; }

}  // namespace lumatik

#pragma once

// Drawing in scene units: every line of a 3-D scene is a segment between two
// points in space, projected, cut to the picture and drawn on the plotter's
// canvas (the graph window, a picture file or a page). The painter also
// counts what each scene line asked for and what could be shown, so the
// scene can name lines that showed nothing.

#include <string>

#include "draw3d/projection.h"
#include "draw3d/scene_colours.h"
#include "geometry/geometry_types.h"
#include "plot/canvas.h"

namespace lumatik {

// The whole numbers first, first + 1, ... (count of them).
struct StepRange {
  Extended first = 0;
  long long count = 0;
};

class ScenePainter {
 public:
  ScenePainter(Canvas& canvas, const Projection& projection, const SceneColours& colours)
      : canvas_(canvas), projection_(projection), colours_(colours) {}

  Canvas& canvas() { return canvas_; }
  const Projection& projection() const { return projection_; }
  const SceneColours& colours() const { return colours_; }

  // The segment from one point to another in the colour and pen style, with
  // the brush cleared; the part outside the picture is cut away.
  void segment(Colour colour, PenStyle style, const Vec3& from, const Vec3& to);
  // Text with its upper left corner at the image of the point, without a
  // background; nothing when that lies far outside the picture.
  // A segment the caller knows would be cut away entirely: it counts as
  // asked for, so a line whose every segment lies outside is still named.
  void countUnseenSegment() { ++tally_.requested; }
  void text(const Vec3& at, const std::string& text, Colour colour, int fontPoints);

  // The whole numbers i from first to last for which base + i*step lands
  // within a picture's size of the picture: the marks along an axis beyond
  // that could never be seen, however many the numbers ask for.
  // first and last are whole numbers, which may be far beyond any integer type.
  StepRange visibleSteps(const Vec3& base, const Vec3& step, Extended first, Extended last) const;

  // What the scene line being drawn asked for and what could be shown.
  struct Tally {
    int requested = 0;
    int visible = 0;
    int tooLarge = 0;  // segments whose numbers are too large to place
  };
  void resetTally() { tally_ = {}; }
  const Tally& tally() const { return tally_; }

 private:
  Canvas& canvas_;
  const Projection& projection_;
  const SceneColours& colours_;
  Tally tally_;
};

// No loop over marks runs longer than this, whatever the view.
inline constexpr long long kMostSteps = 100000;

}  // namespace lumatik

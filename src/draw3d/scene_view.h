#pragma once

// The view of a 3-D scene: the angle of the x1 axis, the three units and the
// two shifts. The graph window keeps the view of the last drawing (as six
// single-precision numbers) and its popup menu changes one of them before
// the scene is drawn again (ChangedView in plot/plotinput.h).

#include <optional>
#include <string>

#include "plot/plotinput.h"

namespace lumatik {

// The first drawing of a run: alpha 135, k = sqrt(2)/2, LEy = LEz = 1, no shift.
View3DParams FirstDrawingView();
// "Zeichne mit Standardeinheiten": the same with one step "Nach rechts".
View3DParams StandardUnitsView();

// alpha above 270 is taken 360 lower, then below -90 360 higher, so that
// it lies in -90..270 after any number of "Alpha vergrößern" clicks.
View3DParams NormalisedView(View3DParams view);

// The view a scene is drawn with: normalised, and a number that is no
// finite value replaced by the first drawing's.
View3DParams UsableView(View3DParams view);

// The view as the graph window stores it after a drawing: the usable view
// with each number rounded to single precision.
View3DParams StoredView(View3DParams view);

// The lengths of the axes in whole units: 6*sqrt(2)/k along x1, (10 - h)/LEy
// along x2 and (6 - v)/LEz along x3, rounded to the nearest, ties to even.
// A unit of 0 (never reached by the menu, but a stored view might hold one)
// gives an axis of length 0, and a very small unit no more than
// kLongestAxis units, so that the grid stays a few thousand lines.
struct AxisLengths {
  long long x1 = 0;
  long long x2 = 0;
  long long x3 = 0;
};
inline constexpr long long kLongestAxis = 1000;
AxisLengths AxisLengthsOf(const View3DParams& view);

// "al=135 k=0,707 LEy=1 LEz=1": the whole degrees and the units to three places.
std::string ViewHeaderText(const View3DParams& view);

// The view "Zeichne" draws with: the stored one (reset to the standard
// units first by "Zeichne mit Standardeinheiten"), or the first drawing's
// while none is stored.
View3DParams ViewForDrawing(const std::optional<View3DParams>& stored, bool standardUnits);

// The popup menu's captions, as the graph window shows them.
std::string ViewChangeCaption(ViewChange change);
std::optional<ViewChange> ViewChangeByCaption(const std::string& caption);

}  // namespace lumatik

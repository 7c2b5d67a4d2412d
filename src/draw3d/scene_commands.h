#pragma once

// The worksheet's drawing commands without their windows: "Zeichne",
// "Zeichne mit Standardeinheiten" and "Beispiele" of the menus "3D-Zeichnen"
// and "Geometrie", and the graph window's popup menu of view changes. A
// window handler calls one of these and shows what it returns.

#include <optional>
#include <string>
#include <vector>

#include "draw3d/scene.h"

namespace lumatik {

// "Zeichne" (standardUnits false) and "Zeichne mit Standardeinheiten"
// (true): the scene with the stored view, reset to the standard units for
// the second item, or with the first drawing's view while none is stored.
// An empty worksheet draws nothing: "Beispiele" then offers a line.
std::optional<SceneDrawing> DrawWorksheetScene(const std::vector<std::string>& lines,
                                               const std::optional<View3DParams>& stored, bool standardUnits,
                                               Canvas& canvas, const SceneTarget& target, const SceneColours& colours);

// A popup menu item of the graph window: the stored view with one change,
// drawn again. Before the first drawing there is no view and nothing happens.
std::optional<SceneDrawing> DrawWithChangedView(const std::vector<std::string>& lines,
                                                const std::optional<View3DParams>& stored, ViewChange change,
                                                Canvas& canvas, const SceneTarget& target,
                                                const SceneColours& colours);

// "Beispiele": the line offered for the worksheet, the first of a circle,
// a triangle, a parallelepiped and a sphere whose keyword in capitals the
// worksheet does not hold yet; empty when it holds all four.
std::string ProposedExampleLine(const std::vector<std::string>& lines);

// The texts of the dialog that offers the line.
std::string ExampleDialogCaption();
std::string ExampleDialogLabel();
std::string ExampleDialogExplanation();

// Ok in that dialog: the edited line goes to the end of the worksheet (and
// "Zeichne" draws it).
void AcceptExampleLine(std::vector<std::string>& lines, const std::string& edited);

}  // namespace lumatik

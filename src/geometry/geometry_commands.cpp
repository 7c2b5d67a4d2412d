#include "geometry/geometry_commands.h"

#include "geometry/line_plane.h"
#include "geometry/lines.h"
#include "geometry/planes.h"
#include "geometry/spheres.h"
#include "geometry/triangle.h"
#include "geometry/vectors.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {

void BindGeometryCommands() {
  struct Binding {
    const char* caption;
    WorksheetCommandFunction run;
  };
  const Binding bindings[] = {
      {"Ebene x=p+s*u+t*v", [](Worksheet& sheet) { PlaneToCoordinateForm(sheet, false); }},
      {"Ebene ABC", [](Worksheet& sheet) { PlaneToCoordinateForm(sheet, true); }},
      {"Ebene ax1+bx2+cx3=d", PlaneFromEquation},
      {"Vektor", [](Worksheet& sheet) { Vectors(sheet, false); }},
      {"Zwei Vektoren", [](Worksheet& sheet) { Vectors(sheet, true); }},
      {"Abstand Punkt Ebene", PointPlaneDistance},
      {"Abstand Punkt Gerade", PointLineDistance},
      {"Gerade Ebene", LinePlane},
      {"zwei Geraden", TwoLines},
      {"Gerade-Kugel", LineSphere},
      {"Dreieck", Triangle},
      {"Kugel durch ABCD", SphereThroughFourPoints},
  };
  for (const Binding& binding : bindings) BindWorksheetCommand(WorksheetMenu::Geometrie, binding.caption, binding.run);
}

}  // namespace lumatik

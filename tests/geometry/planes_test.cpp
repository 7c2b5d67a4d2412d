// The plane commands, checked by geometry: the distance is |n.p - d|/|n| and
// the foot lies in the plane on the normal (the plane through three points is
// checked with the triangle); degenerate input gives a hint or a message.

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/planes.h"
#include "geometry_cases.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

class PlanesTest : public EngineTest {};

TEST_F(PlanesTest, ParallelDirectionsGiveNoPlane) {
  const PlaneEquation e = PlaneFromParam(Vec3{1, 2, 3}, Vec3{1, 2, 3}, Vec3{-2, -4, -6}).plane;
  EXPECT_TRUE(e.a == 0 && e.b == 0 && e.c == 0 && e.d == 0);
  const PlaneEquation z = PlaneFromParam(Vec3{1, 2, 3}, Vec3{0, 0, 0}, Vec3{1, 0, 0}).plane;
  EXPECT_TRUE(z.a == 0 && z.b == 0 && z.c == 0);
}

TEST_F(PlanesTest, PlaneParallelToTheThirdAxisListsArbitraryHeights) {
  const std::vector<std::string> lines = PlanePointLines({1, 1, 0, 2});
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find(" (0|2|beliebig)"), std::string::npos) << lines[0];
  EXPECT_EQ(lines[0].find("(0|0|"), std::string::npos) << lines[0];
}

TEST_F(PlanesTest, DirectionsWithoutFirstCoordinateStillGiveThePlane) {
  const Worksheet sheet = RunGeometry("Ebene x=p+s*u+t*v", {"Ebene Parameterform p(3 1 1) u(0 0 1) v(0 1 0)"});
  ASSERT_GE(sheet.lineCount(), 5);
  EXPECT_EQ(sheet.line(4), std::string(9, ' ') + "1*x1+0*x2+0*x3=3");
  EXPECT_EQ(sheet.line(5), "DREIECK der Spurpunkte  S1(3|0|0)");
}

TEST_F(PlanesTest, DistanceAndFootPointOfGeneratedPointsAndPlanes) {
  ForEachCase(1408, [](CaseMaker& make, int n) {
    const bool exact = make.exact();
    const Q3 normal = make.NonZero();
    const mpq_class d = make.Coord();
    // Every third point lies in the plane: its distance is exactly 0.
    Q3 p = make.Point();
    if (n % 3 == 0) p = p + ((d - Dot(normal, p)) / Dot(normal, normal)) * normal;
    const std::string planeLine = make.Text(normal.x1, false) + " " + make.Text(normal.x2, false) + " " +
                                  make.Text(normal.x3, false) + " " + make.Text(d) + " (Ebene";
    const Worksheet sheet = RunGeometry("Abstand Punkt Ebene", {"Abstand Punkt Ebene", planeLine, make.Text(p, " ")});
    ExpectClean(sheet, exact);
    ASSERT_EQ(sheet.lineCount(), 7) << planeLine;
    const mpq_class offset = Dot(normal, p) - d;
    const std::string distance = sheet.line(5).substr(11);
    if (exact) ExpectRootOf(distance, offset * offset / Dot(normal, normal), sgn(offset), sheet.line(5));
    if (n % 3 == 0) { EXPECT_EQ(distance, "0") << planeLine; }
    // The foot point lies in the plane, on the normal through P.
    const std::string footLine = sheet.line(6);
    const L3 N{ToLD(normal.x1), ToLD(normal.x2), ToLD(normal.x3)}, P = make.Value(p);
    const L3 f = PointAfter(footLine, Cp1252("Fußpunkt=F"));
    const LD size = Norm(N) * (Norm(P) + 1) + std::fabs(make.Value(d));
    ExpectNear(Dot(N, f), make.Value(d), size, exact, footLine + " in E");
    ExpectNear(Norm(Cross(f - P, N)), 0, size * size, exact, footLine + " on the normal");
    if (const std::optional<Q3> foot = exact ? ExactPointAfter(footLine, Cp1252("Fußpunkt=F")) : std::nullopt) {
      EXPECT_EQ(Dot(normal, *foot), d) << footLine;
      EXPECT_EQ(Dot(Cross(*foot - p, normal), Cross(*foot - p, normal)), 0) << footLine;
    }
  });
}

TEST_F(PlanesTest, ZeroNormalStopsAfterTheTraceLineWithAHint) {
  const Worksheet sheet = RunGeometry("Abstand Punkt Ebene", {"Abstand Punkt Ebene", "0 0 0 3", "1 2 3"});
  ASSERT_EQ(sheet.lineCount(), 4);
  EXPECT_EQ(sheet.line(4), "DREIECK der Spurpunkte ");
  EXPECT_EQ(sheet.notices().size(), 1u);
  ExpectClean(sheet, false);
  const Worksheet equation = RunGeometry("Ebene ax1+bx2+cx3=d", {"0 0 0 1 (Ebene"});
  EXPECT_EQ(equation.lineCount(), 2);
  EXPECT_EQ(equation.notices().size(), 1u);
  ExpectClean(equation, false);
}

TEST_F(PlanesTest, SmallCoefficientsAndFractionPointsStayTrue) {
  // A tiny normal vector is no rounding noise: the plane is far away.
  const Worksheet far = RunGeometry("Abstand Punkt Ebene", {"Abstand Punkt Ebene", "0,0000001 0 0 1", "1 1 1"});
  EXPECT_EQ(far.line(5), "+/-Abstand=-9999999");
  // Fraction points give the integer equation without rounding noise.
  const Worksheet thirds = RunGeometry("Ebene ABC", {"Ebene Dreieck A(1/3|1/7|2) B(2/3|-1|1/9) C(5|1/11|-2/7)"});
  EXPECT_EQ(thirds.line(4).find(','), std::string::npos) << thirds.line(4);
}

}  // namespace
}  // namespace lumatik::testing

// "Gerade Ebene" on generated cases: the intersection point lies on the
// line and in the plane; lines parallel to the plane or in it are told
// apart exactly, decimal input included.

#include <gtest/gtest.h>

#include "geometry_cases.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

class LinePlaneTest : public EngineTest {};

TEST_F(LinePlaneTest, IntersectionPointLiesOnBothOrTheLineRunsParallel) {
  ForEachCase(1403, [](CaseMaker& make, int n) {
    const bool exact = make.exact();
    const Q3 normal = make.NonZero();
    const Q3 p = make.Point();
    // Every third line runs parallel to the plane, every sixth in it.
    const Q3 u = n % 3 == 0 ? make.Orthogonal(normal) : make.NonZero();
    const mpq_class d = n % 6 == 0 ? Dot(normal, p) : make.Coord();
    const std::string plane = make.Text(normal.x1, false) + " " + make.Text(normal.x2, false) + " " +
                              make.Text(normal.x3, false) + " " + make.Text(d) + "  Ebene";
    const Worksheet sheet =
        RunGeometry("Gerade Ebene", {"Gerade p" + make.Text(p, "|") + " u" + make.Text(u, " "), plane});
    ExpectClean(sheet, exact);
    const bool parallel = Dot(normal, u) == 0;
    const bool inPlane = parallel && (Dot(normal, p) - d) == 0;
    EXPECT_EQ(HasLine(sheet, "g liegt in E"), inPlane) << plane;
    EXPECT_EQ(HasLine(sheet, "g parallel zu E"), parallel && !inPlane) << plane;
    if (parallel) return;
    const L3 P = make.Value(p), U = make.Value(u), N = {ToLD(normal.x1), ToLD(normal.x2), ToLD(normal.x3)};
    const LD size = Norm(P) + Norm(U) + Norm(N) + std::fabs(make.Value(d));
    const std::string result = LineStarting(sheet, "Schnittpunkt S");
    const L3 s = PointAfter(result, "S");
    const LD t = NumberAfter(result, "s=");
    ExpectNear(Dot(N, s), make.Value(d), size * size * size, exact, result + " in E");
    ExpectNear(s, L3{P.x1 + t * U.x1, P.x2 + t * U.x2, P.x3 + t * U.x3}, size * size, exact, result + " on g");
    // Rational input gives an exact point.
    if (exact) {
      EXPECT_EQ(result.find(','), std::string::npos) << result;
    }
  });
}

TEST_F(LinePlaneTest, APlaneWithoutNormalGetsAHint) {
  const Worksheet none = RunGeometry("Gerade Ebene", {"Gerade p(1 2 3) u(1 0 0)", "0 0 0 5 Ebene"});
  EXPECT_EQ(none.lineCount(), 2);
  EXPECT_EQ(none.notices().size(), 1u);
}

}  // namespace
}  // namespace lumatik::testing

// "Abstand Punkt Gerade", "zwei Geraden" and "Gerade Ebene" on generated
// cases: feet, perpendiculars and intersection points checked by geometry;
// parallel, identical and contained lines recognised for decimals too.

#include <gtest/gtest.h>

#include <cmath>

#include "geometry_cases.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

class LinesTest : public EngineTest {};

TEST_F(LinesTest, PointLineDistanceIsTheDistanceToAFootOnTheLine) {
  ForEachCase(1401, [](CaseMaker& make, int n) {
    const bool exact = make.exact();
    const Q3 a = make.Point();
    const Q3 v = make.NonZero();
    // Every fourth point lies on the line itself.
    const Q3 p = n % 4 == 0 ? a + Q(make.Int(-9, 9), make.Int(1, 4)) * v : make.Point();
    const Worksheet sheet =
        RunGeometry("Abstand Punkt Gerade",
                    {"Abstand Punkt Gerade", "Punkt P" + make.Text(p, "|") + " Gerade mit Aufpunkt" +
                                                 make.Text(a, "|") + " Richtungsvektor" + make.Text(v, " ")});
    ExpectClean(sheet, exact);
    const L3 P = make.Value(p), A = make.Value(a), V = make.Value(v);
    const LD size = Norm(P) + Norm(A) + Norm(V);
    const std::string footLine = LineStarting(sheet, "PUNKT F");
    const L3 f = PointAfter(footLine, "F");
    const LD s = NumberAfter(footLine, "(s=", ")");
    const std::string distance = LineStarting(sheet, "d=");
    ExpectNear(f, L3{A.x1 + s * V.x1, A.x2 + s * V.x2, A.x3 + s * V.x3}, size * size, exact, "F = A + s*v");
    ExpectNear(Dot(P - f, V), 0, size * size, exact, "PF orthogonal to v");
    ExpectNear(NumberValue(distance.substr(2)), Norm(Cross(P - A, V)) / Norm(V), size, exact, distance);
    ExpectNear(EquationResidual(sheet.line(4).substr(6, sheet.line(4).find(" durch") - 6), P), 0, 0, exact,
               "the perpendicular plane passes through P");
    if (n % 4 == 0) { EXPECT_EQ(distance, "d=0"); }
    const Q3 across = Cross(p - a, v);
    if (exact) ExpectRootOf(distance.substr(2), Dot(across, across) / Dot(v, v), n % 4 == 0 ? 0 : 1, distance);
  });
}

TEST_F(LinesTest, TwoLinesMeetTheirCommonPerpendicularAtRightAngles) {
  ForEachCase(1402, [](CaseMaker& make, int n) {
    const bool exact = make.exact();
    const int kind = n % 4;  // 0 intersecting, 1 any, 2 parallel, 3 identical
    const Q3 p = make.Point();
    const Q3 u = make.NonZero();
    const mpq_class k = Q(make.Int(1, 9) * (n % 3 == 0 ? -1 : 1), make.Int(1, 5));
    const Q3 v = kind >= 2 ? k * u : make.NonZero();
    Q3 q = make.Point();
    if (kind == 0) q = p + Q(make.Int(-5, 5)) * u + Q(make.Int(-5, 5), 2) * v;
    if (kind == 3) q = p + Q(make.Int(-5, 5), 3) * u;
    const Worksheet sheet = RunGeometry("zwei Geraden", {"Gerade P" + make.Text(p, " ") + " u" + make.Text(u, " "),
                                                         "Gerade Q" + make.Text(q, " ") + " v" + make.Text(v, " ")});
    ExpectClean(sheet, exact);
    const L3 P = make.Value(p), U = make.Value(u), Q = make.Value(q), V = make.Value(v);
    const LD size = Norm(P) + Norm(Q) + Norm(U) + Norm(V);
    const std::string feet = LineStarting(sheet, "s=");
    const L3 g = PointAfter(feet, " G"), h = PointAfter(feet, " H");
    const LD d = NumberValue(LineStarting(sheet, "Abstand d(g,h)=g(G,H)=").substr(22));
    ExpectNear(Norm(Cross(g - P, U)), 0, size * size, exact, "G on g");
    ExpectNear(Norm(Cross(h - Q, V)), 0, size * size, exact, "H on h");
    ExpectNear(Dot(h - g, V), 0, size * size, exact, "GH orthogonal to v");
    ExpectNear(d, Norm(h - g), size, exact, "distance = |GH|");
    const bool parallel = Dot(Cross(u, v), Cross(u, v)) == 0;
    EXPECT_EQ(HasLine(sheet, "g und h sind parallel!"), parallel) << feet;
    if (parallel) {
      ExpectNear(d, Norm(Cross(Q - P, U)) / Norm(U), size, exact, "parallel distance");
    } else {
      ExpectNear(Dot(h - g, U), 0, size * size, exact, "GH orthogonal to u");
      ExpectNear(d, std::fabs(Dot(Q - P, Cross(U, V))) / Norm(Cross(U, V)), size, exact, "skew distance");
    }
    if (exact) {
      const Q3 n = parallel ? Cross(q - p, u) : Cross(u, v);
      const mpq_class square =
          parallel ? mpq_class(Dot(n, n) / Dot(u, u)) : mpq_class(Dot(q - p, n) * Dot(q - p, n) / Dot(n, n));
      const std::string text = LineStarting(sheet, "Abstand d(g,h)=g(G,H)=").substr(22);
      ExpectRootOf(text, square, square == 0 ? 0 : 1, "distance " + text);
      const std::string cosine = LineContaining(sheet, "))=");
      ExpectRootOf(cosine.substr(cosine.find("))=") + 3), Dot(u, v) * Dot(u, v) / (Dot(u, u) * Dot(v, v)),
                   sgn(Dot(u, v)), cosine);
    }
    const bool identical = parallel && Dot(Cross(q - p, u), Cross(q - p, u)) == 0;
    if (kind == 0 || identical) { EXPECT_EQ(LineStarting(sheet, "Abstand"), "Abstand d(g,h)=g(G,H)=0"); }
    EXPECT_EQ(HasLine(sheet, "g und h sind identisch!"), identical) << feet;
    if (parallel && !identical) {
      const std::string plane = LineStarting(sheet, "g und h spannen die Ebene auf:").substr(30);
      ExpectNear(EquationResidual(plane, P), 0, 0, exact, plane);
      ExpectNear(EquationResidual(plane, Q), 0, 0, exact, plane);
    }
    const LD phi = NumberAfter(LineContaining(sheet, " => phi="), "phi=") * std::acos(-1.0L) / 180;
    ExpectNear(std::cos(phi), Dot(U, V) / Norm(U) / Norm(V), 1, exact, "angle");
  });
}

TEST_F(LinesTest, WorkedExamplesAndDegenerateDirections) {
  // An obtuse angle names its supplement too.
  const Worksheet skew = RunGeometry("zwei Geraden", {"Gerade P(2 -6 -2)  u(0 1 1)", "Gerade Q(5 -4 0)   v(1 0 -1)"});
  EXPECT_TRUE(HasLine(skew, "=-1/2 => phi=120\xB0(phi'=60\xB0)"));
  const Worksheet zero = RunGeometry("zwei Geraden", {"Gerade P(1 2 3) u(0 0 0)", "Gerade Q(0 0 0) v(2 1 0)"});
  EXPECT_EQ(zero.lines().back(), "Ein Richtungsvektor ist der Nullvektor: keine Gerade!");
  // A zero direction measures to the point A, with a hint.
  const Worksheet point = RunGeometry("Abstand Punkt Gerade", {"Abstand Punkt Gerade", "P(1 2 3) A(1 1 1) v(0 0 0)"});
  EXPECT_EQ(point.lines().back(), "d=sqrt(5)");
  EXPECT_EQ(point.notices().size(), 1u);
  // A small distance is no rounding noise.
  const Worksheet small =
      RunGeometry("Abstand Punkt Gerade", {"Abstand Punkt Gerade", "P(0 2^0,5/10^13 0) A(0 0 0) v(1 0 0)"});
  EXPECT_NEAR(static_cast<double>(NumberValue(small.lines().back().substr(2))), std::sqrt(2.0) * 1e-13, 1e-24);
}

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
    // Rational input gives the point exactly, unless its fractions are too
    // long to show.
    if (const std::optional<Q3> exactS = exact ? ExactPointAfter(result, "S") : std::nullopt) {
      EXPECT_EQ(Dot(normal, *exactS), d) << result;
      const Q3 along = *exactS - p;
      EXPECT_EQ(Dot(Cross(along, u), Cross(along, u)), 0) << result;
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

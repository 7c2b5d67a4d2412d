// "Gerade-Kugel" and "Kugel durch ABCD" on generated cases built from rational
// points on spheres: the points lie on line and sphere, tangents touch once,
// the sphere passes through its four points, coplanar points have none.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "geometry_cases.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

class SpheresTest : public EngineTest {};

// A rational unit vector from an integer vector of whole length.
Q3 UnitDirection(CaseMaker& make) {
  static const int quadruples[][4] = {{1, 2, 2, 3},  {2, 3, 6, 7}, {1, 4, 8, 9},
                                      {2, 6, 9, 11}, {4, 4, 7, 9}, {0, 3, 4, 5}};
  const int* q = quadruples[make.Int(0, 5)];
  std::array<int, 3> c = {q[0], q[1], q[2]};
  std::rotate(c.begin(), c.begin() + make.Int(0, 2), c.end());
  auto signed_ = [&](int x) { return Q(make.Int(0, 1) ? x : -x, q[3]); };
  return {signed_(c[0]), signed_(c[1]), signed_(c[2])};
}

TEST_F(SpheresTest, LinePointsLieOnTheSphereAndTangentsTouchOnce) {
  ForEachCase(1404, [](CaseMaker& make, int n) {
    const bool exact = make.exact();
    const int kind = n % 3;  // 0 through two points of the sphere, 1 tangent, 2 beside it
    const Q3 m = make.Point();
    const mpq_class r = Q(make.Int(1, 20), make.Int(1, 3));
    const Q3 e = UnitDirection(make);
    Q3 p, u;
    if (kind == 0) {
      Q3 e2 = UnitDirection(make);
      while (Dot(e2 - e, e2 - e) == 0) e2 = UnitDirection(make);
      u = Q(make.Int(1, 3)) * (e2 - e);
      p = m + r * e + Q(make.Int(-2, 2)) * u;
    } else {
      u = make.Orthogonal(e);
      p = m + (kind == 1 ? r : mpq_class(r + Q(1, 2))) * e + Q(make.Int(-3, 3), 2) * u;
    }
    const Worksheet sheet = RunGeometry("Gerade-Kugel", {"Gerade p" + make.Text(p, " ") + " u" + make.Text(u, " "),
                                                         "Kugel M" + make.Text(m, " ") + " r=" + make.Text(r)});
    ExpectClean(sheet, exact);
    const std::string equation = sheet.line(3);
    EXPECT_EQ(equation.rfind("Gerade in Kugel f\xFChrt auf Gleichung ", 0), 0u) << equation;
    if (kind == 2) {
      EXPECT_EQ(sheet.lines().back(), "Keine Schnittpunkte") << equation;
      return;
    }
    const std::string points = LineStarting(sheet, "STRECKE S1");
    const L3 M = make.Value(m), P = make.Value(p), U = make.Value(u);
    const LD size = Norm(M) + Norm(P) + Norm(U) + make.Value(r);
    for (const char* name : {"S1", "S2"}) {
      const L3 s = PointAfter(points, name);
      ExpectNear(Norm(s - M), make.Value(r), size, exact, points + " on the sphere");
      ExpectNear(Norm(Cross(s - P, U)), 0, size * size, exact, points + " on the line");
    }
    if (exact) { EXPECT_EQ(points.find(','), std::string::npos) << points; }
    if (kind == 1) { EXPECT_EQ(points.substr(10, points.find("S2") - 10), points.substr(points.find("S2") + 2)); }
  });
}

TEST_F(SpheresTest, SpherePassesThroughItsFourPointsOrThereIsNone) {
  ForEachCase(1405, [](CaseMaker& make, int n) {
    const bool exact = make.exact();
    // Points on a known sphere; every fourth set lies in one plane.
    const Q3 m = make.Point();
    const mpq_class r = Q(make.Int(1, 12), make.Int(1, 2));
    std::array<Q3, 4> x;
    for (Q3& point : x) point = m + r * UnitDirection(make);
    if (n % 4 == 0)
      x[3] = x[0] + Q(make.Int(-3, 3), 2) * (x[1] - x[0]) + Q(make.Int(-3, 3)) * (x[2] - x[0]);
    const Worksheet sheet =
        RunGeometry("Kugel durch ABCD", {"Kugel durch A" + make.Text(x[0], "|") + " B" + make.Text(x[1], "|") + " C" +
                                         make.Text(x[2], "|") + " D" + make.Text(x[3], "|")});
    ExpectClean(sheet, exact);
    const bool coplanar = Dot(x[1] - x[0], Cross(x[2] - x[0], x[3] - x[0])) == 0;
    EXPECT_EQ(HasLine(sheet, "Nicht oder nicht eindeutig l\xF6sbar."), coplanar) << sheet.line(1);
    if (coplanar) return;
    const std::string scene = LineStarting(sheet, "KUGEL M");
    const L3 centre = PointAfter(scene, "M");
    const LD radius = NumberValue(scene.substr(scene.find("r=") + 2));
    LD size = 0;
    for (const Q3& point : x) size += Norm(make.Value(point));
    for (const Q3& point : x) ExpectNear(Norm(make.Value(point) - centre), radius, size, exact, scene);
    ExpectNear(radius, make.Value(r), size, exact, scene);
    if (exact) ExpectRootOf(scene.substr(scene.find("r=") + 2), r * r, 1, scene);
    for (const char* probe : {"Probe  MA=", "       MD="}) {
      ExpectNear(NumberValue(LineStarting(sheet, probe).substr(10)), radius, size, exact, probe);
    }
    if (exact) { EXPECT_EQ(scene.find(','), std::string::npos) << scene; }
  });
}

TEST_F(SpheresTest, ALineWithoutDirectionMeetsNoSphere) {
  const Worksheet noLine = RunGeometry("Gerade-Kugel", {"Gerade p(0 0 0) u(0 0 0)", "Kugel M(0 0 0) r=1"});
  EXPECT_EQ(noLine.lines().back(), "Keine Schnittpunkte");
  ASSERT_EQ(noLine.notices().size(), 1u);
  EXPECT_EQ(noLine.notices()[0].text, "Keine quadratische Gleichung");
}

}  // namespace
}  // namespace lumatik::testing

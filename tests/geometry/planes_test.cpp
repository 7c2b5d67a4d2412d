// The plane commands, checked by geometry: the normal vector is orthogonal
// to both directions, the given points satisfy the equation, the distance
// is |n.p - d|/|n| computed here on its own, and degenerate input gives a
// hint or a message instead of a number that is none.

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "exact/fractions.h"
#include "expr/lumath.h"
#include "geometry/geometry_commands.h"
#include "geometry/geometry_text.h"
#include "geometry/planes.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/equation_support.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using testing::EngineTest;

class PlanesTest : public EngineTest {};

double D(Extended x) { return static_cast<double>(x); }

// a*x1 + b*x2 + c*x3 - d, in double arithmetic.
double Residual(const PlaneEquation& e, const Vec3& x) {
  return D(e.a) * D(x.x1) + D(e.b) * D(x.x2) + D(e.c) * D(x.x3) - D(e.d);
}

void ExpectNoBrokenNumber(const Worksheet& sheet) {
  for (const std::string& line : sheet.lines()) {
    const std::string lower = LowerCase(line);
    EXPECT_EQ(lower.find("inf"), std::string::npos) << line;
    EXPECT_EQ(lower.find("nan"), std::string::npos) << line;
  }
}

struct ParamCase {
  Vec3 p, u, v;
};

TEST_F(PlanesTest, NormalIsOrthogonalAndThePointsLieInThePlane) {
  const ParamCase cases[] = {
      {{4, 2, 3}, {-3, -1, 2}, {-5, -4, 1}},
      {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
      {{1, 0, 0}, {0, 0, 1}, {0, 1, 0}},
      {{2, -3, 5}, {0, 2, 7}, {3, 0, -1}},
      {{0, 0, 0}, {1, 1, 0}, {1, 0, 1}},
      {{-1, 4, 2}, {0.5L, 1, -1}, {2, 1.0L / 3, 0}},
      {{7, 7, 7}, {0, 0, 2}, {1, 3, 0}},
      {{1, 2, 3}, {6, 4, 2}, {9, 6, 4}},
  };
  for (const ParamCase& c : cases) {
    const PlaneFromParamResult r = PlaneFromParam(c.p, c.u, c.v);
    const PlaneEquation& e = r.plane;
    const std::string label = PointText(" ", c.p) + PointText(" ", c.u) + PointText(" ", c.v);
    ASSERT_FALSE(e.a == 0 && e.b == 0 && e.c == 0) << label;
    EXPECT_NEAR(D(Dot(e.normal(), c.u)), 0, 1e-9) << label;
    EXPECT_NEAR(D(Dot(e.normal(), c.v)), 0, 1e-9) << label;
    EXPECT_NEAR(Residual(e, c.p), 0, 1e-9) << label;
    EXPECT_NEAR(Residual(e, c.p + c.u), 0, 1e-9) << label;
    EXPECT_NEAR(Residual(e, c.p - 3 * c.u + 2 * c.v), 0, 1e-9) << label;
    // Rational input ends in coprime integers.
    const Extended values[4] = {e.a, e.b, e.c, e.d};
    long long g = 0;
    for (Extended value : values) {
      EXPECT_NEAR(D(value), std::nearbyint(D(value)), 1e-12) << label;
      g = std::gcd(g, std::llabs(static_cast<long long>(std::nearbyint(value))));
    }
    EXPECT_EQ(g, 1) << label;
  }
}

TEST_F(PlanesTest, IrrationalDirectionsKeepAnUnnormalisedButTrueNormal) {
  const Vec3 p{1, 2, 3};
  const Vec3 u{std::sqrt(2.0L), 1, 0};
  const Vec3 v{0, 1, std::sqrt(3.0L)};
  const PlaneEquation e = PlaneFromParam(p, u, v).plane;
  EXPECT_NEAR(D(Dot(e.normal(), u)), 0, 1e-12);
  EXPECT_NEAR(D(Dot(e.normal(), v)), 0, 1e-12);
  EXPECT_NEAR(Residual(e, p), 0, 1e-12);
}

TEST_F(PlanesTest, ParallelDirectionsGiveNoPlane) {
  const PlaneEquation e = PlaneFromParam({1, 2, 3}, {1, 2, 3}, {-2, -4, -6}).plane;
  EXPECT_TRUE(e.a == 0 && e.b == 0 && e.c == 0 && e.d == 0);
  const PlaneEquation z = PlaneFromParam({1, 2, 3}, {0, 0, 0}, {1, 0, 0}).plane;
  EXPECT_TRUE(z.a == 0 && z.b == 0 && z.c == 0);
}

Worksheet RunCommand(const char* caption, std::vector<std::string> lines) {
  BindGeometryCommands();
  const WorksheetCommandLookup found = FindWorksheetCommand(3, Cp1252(caption));
  EXPECT_TRUE(found.found && found.run) << caption;
  return RunWorksheetCommand(found.run, std::move(lines), 3);
}

TEST_F(PlanesTest, ThreePointsGiveTheCoordinateEquationAndItsPlanePoints) {
  const std::string head = "Ebene Dreieck A(2|-1|3) B(0|4|1) C(5 5 -2)";
  const Worksheet sheet = RunCommand("Ebene ABC", {head});
  ASSERT_GE(sheet.lineCount(), 5);
  EXPECT_EQ(sheet.line(1), "Ebene DREIECK  A(2|-1|3)B(0|4|1)C(5|5|-2)");
  EXPECT_EQ(sheet.line(2), "Ebene Parameterform p(2|-1|3) u(-2 5 -2) v(3 6 -5)");
  EXPECT_EQ(sheet.line(3), "*** Koordinatengleichung der Ebene ***  ");
  // The equation line read back: all three points satisfy it.
  const std::string equation = sheet.line(4);
  ASSERT_EQ(equation.rfind(std::string(9, ' '), 0), 0u);
  const Vec3 points[3] = {{2, -1, 3}, {0, 4, 1}, {5, 5, -2}};
  for (const Vec3& x : points) {
    const std::string lhs = equation.substr(9, equation.find('=') - 9);
    const Extended rhs = EvalTerm(equation.substr(equation.find('=') + 1));
    std::string term = lhs;
    for (const char* name : {"x1", "x2", "x3"}) {
      const auto at = term.find(name);
      ASSERT_NE(at, std::string::npos) << equation;
      const Extended value = name[1] == '1' ? x.x1 : name[1] == '2' ? x.x2 : x.x3;
      term.replace(at, 2, "(" + std::to_string(static_cast<long long>(value)) + ")");
    }
    EXPECT_NEAR(D(EvalTerm(term)), D(rhs), 1e-9) << term;
  }
  EXPECT_EQ(sheet.line(5).rfind("DREIECK der Spurpunkte ", 0), 0u);
  // Every listed plane point lies in the plane; at most 35 of them.
  const PlaneEquation e = PlaneFromParam(points[0], points[1] - points[0], points[2] - points[0]).plane;
  int listed = 0;
  for (int n = 6; n <= sheet.lineCount(); ++n) {
    const std::string line = sheet.line(n);
    for (std::size_t at = line.find(" ("); at != std::string::npos; at = line.find(" (", at + 1)) {
      const Vec3 x = LineValues(line.substr(at)).vec3(1);
      EXPECT_NEAR(Residual(e, x), 0, 1e-9) << line;
      ++listed;
    }
  }
  EXPECT_GT(listed, 0);
  EXPECT_LE(listed, 35);
}

TEST_F(PlanesTest, ExamplePlaneListsThirtyFivePointsInTheirSearchOrder) {
  const std::vector<std::string> lines = PlanePointLines({1, -1, 1, 5});
  int listed = 0;
  for (const std::string& line : lines) {
    for (char c : line) listed += c == '(';
  }
  EXPECT_EQ(listed, 35);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0].rfind("Ebenenpunkte:  (0|0|5)      (0|1|6)     (0|-1|4)    (1|0|4)     (-1|0|6)", 0), 0u);
}

TEST_F(PlanesTest, PlaneParallelToTheThirdAxisListsArbitraryHeights) {
  const std::vector<std::string> lines = PlanePointLines({1, 1, 0, 2});
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find(" (0|2|beliebig)"), std::string::npos) << lines[0];
  EXPECT_EQ(lines[0].find("(0|0|"), std::string::npos) << lines[0];
}

TEST_F(PlanesTest, CollinearPointsGiveNoPlaneAndNothingElse) {
  const Worksheet sheet = RunCommand("Ebene ABC", {"Ebene Dreieck A(1|1|1) B(2|3|4) C(3|5|7)"});
  ASSERT_EQ(sheet.lineCount(), 3);
  EXPECT_EQ(sheet.line(3), "Keine Ebene! (Richtungsvektoren parallel)");
  ExpectNoBrokenNumber(sheet);
}

TEST_F(PlanesTest, ParallelDirectionsInTheCommand) {
  const Worksheet sheet = RunCommand("Ebene x=p+s*u+t*v", {"Ebene Parameterform p(1 2 3) u(1 0 2) v(2 0 4)"});
  ASSERT_EQ(sheet.lineCount(), 3);
  EXPECT_EQ(sheet.line(1), "Ebene Parameterform p(1|2|3) u(1 0 2) v(2 0 4)");
  EXPECT_EQ(sheet.line(3), "Keine Ebene! (Richtungsvektoren parallel)");
}

TEST_F(PlanesTest, DirectionsWithoutFirstCoordinateStillGiveThePlane) {
  const Worksheet sheet = RunCommand("Ebene x=p+s*u+t*v", {"Ebene Parameterform p(3 1 1) u(0 0 1) v(0 1 0)"});
  ASSERT_GE(sheet.lineCount(), 5);
  EXPECT_EQ(sheet.line(4), std::string(9, ' ') + "1*x1+0*x2+0*x3=3");
  EXPECT_EQ(sheet.line(5), "DREIECK der Spurpunkte  S1(3|0|0)");
}

TEST_F(PlanesTest, EmptySheetGetsTheExampleAndAWrongHeadOnlyAHint) {
  for (const char* caption : {"Ebene ABC", "Ebene x=p+s*u+t*v", "Ebene ax1+bx2+cx3=d", "Abstand Punkt Ebene"}) {
    const Worksheet example = RunCommand(caption, {});
    EXPECT_GT(example.lineCount(), 1) << caption;
    EXPECT_TRUE(example.notices().empty()) << caption;
    const std::vector<std::string> other = {"Dreieck A(1|2|3)", "1 2 3"};
    const Worksheet wrong = RunCommand(caption, other);
    EXPECT_EQ(wrong.lines(), other) << caption;
    ASSERT_EQ(wrong.notices().size(), 1u) << caption;
    EXPECT_NE(wrong.notices()[0].text.find("Programmpunkt!"), std::string::npos) << caption;
  }
}

TEST_F(PlanesTest, DistanceAndFootPointAgreeWithTheFormula) {
  struct Case {
    PlaneEquation e;
    Vec3 p;
  };
  const Case cases[] = {
      {{2, -1, -5, 3}, {-1, 2, 1}}, {{1, 2, 2, 9}, {0, 0, 0}}, {{0, 0, 3, 6}, {4, -1, 7}},
      {{1, -1, 1, 5}, {4, 2, 3}},   {{3, 4, 0, -2}, {1, 1, 1}},
  };
  for (const Case& c : cases) {
    const std::string planeLine = PlaneCoefficientLine(c.e, "x");
    const std::string pointLine = PaddedNumberText(c.p.x1) + " " + PaddedNumberText(c.p.x2) + " " +
                                  PaddedNumberText(c.p.x3);
    const Worksheet sheet = RunCommand("Abstand Punkt Ebene", {"Abstand Punkt Ebene", planeLine, pointLine});
    ASSERT_EQ(sheet.lineCount(), 7) << planeLine;
    const double n = std::sqrt(D(c.e.a) * D(c.e.a) + D(c.e.b) * D(c.e.b) + D(c.e.c) * D(c.e.c));
    const double signedDistance = Residual(c.e, c.p) / n;
    const std::string distance = sheet.line(5);
    ASSERT_EQ(distance.rfind("+/-Abstand=", 0), 0u);
    EXPECT_NEAR(D(EvalTerm(distance.substr(11))), signedDistance, 1e-9) << distance;
    // The foot point lies in the plane, at that distance from P, on the normal.
    const std::string foot = sheet.line(6);
    ASSERT_EQ(foot.rfind(Cp1252("Fußpunkt=F("), 0), 0u) << foot;
    const Vec3 f = LineValues(foot.substr(foot.find('(') - 1)).vec3(1);
    EXPECT_NEAR(Residual(c.e, f), 0, 1e-9) << foot;
    const Vec3 pf = f - c.p;
    EXPECT_NEAR(std::sqrt(D(Dot(pf, pf))), std::fabs(signedDistance), 1e-9) << foot;
    const Vec3 across = Cross(pf, c.e.normal());
    EXPECT_NEAR(D(Dot(across, across)), 0, 1e-9) << foot;
    EXPECT_EQ(sheet.line(7), "STRECKE P" + PointText("|", c.p) + " F" + PointText("|", f));
  }
}

TEST_F(PlanesTest, ZeroNormalStopsAfterTheTraceLineWithAHint) {
  const Worksheet sheet = RunCommand("Abstand Punkt Ebene", {"Abstand Punkt Ebene", "0 0 0 3", "1 2 3"});
  ASSERT_EQ(sheet.lineCount(), 4);
  EXPECT_EQ(sheet.line(4), "DREIECK der Spurpunkte ");
  EXPECT_EQ(sheet.notices().size(), 1u);
  ExpectNoBrokenNumber(sheet);
  const Worksheet equation = RunCommand("Ebene ax1+bx2+cx3=d", {"0 0 0 1 (Ebene"});
  EXPECT_EQ(equation.lineCount(), 2);
  EXPECT_EQ(equation.notices().size(), 1u);
  ExpectNoBrokenNumber(equation);
}

TEST_F(PlanesTest, SmallCoefficientsAndIrrationalDirectionsStayTrue) {
  // A tiny normal vector is no rounding noise: the plane is far away.
  const Worksheet far = RunCommand("Abstand Punkt Ebene", {"Abstand Punkt Ebene", "0,0000001 0 0 1", "1 1 1"});
  EXPECT_EQ(far.line(5), "+/-Abstand=-9999999");
  // Irrational directions keep coefficients of their own size.
  const PlaneEquation e = PlaneFromParam({1, 2, 3}, {std::sqrt(2.0L), 1, 0}, {0, 1, std::sqrt(3.0L)}).plane;
  EXPECT_LT(std::fabs(D(e.a)) + std::fabs(D(e.b)) + std::fabs(D(e.c)), 100);
  // Fraction points give the integer equation without rounding noise.
  const Worksheet thirds = RunCommand("Ebene ABC", {"Ebene Dreieck A(1/3|1/7|2) B(2/3|-1|1/9) C(5|1/11|-2/7)"});
  EXPECT_EQ(thirds.line(4).find(','), std::string::npos) << thirds.line(4);
}

TEST_F(PlanesTest, CoordinateEquationCommandWritesTheTypedPlane) {
  const Worksheet sheet = RunCommand("Ebene ax1+bx2+cx3=d", {"1/2 -3 0 2   (Ebene E: ...)"});
  ASSERT_EQ(sheet.lineCount(), 2);
  EXPECT_EQ(sheet.line(1), "1/2   -3    0     2    (Ebene E: 1/2*x1-3*x2+0*x3=2)");
  EXPECT_EQ(sheet.line(2), "DREIECK der Spurpunkte  S1(4|0|0) S2(0|-2/3|0)");
}

// The coefficients are terms of the engine, also where they begin with a
// letter; a term it cannot compute stops the command with a hint.
TEST_F(PlanesTest, CoefficientsBeginningWithALetterAreComputed) {
  const Worksheet sheet = RunCommand("Ebene ax1+bx2+cx3=d", {"wur(3) Pi/2 -1 2*Pi   (Ebene E: ...)"});
  EXPECT_TRUE(sheet.notices().empty());
  ASSERT_EQ(sheet.lineCount(), 2);
  EXPECT_EQ(sheet.line(1).rfind(NumberTextMixed(std::sqrt(3.0L)) + " " + NumberTextMixed(kPi / 2) + " -1    " +
                                    NumberTextMixed(2 * kPi) + "(Ebene E: ",
                                0),
            0u)
      << sheet.line(1);
  // S3 = d / c = -2 Pi.
  EXPECT_NE(sheet.line(2).find(" S3(0|0|" + NumberTextMixed(-2 * kPi) + ")"), std::string::npos) << sheet.line(2);

  const Worksheet param = RunCommand("Ebene x=p+s*u+t*v", {"Ebene Parameterform p(0 0 0) u(wur(2) 0 0) v(0 Pi 0)"});
  EXPECT_TRUE(param.notices().empty());
  ASSERT_GE(param.lineCount(), 4);
  EXPECT_EQ(param.line(1).rfind("Ebene Parameterform p(0|0|0) u(" + NumberTextMixed(std::sqrt(2.0L)) + " 0 0) v(0 " +
                                    NumberTextMixed(kPi) + " 0)",
                                0),
            0u)
      << param.line(1);
}

struct RefusedPlane {
  const char* command;
  std::vector<std::string> lines;
  int line;  // the line the hint names
  const char* item;
};

TEST_F(PlanesTest, UncomputableTermsAreRefusedWithAHint) {
  const RefusedPlane cases[] = {
      {"Ebene ax1+bx2+cx3=d", {"wurzel(3) -1 -2 3   (Ebene E: ...)"}, 1, "wurzel(3)"},
      {"Ebene ABC", {"Ebene Dreieck A(4 2 3)B(1 1 1/0)C(-1 -2 4)"}, 1, "1/0"},
      {"Abstand Punkt Ebene", {"Abstand Punkt Ebene", "2 -1 -5 3", "-1 Pi/0 1"}, 3, "Pi/0"},
      {"Abstand Punkt Ebene", {"Abstand Punkt Ebene", "2 wurzel(2) -5 3", "-1 2 1"}, 2, "wurzel(2)"},
  };
  for (const RefusedPlane& c : cases) {
    const Worksheet sheet = RunCommand(c.command, c.lines);
    ASSERT_EQ(sheet.notices().size(), 1u) << c.lines[0];
    const std::string start = "Abbruch:In Zeile " + std::to_string(c.line) + " kann \"" + c.item + "\"";
    EXPECT_EQ(sheet.notices()[0].text.rfind(start, 0), 0u) << sheet.notices()[0].text;
    EXPECT_EQ(sheet.lines(), c.lines);
  }
}

// The point line may name its point as the program writes points.
TEST_F(PlanesTest, DistanceReadsThePointAsTheProgramWritesIt) {
  const std::string plane = "2 -1 -5 3   (Ebene E: 2x1-x2-5x3=3)";
  const Worksheet plain = RunCommand("Abstand Punkt Ebene", {"Abstand Punkt Ebene", plane, "-1 2 1"});
  for (const char* point : {"P(-1|2|1)", "Punkt P(-1|2|1)", "(Punkt P(-1|2|1))", "P(-1 2 1)",
                                   "-1    2    1          (Punkt P(-1|2|1))"}) {
    const Worksheet sheet = RunCommand("Abstand Punkt Ebene", {"Abstand Punkt Ebene", plane, point});
    EXPECT_TRUE(sheet.notices().empty()) << point;
    EXPECT_EQ(sheet.lines(), plain.lines()) << point;
  }
}

}  // namespace
}  // namespace lumatik

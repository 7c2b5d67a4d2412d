// Reading points, vectors and plane lines from worksheet lines, and the
// texts of numbers, points and coordinate equations.

#include <gtest/gtest.h>

#include <cmath>

#include "geometry/geometry_text.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

using testing::EngineTest;

class GeometryTextTest : public EngineTest {};

struct ValuesCase {
  const char* line;
  std::vector<long double> values;  // value 1, 2, ... of the line
};

TEST_F(GeometryTextTest, PointAndVectorLinesReadTheirNumbers) {
  const ValuesCase cases[] = {
      {"A(6|4|4) B(2|6|5)", {6, 4, 4, 2, 6, 5}},
      {"u=(1 -1 1/2)", {1, -1, 0.5L}},
      {"Gerade P(9 10 -2)  u(-2 1 0)", {9, 10, -2, -2, 1, 0}},
      {"Ebene Dreieck A(4 2 3)B(1 1 5)C(-1 -2 4)", {4, 2, 3, 1, 1, 5, -1, -2, 4}},
      {"Punkt P(4|6|2) Gerade mit Aufpunkt(4|2|1) Richtungsvektor(1 1 0)", {4, 6, 2, 4, 2, 1, 1, 1, 0}},
      {"p(2*3 2.5 -3)", {6, 2.5L, -3}},
  };
  for (const ValuesCase& c : cases) {
    for (std::size_t i = 0; i + 2 < c.values.size(); i += 3) {
      const Vec3 v = ReadVec3(c.line, static_cast<int>(i) + 1);
      EXPECT_EQ(v.x1, c.values[i]) << c.line << " value " << i + 1;
      EXPECT_EQ(v.x2, c.values[i + 1]) << c.line << " value " << i + 2;
      EXPECT_EQ(v.x3, c.values[i + 2]) << c.line << " value " << i + 3;
    }
  }
}

TEST_F(GeometryTextTest, MissingValuesReadAsZero) {
  const Vec3 v = ReadVec3("P(1|2)", 1);
  EXPECT_EQ(v.x1, 1);
  EXPECT_EQ(v.x2, 2);
  EXPECT_EQ(v.x3, 0);
  const Vec3 w = ReadVec3("u(1 2 3)", 4);
  EXPECT_EQ(w.x1, 0);
  EXPECT_EQ(w.x3, 0);
  const Line3 g = ReadLine3("Gerade p(-8 8 14) u(4 0 -3)");
  EXPECT_EQ(g.p.x3, 14);
  EXPECT_EQ(g.u.x1, 4);
  EXPECT_EQ(g.u.x3, -3);
}

TEST_F(GeometryTextTest, PlaneLinesReadTheCoefficientsBeforeTheRemark) {
  const PlaneEquation e = ReadPlaneEquation("2 -1 -5 3   (Ebene E: 2x1-x2-5x3=3)");
  EXPECT_EQ(e.a, 2);
  EXPECT_EQ(e.b, -1);
  EXPECT_EQ(e.c, -5);
  EXPECT_EQ(e.d, 3);
  const Vec3 p = ReadVec3Plain("-1 2 1      (Punkt P(-1 2 1))", 1);
  EXPECT_EQ(p.x1, -1);
  EXPECT_EQ(p.x2, 2);
  EXPECT_EQ(p.x3, 1);
}

struct TextCase {
  std::string actual;
  const char* expected;
};

TEST_F(GeometryTextTest, NumberAndPointTexts) {
  const TextCase cases[] = {
      {PointText("|", 1, -2, 0.5L), "(1|-2|1/2)"},
      {PointText(" ", Vec3{-3, -1, 2}), "(-3 -1 2)"},
      {PointText("|", Vec3{1.6L, 0, -1}), "(1'3/5|0|-1)"},
      {PointTextDecimal("|", Vec3{-0.2L, 1.6L, -1}), "(-0,2|1,6|-1)"},
      {ParenNumberText(3), "3"},
      {ParenNumberText(-2), "-2"},
      {ParenNumberText(0.5L), "(1/2)"},
      {PaddedNumberText(2), "2    "},
      {PaddedNumberText(-12), "-12  "},
      {PaddedNumberText(1.0L / 3), "1/3  "},
      {PaddedNumberText(123456), "123456"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST_F(GeometryTextTest, CoordinateEquations) {
  const TextCase cases[] = {
      {CoordinateEquationText({2, -1, -5, 3}), "2*x1-1*x2-5*x3=3"},
      {CoordinateEquationText({1, 0.5L, -1.5L, 0}), "1*x1+(1/2)*x2-(1'1/2)*x3=0"},
      {CoordinateEquationText({-1, 0, 7, -2}), "-1*x1+0*x2+7*x3=-2"},
      {PlaneCoefficientLine({2, -1, -5, 3}, "x"), "2     -1    -5    3    (Ebene E: x)"},
  };
  for (const TextCase& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST_F(GeometryTextTest, TracePointsLieOnTheAxesAndOnThePlane) {
  const PlaneEquation planes[] = {{1, -1, 1, 5}, {2, -1, -5, 3}, {3, 7, -2, 1}, {1, 1, 0, 2}, {0, 0, 4, -6}};
  for (const PlaneEquation& e : planes) {
    const std::string text = TraceTriangleText(e);
    ASSERT_EQ(text.rfind("DREIECK der Spurpunkte ", 0), 0u) << text;
    const Extended coefficients[3] = {e.a, e.b, e.c};
    for (int axis = 0; axis < 3; ++axis) {
      const std::string name = " S" + std::to_string(axis + 1) + "(";
      const auto at = text.find(name);
      ASSERT_EQ(at == std::string::npos, coefficients[axis] == 0) << text;
      if (at == std::string::npos) continue;
      const Vec3 s = ReadVec3(text.substr(at), 1);
      const Extended coordinates[3] = {s.x1, s.x2, s.x3};
      for (int other = 0; other < 3; ++other) {
        if (other != axis) {
          EXPECT_EQ(coordinates[other], 0) << text;
        }
      }
      EXPECT_NEAR(static_cast<double>(e.a * s.x1 + e.b * s.x2 + e.c * s.x3), static_cast<double>(e.d), 1e-12)
          << text;
    }
  }
  EXPECT_EQ(TraceTriangleText({0, 0, 0, 3}), "DREIECK der Spurpunkte ");
}

TEST_F(GeometryTextTest, PointTextsReadBackToTheSamePoint) {
  const Vec3 points[] = {{1, 2, 3}, {-0.5L, 2.25L, -7}, {1.0L / 3, -2.0L / 7, 0}};
  for (const Vec3& p : points) {
    const Vec3 back = ReadVec3("P" + PointText("|", p), 1);
    EXPECT_NEAR(static_cast<double>(back.x1), static_cast<double>(p.x1), 1e-15);
    EXPECT_NEAR(static_cast<double>(back.x2), static_cast<double>(p.x2), 1e-15);
    EXPECT_NEAR(static_cast<double>(back.x3), static_cast<double>(p.x3), 1e-15);
  }
}

}  // namespace
}  // namespace lumatik

// Reading points, vectors and plane lines from worksheet lines, and the
// texts of numbers, points and coordinate equations.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "geometry/geometry_text.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

using testing::EngineTest;

class GeometryTextTest : public EngineTest {};

TEST_F(GeometryTextTest, PointAndVectorLinesReadTheirNumbers) {
  const std::pair<const char*, std::vector<long double>> cases[] = {
      {"p(2*3 2.5 -3)", {6, 2.5L, -3}},
      {"2 -1 -5 3   (Ebene E: 2x1-x2-5x3=3)", {2, -1, -5, 3}},
      {"u(4 0 -3) (1/2) 2*(1+1)", {4, 0, -3, 0.5L, 4}},
  };
  for (const auto& [line, expected] : cases) {
    LineValues values(line);
    for (std::size_t i = 0; i < expected.size(); ++i)
      EXPECT_EQ(values.value(static_cast<int>(i) + 1), expected[i]) << line << " value " << i + 1;
    EXPECT_TRUE(values.computed()) << line;
  }
}

TEST_F(GeometryTextTest, UncomputableTermIsReportedOnlyWhenItsValueIsAskedFor) {
  for (const char* line : {"wurzel(3) 1 2", "A*2 1 2", "P(3) 1 2", "sqrt2/2 1 2"}) {
    LineValues values(line);
    values.vec3(1);
    EXPECT_FALSE(values.computed()) << line;
  }
  LineValues values("wurzel(3) 1 2  (Ebene E: 2x1-x2-5x3=3)");
  EXPECT_EQ(values.value(2), 1);
  EXPECT_TRUE(values.computed());
  EXPECT_EQ(values.value(1), 0);
  EXPECT_FALSE(values.computed());
  EXPECT_EQ(values.hint(4).rfind("Abbruch:In Zeile 4 kann \"wurzel(3)\" nicht berechnet werden", 0), 0u)
      << values.hint(4);
  // The remark after the coefficients counts only when a value is missing.
  LineValues shortLine("1 2 3   (Ebene E: x1+2x2+3x3)");
  shortLine.plane();
  EXPECT_FALSE(shortLine.computed());
}

TEST_F(GeometryTextTest, CoordinateEquations) {
  EXPECT_EQ(CoordinateEquationText({1, 0.5L, -1.5L, 0}), "1*x1+(1/2)*x2-(1'1/2)*x3=0");
  EXPECT_EQ(CoordinateEquationText({-1, 0, 7, -2}), "-1*x1+0*x2+7*x3=-2");
}

// Every point the program writes reads back as that point: fractions and
// mixed numbers within 1e-18, 18-digit decimals to their last digit, and the
// grouped 4-place decimals to their fourth place (15 digits beyond 10^18).
TEST_F(GeometryTextTest, PointTextsReadBackToTheSamePoint) {
  std::mt19937 random(20261213);
  std::uniform_int_distribution<int> pick(0, 7);
  const auto coordinate = [&]() -> Extended {
    const Extended sign = random() % 2 ? -1 : 1;
    switch (pick(random)) {
      case 0: return 0;
      case 1: return sign * static_cast<Extended>(random() % 1000);
      case 2: return sign * static_cast<Extended>(random() % 400) / static_cast<Extended>(1 + random() % 60);
      case 3: return sign * static_cast<Extended>(random() % 100000000) / 7;
      case 4: return sign * std::sqrt(static_cast<Extended>(2 + random() % 50));
      case 5: return sign * static_cast<Extended>(1 + random() % 9) * 1e-9L / 3;
      case 6: return sign * static_cast<Extended>(random()) * 1e12L;
      default: return sign * static_cast<Extended>(random() % 10000000) / 4;
    }
  };
  for (int round = 0; round < 3000; ++round) {
    const Vec3 p{coordinate(), coordinate(), coordinate()};
    const Extended given[3] = {p.x1, p.x2, p.x3};
    const std::string texts[3] = {"P" + PointText("|", p), "u=" + PointText(" ", p), "F" + PointTextDecimal("|", p)};
    for (int form = 0; form < 3; ++form) {
      LineValues values(texts[form]);
      const Vec3 back = values.vec3(1);
      EXPECT_TRUE(values.computed()) << texts[form];
      EXPECT_EQ(values.value(4), 0) << texts[form];
      const Extended read[3] = {back.x1, back.x2, back.x3};
      for (int k = 0; k < 3; ++k) {
        const Extended size = std::fabs(given[k]);
        const Extended tolerance = form < 2 ? 1e-17L * size + 1e-18L : 5.0001e-5L + 1e-14L * size;
        EXPECT_LE(std::fabs(read[k] - given[k]), tolerance) << texts[form] << " coordinate " << k + 1;
      }
    }
  }
}

}  // namespace
}  // namespace lumatik

// Reading scene lines: which objects a keyword asks for, the values and
// point names of lines as users type them and as the geometry commands
// write them.

#include <gtest/gtest.h>

#include <vector>

#include "draw3d/scene_line.h"
#include "shell/codepage.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

using R = SceneRow;

struct RowCase {
  const char* line;
  std::vector<SceneRow> rows;
};

const RowCase kRowCases[] = {
    {"PUNKT S(7|2|3)", {R::Point, R::PointFloor}}, {"punkt S(7|2|3)", {R::Point}},
    {"STRECKE P(4|6|2) F(6|4|1) ergibt Abstand:", {R::Segment, R::FirstTwoFloor}},
    {"GERADE A(2|3|6) u(-2|3|-1,5)", {R::StraightLine, R::FirstTwoFloor}},
    {"DREIECK der Spurpunkte  S1(5|0|0)", {R::Triangle, R::TriangleFloor}},
    {"Dreiecksfl\xC3\xA4" "che=3/2*sqrt(33)", {}},
    {"TETRAEDER A(-1 1 0) B(8 0 0) C(0 6 0) D(0 0 6)", {R::Tetrahedron, R::TetrahedronFloor}},
    {"PARALLELOGRAMM A(5|7|7) B(5|10|7) C(4|8|5)", {R::ParallelogramCapitals, R::Parallelogram}},
    {"SPAT A(2|-1|1) B(4|-1|1) D(2|-3|1) E(3|-1|4)", {R::ParallelepipedCapitals, R::Parallelepiped}},
    {"Vektor u=(1/2 1 -1)", {R::Vector}}, {"Kreis U(3,591|4,727|3,409) r=2,585 orthogonal zu v(-2 -5 2)", {R::Circle}},
    {"KUGEL M(2|9|2) r=2", {R::Sphere}}, {"Kugel durch A(4|4|6) B(0|3|6) C(5|4|5) D(-1|3|1)", {}},
    // Sentences that begin with a longer word are no objects.
    {"Punktprobe mit A,B,C und D f\xC3\xBChrt mit Umformung", {}}, {"Vektoren u=(1 -2 2)", {}},
    {" Punkt S(1|2|3)", {}}, {"", {}},
};

TEST(SceneLineTest, KeywordsAskForTheirRowsInOrder) {
  for (const RowCase& c : kRowCases) EXPECT_EQ(SceneRowsOf(Cp1252(c.line)), c.rows) << c.line;
}

struct ValueCase {
  const char* line;
  std::vector<long double> values;
};

const ValueCase kValueCases[] = {
    {"Strecke A(2|3|6) B(0|6|5,5)", {2, 3, 6, 0, 6, 5.5L}},
    {"TETRAEDER A(-1 1 0) B(8 0 0) C(0 6 0) D(0 0 6)", {-1, 1, 0, 8, 0, 0, 0, 6, 0, 0, 0, 6}},
    {"Vektor u=(1/2 1 -1)", {0.5L, 1, -1}},
    // As the geometry commands write them: mixed numbers, terms with
    // brackets, digits grouped with blanks.
    {"STRECKE S1(7'17/25|8|2'6/25)S2(0|8|8)", {7.68L, 8, 2.24L, 0, 8, 8}},
    {"KUGEL M(2|3'1/2|3) Radius r=1/2*sqrt(53)", {2, 3.5L, 3, 3.6400549446402591384L}},
    {"Kreis U(12 345,679|-4,727|1 000) r=12 345,678 orthogonal zu v(-2 -5 2)",
     {12345.679L, -4.727L, 1000, 12345.678L, -2, -5, 2}},
    {"STRECKE G(1392,467 8|3813,766 1|1139,129 8) H(1|721,615 6|2169,846 7)",
     {1392.4678L, 3813.7661L, 1139.1298L, 1, 721.6156L, 2169.8467L}},
};

class SceneValueTest : public EngineTest {};

TEST_F(SceneValueTest, ValuesAreReadAsTyped) {
  for (const ValueCase& c : kValueCases) {
    SceneLine line(Cp1252(c.line), 1);
    for (std::size_t i = 0; i < c.values.size(); ++i) {
      const auto value = line.value(static_cast<int>(i) + 1);
      ASSERT_TRUE(value) << c.line << " " << i + 1;
      EXPECT_NEAR(static_cast<double>(*value), static_cast<double>(c.values[i]), 1e-12) << c.line << " " << i + 1;
    }
    EXPECT_TRUE(line.problems().empty()) << c.line;
  }
}

// The hints of whole scenes name these problems too; here their exact words.
TEST_F(SceneValueTest, MissingAndUncomputableValuesAreNamed) {
  SceneLine missing(Cp1252("Dreieck A(1|2|3) B(4|5|6)"), 4);
  EXPECT_TRUE(missing.point(4));
  EXPECT_FALSE(missing.point(7));
  EXPECT_EQ(missing.problems(), std::vector<std::string>{"es fehlen Zahlen (6 statt 9)"});
  SceneLine division(Cp1252("Punkt P(1/0|2|3)"), 1);
  EXPECT_FALSE(division.point(1));
  EXPECT_EQ(division.problems(), std::vector<std::string>{"\"1/0\" kann nicht berechnet werden (Div. durch Null)"});
  EXPECT_FALSE(SceneLine(Cp1252("Gerade in Kugel f\xC3\xBChrt auf Gleichung 25*s^2-148*s+196=0"), 1).holdsNumbers());
  EXPECT_TRUE(SceneLine(Cp1252("Punkt P(1/0|2|3)"), 1).holdsNumbers());
}

}  // namespace
}  // namespace lumatik::testing

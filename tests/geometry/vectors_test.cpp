// "Vektor" and "Zwei Vektoren": lengths, dot product, cosine and angle read
// back from the worksheet agree with the vectors.

#include <gtest/gtest.h>

#include <cmath>

#include "geometry_cases.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

class VectorsTest : public EngineTest {};

TEST_F(VectorsTest, LengthsDotProductAndAngleAgreeWithTheVectors) {
  ForEachCase(1406, [](CaseMaker& make, int n) {
    const bool exact = make.exact();
    const Q3 u = make.NonZero();
    // Every fifth pair is parallel or antiparallel.
    const Q3 v = n % 5 == 0 ? Q(make.Int(-3, 3) | 1, make.Int(1, 3)) * u : make.NonZero();
    const Worksheet sheet =
        RunGeometry("Zwei Vektoren", {"Zwei Vektoren u=" + make.Text(u, " ") + " v=" + make.Text(v, " ")});
    ExpectClean(sheet, exact);
    ASSERT_EQ(sheet.lineCount(), 3);
    const L3 U = make.Value(u), V = make.Value(v);
    const LD size = Norm(U) * Norm(V);
    const std::string lengths = sheet.line(2);
    ExpectNear(NumberAfter(lengths, "|u| = "), Norm(U), Norm(U), exact, lengths);
    ExpectNear(NumberAfter(lengths, "|v| = "), Norm(V), Norm(V), exact, lengths);
    ExpectNear(NumberAfter(lengths, "u*v = "), Dot(U, V), size, exact, lengths);
    const std::string angle = sheet.line(3);
    if (exact) {
      // "|u| = 1/2*sqrt(5) = 1,118 |v| = ..." and "cos phi = ... = 0,707  phi = ...".
      auto before = [](const std::string& line, const std::string& label) {
        const std::string rest = line.substr(line.find(label) + label.size());
        return rest.substr(0, rest.find(' '));
      };
      ExpectRootOf(before(lengths, "|u| = "), Dot(u, u), 1, lengths);
      ExpectRootOf(before(lengths, "u*v = "), Dot(u, v) * Dot(u, v), sgn(Dot(u, v)), lengths);
      ExpectRootOf(before(angle, "cos phi = "), Dot(u, v) * Dot(u, v) / (Dot(u, u) * Dot(v, v)), sgn(Dot(u, v)),
                   angle);
    }
    const LD cosine = Dot(U, V) / size;
    ExpectNear(NumberAfter(angle, "cos phi = "), cosine, 1, exact, angle);
    EXPECT_NEAR(static_cast<double>(NumberAfter(angle, "  phi = ")),
                std::acos(static_cast<double>(cosine)) * 180 / M_PI, 6e-5)
        << angle;
    // Integer lengths are whole numbers or roots: never a decimal first.
    if (make.style() == Style::Integer) {
      EXPECT_EQ(lengths.substr(0, lengths.find(" = ", 4)).find(','), std::string::npos);
    }
  });
}

TEST_F(VectorsTest, RootCosineAndZeroVectors) {
  EXPECT_EQ(RunGeometry("Vektor", {"Vektor u=(1 1 0) v=(1 0 0)"}).line(3),
            "cos phi = 1/2*sqrt(2) = 0,707  phi = 45\xB0");
  // A zero vector has no direction: the lengths, then the reason for no angle.
  for (const char* line : {"Vektor u=(0 0 0) v=(1 2 2)", "Zwei Vektoren u=(1 2 2) v=(0 0 0)"}) {
    const Worksheet sheet = RunGeometry("Vektor", {line});
    ASSERT_EQ(sheet.lineCount(), 3) << line;
    EXPECT_EQ(sheet.line(3), "Ein Vektor ist der Nullvektor: kein Winkel!");
  }
}

}  // namespace
}  // namespace lumatik::testing

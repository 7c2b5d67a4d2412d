// "Dreieck" on generated triangles: the corners lie in the plane, the angles add
// up to 180 degrees, the circumcentre is equidistant from the corners, the height
// feet lie on their sides at right angles, the area is half the cross product.

#include <gtest/gtest.h>

#include <array>
#include <regex>

#include "geometry_cases.h"
#include "support/engine_state.h"

namespace lumatik::testing {
namespace {

class TriangleTest : public EngineTest {};

TEST_F(TriangleTest, TriangleIdentitiesHoldOnThePrintedResults) {
  ForEachCase(1407, [](CaseMaker& make, int n) {
    const bool exact = make.exact();
    // Every fourth triangle has a right angle at C.
    const Q3 c = make.Point();
    const Q3 ca = make.NonZero();
    const Q3 a = c + ca;
    const Q3 b = n % 4 == 0 ? c + make.Orthogonal(ca) : make.Point();
    const Worksheet sheet =
        RunGeometry("Dreieck", {"Dreieck A" + make.Text(a, "|") + " B" + make.Text(b, "|") + " C" + make.Text(c, "|")});
    ExpectClean(sheet, exact);
    const std::array<L3, 3> x = {make.Value(a), make.Value(b), make.Value(c)};
    const LD size = Norm(x[0]) + Norm(x[1]) + Norm(x[2]);
    const LD area = Norm(Cross(x[1] - x[0], x[2] - x[0])) / 2;
    if (Dot(Cross(b - a, c - a), Cross(b - a, c - a)) == 0) {
      EXPECT_EQ(sheet.lineCount(), 2) << sheet.line(1);
      return;
    }
    const std::string plane = sheet.line(2).substr(11);
    for (const L3& corner : x) ExpectNear(EquationResidual(plane, corner), 0, 0, exact, plane);
    if (exact) {
      // Rational corners give integer coefficients that hold exactly.
      std::smatch m;
      ASSERT_TRUE(std::regex_match(plane, m, std::regex("(-?[0-9]+)\\*x1([-+][0-9]+)\\*x2([-+][0-9]+)\\*x3=(-?[0-9]+)")))
          << plane;
      const Q3 normal{mpq_class(m[1].str()), mpq_class(m[2].str().substr(m[2].str()[0] == '+')),
                      mpq_class(m[3].str().substr(m[3].str()[0] == '+'))};
      for (const Q3& corner : {a, b, c}) EXPECT_EQ(Dot(normal, corner), mpq_class(m[4].str())) << plane;
      mpz_class g = 0;
      for (const mpq_class& x : {normal.x1, normal.x2, normal.x3}) g = gcd(g, x.get_num());
      EXPECT_EQ(gcd(g, mpz_class(m[4].str())), 1) << plane;
    }
    const std::string sideA = sheet.line(3);
    if (exact) ExpectRootOf(sideA.substr(sideA.find(" a=") + 3), Dot(c - b, c - b), 1, sideA);
    LD sum = 0;
    for (const char* angle : {"alpha=", "beta=", "gamma="})
      sum += NumberAfter(LineStarting(sheet, angle), angle, "\xB0");
    ExpectNear(sum, 180, 180, exact, "angle sum");
    if (n % 4 == 0) { EXPECT_TRUE(HasLine(sheet, "gamma=90\xB0")); }
    const std::string circle = LineStarting(sheet, "Umkreis U");
    const L3 u = PointAfter(circle, "U");
    const LD r = NumberValue(circle.substr(circle.find(" r=") + 3));
    for (const L3& corner : x) ExpectNear(Norm(corner - u), r, size, exact, circle);
    for (int k = 0; k < 3; ++k) {
      const std::string label = std::string("H") + "abc"[k];
      const std::string height = LineStarting(sheet, label + "(");
      const L3 foot = PointAfter(height, label);
      const L3& from = x[k];
      const L3& p = x[k == 0 ? 1 : 0];
      const L3& q = x[k == 2 ? 1 : 2];
      ExpectNear(Norm(Cross(foot - p, q - p)), 0, size * size, exact, height + " on its side");
      ExpectNear(Dot(from - foot, q - p), 0, size * size, exact, height + " at a right angle");
      ExpectNear(NumberValue(height.substr(height.find('=') + 1)), Norm(from - foot), size, exact, height);
    }
    const std::string areaLine = LineStarting(sheet, "Dreiecksfl\xE4" "che=");
    ExpectNear(NumberValue(areaLine.substr(15)), area, size * size, exact, areaLine);
    const Q3 normal = Cross(b - a, c - a);
    if (exact) ExpectRootOf(areaLine.substr(15), Dot(normal, normal) / 4, 1, areaLine);
    ExpectNear(PointAfter(LineStarting(sheet, "               SCHWERPUNKT"), "SCHWERPUNKT"),
               LD(1) / 3 * (x[0] + x[1] + x[2]), size, exact, "centroid");
  });
}

TEST_F(TriangleTest, DegenerateTrianglesGetTheReasonInsteadOfAResult) {
  const struct {
    const char* line;
    const char* message;
  } cases[] = {
      {"Dreieck A(0,1|0,2|0,3) B(0,2|0,4|0,6) C(0,3|0,6|0,9)", "Die drei Punkte liegen auf einer Geraden: kein Dreieck!"},
      {"Dreieck A(1|1|1) B(1|1|1) C(2|3|4)", "Zwei Punkte fallen zusammen: kein Dreieck!"},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = RunGeometry("Dreieck", {c.line});
    ASSERT_EQ(sheet.lineCount(), 2) << c.line;
    EXPECT_EQ(sheet.line(2), c.message);
  }
}

}  // namespace
}  // namespace lumatik::testing

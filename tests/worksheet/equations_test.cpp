// The equation commands, checked by putting every solution they print back
// into the polynomial and by comparing with roots known from the factors
// the cases are built from.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <new>
#include <sstream>

#include "equation_output.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using Command = void (*)(Worksheet&);
using testing::EquationKind;

testing::EquationKind KindOf(Command command) {
  if (command == SolveQuadraticEquation) return EquationKind::Quadratic;
  if (command == SolveReducedCubic) return EquationKind::ReducedCubic;
  if (command == SolveCubicEquation) return EquationKind::Cubic;
  return EquationKind::Quartic;
}

// The coefficients named in the first line ("a=1/2 b=-3"), highest power
// first; the reduced cubic's p and q are those of x^3+0x^2+px+q.
std::vector<long double> CoefficientsOf(const std::string& firstLine, Command command) {
  std::vector<long double> coefficients;
  if (command == SolveReducedCubic) coefficients = {1, 0};
  std::istringstream words(firstLine);
  for (std::string word; words >> word;) {
    if (word.size() > 2 && word[1] == '=') coefficients.push_back(testing::PrintedNumber(word.substr(2)));
  }
  return coefficients;
}

long double ValueAt(const std::vector<long double>& coefficients, long double x) {
  long double value = 0;
  for (const long double c : coefficients) value = value * x + c;
  return value;
}

// The size of the terms at x, so that a residual can be judged relative to it.
long double ScaleAt(const std::vector<long double>& coefficients, long double x) {
  long double scale = 0;
  for (const long double c : coefficients) scale = scale * std::max(1.0L, std::fabs(x)) + std::fabs(c);
  return scale;
}

Worksheet Solved(Command command, const std::string& firstLine) {
  Worksheet sheet({firstLine}, 2);
  command(sheet);
  return sheet;
}

std::string Text(const Worksheet& sheet) {
  std::string text;
  for (const std::string& line : sheet.lines()) text += Cp1252ToUtf8(line) + "\n";
  return text;
}

class EquationTest : public testing::EngineTest {};

const long double kSqrt2 = std::sqrt(2.0L);
const long double kSqrt3 = std::sqrt(3.0L);

// Every printed solution satisfies the equation; each known root is printed,
// and nothing else. Rational roots of every multiplicity are the generated
// tests' part; here are the irrational roots, the special forms and monic
// polynomials.
TEST_F(EquationTest, EverySolutionSatisfiesTheEquation) {
  const struct {
    Command command;
    const char* firstLine;
    std::vector<long double> roots;  // the distinct real roots
  } cases[] = {
      {SolveQuadraticEquation, "quadratische Gleichung  a=7 b=-10 c=1", {(5 + 3 * kSqrt2) / 7, (5 - 3 * kSqrt2) / 7}},
      {SolveQuadraticEquation, "quadratische Gleichung a=1 b=2 c=5", {}},
      {SolveQuadraticEquation, "quadratische Gleichung a=1 b=2/3 c=1/9", {-1.0L / 3}},
      {SolveQuadraticEquation, "quadratische Gleichung a=0.1 b=0,2 c=0.1", {-1}},
      {SolveReducedCubic, "reduzierte kubische Gleichung p=-7/3 q=20/27", {4.0L / 3, -5.0L / 3, 1.0L / 3}},
      {SolveReducedCubic, "reduzierte kubische Gleichung p=-3 q=2", {-2, 1}},
      {SolveReducedCubic, "reduzierte kubische Gleichung p=6 q=2", {std::cbrt(2.0L) - std::cbrt(4.0L)}},
      {SolveReducedCubic, "reduzierte kubische Gleichung p=1 q=-2", {1}},
      {SolveReducedCubic, "reduzierte kubische Gleichung p=0 q=0", {0}},
      {SolveCubicEquation, "kubische Gleichung a=1 b=-4 c=1 d=6", {-1, 2, 3}},
      {SolveCubicEquation, "kubische Gleichung a=1 b=0 c=0 d=-8", {2}},
      {SolveCubicEquation, "kubische Gleichung a=1 b=2 c=0 d=0", {-2, 0}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=-10 c=35 d=-50 e=24", {1, 2, 3, 4}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=-5 d=0 e=4", {1, -1, 2, -2}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=-3 d=0 e=-4", {2, -2}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=0 d=0 e=1", {}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=-5 d=0 e=6", {kSqrt2, -kSqrt2, kSqrt3, -kSqrt3}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=5 c=2 d=-20 e=-24", {-3, -2, 2}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=-4 c=6 d=-4 e=1", {1}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=-4 d=0 e=4", {kSqrt2, -kSqrt2}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=2 d=0 e=1", {}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=-3 c=3 d=-1 e=0", {0, 1}},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = Solved(c.command, c.firstLine);
    SCOPED_TRACE(Text(sheet));
    EXPECT_TRUE(sheet.notices().empty());
    const std::vector<long double> p = CoefficientsOf(c.firstLine, c.command);
    const std::vector<long double> solutions = testing::PrintedSolutions(sheet.lines(), KindOf(c.command));
    const auto near = [](long double x) { return [x](long double y) { return std::fabs(x - y) < 1e-6L; }; };
    for (const long double x : solutions) {
      EXPECT_LE(std::fabs(ValueAt(p, x)), 1e-12L * ScaleAt(p, x)) << "printed solution " << static_cast<double>(x);
      EXPECT_TRUE(std::any_of(c.roots.begin(), c.roots.end(), near(x))) << "unexpected " << static_cast<double>(x);
    }
    for (const long double root : c.roots) {
      EXPECT_TRUE(std::any_of(solutions.begin(), solutions.end(), near(root))) << "missing " << static_cast<double>(root);
    }
    for (const std::string& line : sheet.lines()) EXPECT_EQ(testing::NoiseIn(line), "") << Cp1252ToUtf8(line);
  }
}

// Coefficients no fraction search recognises: the solutions are decided in
// floating point, and x1 is still m + r, the larger one, for m of either sign.
TEST_F(EquationTest, ApproximateQuadraticKeepsTheOrderOfItsSolutions) {
  const WorksheetCommandLookup quadratic = FindWorksheetCommand(2, "quadratische Gleichung");
  ASSERT_TRUE(quadratic.found && quadratic.run);
  for (const char* b : {"-3,14159265358979324", "3,14159265358979324"}) {
    const std::string first = std::string("quadratische Gleichung a=1 b=") + b + " c=1,41421356237309505";
    const Worksheet sheet = RunWorksheetCommand(quadratic.run, {first}, 2);
    SCOPED_TRACE(Text(sheet));
    const std::vector<long double> p = CoefficientsOf(first, SolveQuadraticEquation);
    const std::vector<long double> x = testing::PrintedSolutions(sheet.lines(), EquationKind::Quadratic);
    ASSERT_EQ(x.size(), 2u);
    EXPECT_GT(x[0], x[1]);
    for (const long double s : x) EXPECT_LE(std::fabs(ValueAt(p, s)), 1e-17L * ScaleAt(p, s)) << static_cast<double>(s);
  }
}

TEST_F(EquationTest, WorkedLinesReadLikeATeachersText) {
  const struct {
    Command command;
    const char* firstLine;
    std::vector<const char*> lines;  // UTF-8, whole lines the worked solution must hold
  } cases[] = {
      {SolveQuadraticEquation, "quadratische Gleichung a=1 b=2/3 c=1/9",
       {"Diskriminante d = b*b - 4a*c = 0", "Eine Lösung: x=-1/3"}},
      {SolveQuadraticEquation, "quadratische Gleichung a=-1 b=2 c=3",
       {"Rechnung:x1=1+2                x2=1-2", "Lösung:x1=3                    x2=-1"}},
      {SolveQuadraticEquation, "quadratische Gleichung a=-1 b=2 c=-3", {"Rechnung:x1=1+wur(-8)/2        x2=1-wur(-8)/2"}},
      {SolveQuadraticEquation, "quadratische Gleichung a=1 b=2,00000001 c=1,00000001",
       {"          wur(d) = 1/100000000", "Lösung:x1=-1                   x2=-1,00000001"}},
      {SolveReducedCubic, "reduzierte kubische Gleichung p=-4/3 q=16/27",
       {"d=0 Sonderfall ergibt zwei reelle Lösungen", "x=u+v=-1'1/3 Probe:x^3-1'1/3*x+16/27=0", "Eine Lösung: x=2/3"}},
      {SolveReducedCubic, "reduzierte kubische Gleichung p=-7 q=6", {"x=u+v=-3 Probe:x^3+p*x+q=0"}},
      {SolveCubicEquation, "kubische Gleichung a=1 b=2 c=0 d=0",
       {"             z=-2 Probe: 1*z^3+2*z^2+0*z+0=0", "Eine Lösung: z=0"}},
      {SolveCubicEquation, "kubische Gleichung a=-2 b=0 c=2 d=0", {"Rechnung:z1=-1/2+1/2           z2=-1/2-1/2"}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=-10 c=35 d=-50 e=24",
       {"reduzierte kubische Gleichung p=-1'1/12 q=-35/108"}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=5 c=2 d=-20 e=-24",
       {"Zu lösen bleibt:(x^2+5*x+6)*(x^2+0*x-4)=0"}},
      {SolveQuarticEquation, "Gleichung vierten Grades a=1 b=-4 c=6 d=-4 e=1",
       {"Zu lösen bleibt:(x^2-2*x+1)*(x^2-2*x+1)=0"}},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = Solved(c.command, c.firstLine);
    const auto& lines = sheet.lines();
    for (const char* line : c.lines) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), Cp1252(line)), lines.end()) << line << "\n" << Text(sheet);
    }
  }
}

TEST_F(EquationTest, WrongFirstLineIsRefusedWithItsHint) {
  const std::string again = "\" stehen!\rKlicken Sie \"Alles löschen\", dann noch zwei mal diesen Programmpunkt!";
  const struct {
    Command command;
    const char* firstLine;
    std::string hint;  // UTF-8
  } cases[] = {
      {SolveQuadraticEquation, "x^2=2", "In die erste Zeile muss \"quadratische Gleichung" + again},
      {SolveReducedCubic, "p=1 q=2", "In die erste Zeile muss \"reduzierte kubische Gleichung" + again},
      {SolveCubicEquation, "kubisch 1 2 3", "In die erste Zeile muss \"a=..." + again},
      {SolveQuarticEquation, "Gleichung 4. Grades a=1", "In die erste Zeile muss \"Gleichung 4. Grades" + again},
      {SolveCubicEquation, "kubische Gleichung a=0 b=1 c=2 d=3", "a=0 ->quadratische Gleichung"},
      {SolveQuarticEquation, "Gleichung vierten Grades a=0 b=1", "a=0 ->kubische Gleichung"},
      {SolveQuadraticEquation, "quadratische Gleichung a=0 b=1 c=2", "Keine quadratische Gleichung"},
      {PointToPlotter, "egal", "Lösungen von beliebigen Gleichungen über Schaubild|Nullstellen"},
  };
  for (const auto& c : cases) {
    Worksheet sheet({c.firstLine, "keep me"}, 2);
    c.command(sheet);
    ASSERT_EQ(sheet.notices().size(), 1u) << c.firstLine;
    EXPECT_EQ(sheet.notices()[0].text, Cp1252(c.hint));
  }
}

TEST_F(EquationTest, AngleTakesItsHalfPlaneFromTheRealPart) {
  EXPECT_EQ(AngleDegrees(-1, 0), 180);
  EXPECT_NEAR(static_cast<double>(AngleDegrees(-1, 1e-30L)), 180, 1e-12);
  EXPECT_EQ(AngleDegrees(1, 0), 0);
  EXPECT_EQ(AngleDegrees(0, 2), 90);
  EXPECT_NEAR(static_cast<double>(AngleDegrees(-1, 1)), 135, 1e-12);
}

TEST_F(EquationTest, IrrationalDoubleRootIsFoundWithinTheNoise) {
  // x^2 + 2*sqrt(2)*x + 2 = (x + sqrt(2))^2, with coefficients no fraction
  // search recognises: its discriminant is zero only up to rounding.
  Worksheet sheet;
  QuadraticSteps(sheet, "x", 1, 2, 2 * kSqrt2, 1);
  EXPECT_EQ(sheet.lines(), std::vector<std::string>{Cp1252("Eine Lösung: x=-1,41421356237309505")});
  long double s1 = 0;
  long double s2 = 0;
  ASSERT_TRUE(SolveQuadratic(1, 2 * kSqrt2, 2, s1, s2, sheet));
  EXPECT_NEAR(static_cast<double>(s1), -std::sqrt(2.0), 1e-15);
  EXPECT_EQ(s1, s2);
  // Just below the tangent there are two solutions.
  Worksheet apart;
  QuadraticSteps(apart, "x", 1, 2 - 1e-10L, 2 * kSqrt2, 1);
  EXPECT_EQ(apart.lineCount(), 3);
}

// A resolvent that rounding drives below zero must not take the program
// down; the command table turns the failure into a hint. Running out of
// memory is no hint.
TEST_F(EquationTest, FailedSquareRootEndsTheCommandWithAHint) {
  const Worksheet sheet = RunWorksheetCommand(
      [](Worksheet&) { throw std::domain_error(Cp1252("Ungültige Gleitkommaoperation")); }, {"x"}, 2);
  ASSERT_EQ(sheet.notices().size(), 1u);
  EXPECT_EQ(sheet.notices()[0].text, Cp1252("Ungültige Gleitkommaoperation"));
  EXPECT_EQ(sheet.lines(), std::vector<std::string>{"x"});
  EXPECT_THROW(RunWorksheetCommand([](Worksheet&) { throw std::bad_alloc(); }, {"x"}, 2), std::bad_alloc);
}

}  // namespace
}  // namespace lumatik

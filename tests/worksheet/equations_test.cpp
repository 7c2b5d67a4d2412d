// The equation commands, checked by putting every solution they print back
// into the polynomial and by comparing with roots known from the factors
// the cases are built from.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <new>

#include "equation_output.h"
#include "expr/lumath.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using Command = void (*)(Worksheet&);

struct EquationCase {
  const char* name;
  Command command;
  const char* firstLine;
  std::vector<long double> coefficients;  // highest power first
  std::vector<long double> roots;         // the distinct real roots
};

long double ValueAt(const std::vector<long double>& coefficients, long double x) {
  long double value = 0;
  for (const long double c : coefficients) value = value * x + c;
  return value;
}

// The size of the terms at x, so that a residual can be judged relative to it.
long double ScaleAt(const std::vector<long double>& coefficients, long double x) {
  long double scale = 0;
  long double power = 1;
  for (auto c = coefficients.rbegin(); c != coefficients.rend(); ++c) {
    scale += std::fabs(*c) * power;
    power *= std::max(1.0L, std::fabs(x));
  }
  return scale;
}

testing::EquationKind KindOf(Command command) {
  if (command == SolveQuadraticEquation) return testing::EquationKind::Quadratic;
  if (command == SolveReducedCubic) return testing::EquationKind::ReducedCubic;
  if (command == SolveCubicEquation) return testing::EquationKind::Cubic;
  return testing::EquationKind::Quartic;
}

std::vector<long double> PrintedSolutions(const Worksheet& sheet, Command command) {
  return testing::PrintedSolutions(sheet.lines(), KindOf(command));
}

class EquationTest : public testing::EngineTest {};

class EquationSolutions : public EquationTest, public ::testing::WithParamInterface<EquationCase> {};

TEST_P(EquationSolutions, EverySolutionSatisfiesTheEquation) {
  const EquationCase& c = GetParam();
  Worksheet sheet({c.firstLine}, 2);
  c.command(sheet);
  EXPECT_TRUE(sheet.notices().empty()) << sheet.notices().front().text;
  const std::vector<long double> solutions = PrintedSolutions(sheet, c.command);
  std::string worksheet;
  for (const std::string& line : sheet.lines()) worksheet += Cp1252ToUtf8(line) + "\n";
  SCOPED_TRACE(worksheet);

  for (const long double x : solutions) {
    EXPECT_LE(std::fabs(ValueAt(c.coefficients, x)), 1e-12L * ScaleAt(c.coefficients, x))
        << "printed solution " << static_cast<double>(x);
  }
  // Each known root is printed, and nothing else.
  for (const long double root : c.roots) {
    const bool found = std::any_of(solutions.begin(), solutions.end(),
                                   [&](long double x) { return std::fabs(x - root) < 1e-6L; });
    EXPECT_TRUE(found) << "root " << static_cast<double>(root) << " missing";
  }
  for (const long double x : solutions) {
    const bool known = std::any_of(c.roots.begin(), c.roots.end(),
                                   [&](long double root) { return std::fabs(x - root) < 1e-6L; });
    EXPECT_TRUE(known) << "unexpected solution " << static_cast<double>(x);
  }
  for (const std::string& line : sheet.lines()) EXPECT_EQ(testing::NoiseIn(line), "") << Cp1252ToUtf8(line);
}

const long double kSqrt2 = std::sqrt(2.0L);
const long double kSqrt3 = std::sqrt(3.0L);

INSTANTIATE_TEST_SUITE_P(
    Equations, EquationSolutions,
    ::testing::Values(
        EquationCase{"quadratic_example", SolveQuadraticEquation, "quadratische Gleichung  a=7 b=-10 c=1", {7, -10, 1},
                     {(5 + 3 * kSqrt2) / 7, (5 - 3 * kSqrt2) / 7}},
        EquationCase{"quadratic_integers", SolveQuadraticEquation, "quadratische Gleichung a=1 b=-3 c=2", {1, -3, 2}, {1, 2}},
        EquationCase{"quadratic_double_root", SolveQuadraticEquation, "quadratische Gleichung a=1 b=2 c=1", {1, 2, 1}, {-1}},
        EquationCase{"quadratic_no_root", SolveQuadraticEquation, "quadratische Gleichung a=1 b=2 c=5", {1, 2, 5}, {}},
        EquationCase{"quadratic_negative_leading", SolveQuadraticEquation, "Quadratische Gleichung a=-2 b=3 c=5",
                     {-2, 3, 5}, {2.5L, -1}},
        EquationCase{"quadratic_fractions", SolveQuadraticEquation, "quadratische Gleichung a=1/2 b=-1/3 c=-1/6",
                     {0.5L, -1.0L / 3, -1.0L / 6}, {1, -1.0L / 3}},
        EquationCase{"reduced_example", SolveReducedCubic, "reduzierte kubische Gleichung p=-7/3 q=20/27",
                     {1, 0, -7.0L / 3, 20.0L / 27}, {4.0L / 3, -5.0L / 3, 1.0L / 3}},
        EquationCase{"reduced_d_zero", SolveReducedCubic, "reduzierte kubische Gleichung p=-3 q=2", {1, 0, -3, 2}, {-2, 1}},
        EquationCase{"reduced_one_real", SolveReducedCubic, "reduzierte kubische Gleichung p=6 q=2", {1, 0, 6, 2},
                     {std::cbrt(2.0L) - std::cbrt(4.0L)}},
        EquationCase{"reduced_2_4", SolveReducedCubic, "reduzierte kubische Gleichung p=-2 q=-4", {1, 0, -2, -4}, {2}},
        EquationCase{"reduced_fraction_root", SolveReducedCubic, "reduzierte kubische Gleichung p=2/3 q=-20/27",
                     {1, 0, 2.0L / 3, -20.0L / 27}, {2.0L / 3}},
        EquationCase{"reduced_three_integers", SolveReducedCubic, "reduzierte kubische Gleichung p=-7 q=6", {1, 0, -7, 6},
                     {1, 2, -3}},
        EquationCase{"reduced_1_2", SolveReducedCubic, "reduzierte kubische Gleichung p=1 q=-2", {1, 0, 1, -2}, {1}},
        EquationCase{"cubic_example", SolveCubicEquation, "kubische Gleichung a=1 b=-4 c=1 d=6", {1, -4, 1, 6}, {-1, 2, 3}},
        EquationCase{"cubic_leading_two", SolveCubicEquation, "kubische Gleichung a=2 b=-3 c=-11 d=6", {2, -3, -11, 6},
                     {3, 0.5L, -2}},
        EquationCase{"cubic_one_real", SolveCubicEquation, "kubische Gleichung a=1 b=0 c=0 d=-8", {1, 0, 0, -8}, {2}},
        EquationCase{"cubic_negative_leading", SolveCubicEquation, "kubische Gleichung a=-1 b=6 c=-11 d=6",
                     {-1, 6, -11, 6}, {1, 2, 3}},
        EquationCase{"quartic_example", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=-10 c=35 d=-50 e=24",
                     {1, -10, 35, -50, 24}, {1, 2, 3, 4}},
        EquationCase{"quartic_biquadratic", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=-5 d=0 e=4",
                     {1, 0, -5, 0, 4}, {1, -1, 2, -2}},
        EquationCase{"quartic_s_zero", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=-3 d=0 e=-4",
                     {1, 0, -3, 0, -4}, {2, -2}},
        EquationCase{"quartic_leading_two", SolveQuarticEquation, "Gleichung vierten Grades a=2 b=-3 c=-11 d=3 e=9",
                     {2, -3, -11, 3, 9}, {-1, -1.5L, 3, 1}},
        EquationCase{"quartic_no_real_root", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=0 d=0 e=1",
                     {1, 0, 0, 0, 1}, {}},
        EquationCase{"quartic_irrational", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=-5 d=0 e=6",
                     {1, 0, -5, 0, 6}, {kSqrt2, -kSqrt2, kSqrt3, -kSqrt3}},
        // Repeated roots, which floating point alone gets wrong.
        EquationCase{"quadratic_double_fraction_root", SolveQuadraticEquation,
                     "quadratische Gleichung a=1 b=2/3 c=1/9", {1, 2.0L / 3, 1.0L / 9}, {-1.0L / 3}},
        EquationCase{"quadratic_double_decimal_root", SolveQuadraticEquation,
                     "quadratische Gleichung a=0.1 b=0,2 c=0.1", {0.1L, 0.2L, 0.1L}, {-1}},
        EquationCase{"reduced_double_fraction_root", SolveReducedCubic, "reduzierte kubische Gleichung p=-4/3 q=16/27",
                     {1, 0, -4.0L / 3, 16.0L / 27}, {-4.0L / 3, 2.0L / 3}},
        EquationCase{"reduced_triple_zero", SolveReducedCubic, "reduzierte kubische Gleichung p=0 q=0", {1, 0, 0, 0},
                     {0}},
        EquationCase{"cubic_z_squared", SolveCubicEquation, "kubische Gleichung a=1 b=2 c=0 d=0", {1, 2, 0, 0},
                     {-2, 0}},
        EquationCase{"cubic_triple_root", SolveCubicEquation, "kubische Gleichung a=2 b=-24 c=96 d=-128",
                     {2, -24, 96, -128}, {4}},
        EquationCase{"cubic_double_fraction_root", SolveCubicEquation, "kubische Gleichung a=3 b=-1 c=-1/3 d=1/9",
                     {3, -1, -1.0L / 3, 1.0L / 9}, {1.0L / 3, -1.0L / 3}},
        EquationCase{"quartic_double_root", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=5 c=2 d=-20 e=-24",
                     {1, 5, 2, -20, -24}, {-3, -2, 2}},
        EquationCase{"quartic_fourfold_root", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=-4 c=6 d=-4 e=1",
                     {1, -4, 6, -4, 1}, {1}},
        EquationCase{"quartic_double_irrational_roots", SolveQuarticEquation,
                     "Gleichung vierten Grades a=1 b=0 c=-4 d=0 e=4", {1, 0, -4, 0, 4}, {kSqrt2, -kSqrt2}},
        EquationCase{"quartic_double_complex_pair", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=0 c=2 d=0 e=1",
                     {1, 0, 2, 0, 1}, {}},
        EquationCase{"quartic_triple_root", SolveQuarticEquation, "Gleichung vierten Grades a=1 b=-3 c=3 d=-1 e=0",
                     {1, -3, 3, -1, 0}, {0, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

struct WorkedLineCase {
  const char* name;
  Command command;
  const char* firstLine;
  const char* line;  // UTF-8, a whole line the worked solution must hold
};

class WorkedLines : public EquationTest, public ::testing::WithParamInterface<WorkedLineCase> {};

TEST_P(WorkedLines, ReadLikeATeachersText) {
  Worksheet sheet({GetParam().firstLine}, 2);
  GetParam().command(sheet);
  std::string worksheet;
  for (const std::string& line : sheet.lines()) worksheet += Cp1252ToUtf8(line) + "\n";
  const auto& lines = sheet.lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(), Cp1252(GetParam().line)), lines.end()) << worksheet;
}

INSTANTIATE_TEST_SUITE_P(
    Equations, WorkedLines,
    ::testing::Values(
        WorkedLineCase{"double_fraction_root_discriminant", SolveQuadraticEquation,
                       "quadratische Gleichung a=1 b=2/3 c=1/9", "Diskriminante d = b*b - 4a*c = 0"},
        WorkedLineCase{"double_fraction_root_once", SolveQuadraticEquation, "quadratische Gleichung a=1 b=2/3 c=1/9",
                       "Eine Lösung: x=-1/3"},
        WorkedLineCase{"negative_leading_root", SolveQuadraticEquation, "quadratische Gleichung a=-1 b=2 c=3",
                       "Rechnung:x1=1+2                x2=1-2"},
        WorkedLineCase{"negative_leading_solutions", SolveQuadraticEquation, "quadratische Gleichung a=-1 b=2 c=3",
                       "Lösung:x1=3                    x2=-1"},
        WorkedLineCase{"negative_leading_no_solution", SolveQuadraticEquation, "quadratische Gleichung a=-1 b=2 c=-3",
                       "Rechnung:x1=1+wur(-8)/2        x2=1-wur(-8)/2"},
        WorkedLineCase{"small_root_of_discriminant", SolveQuadraticEquation,
                       "quadratische Gleichung a=1 b=2,00000001 c=1,00000001", "          wur(d) = 1/100000000"},
        WorkedLineCase{"close_roots_stay_apart", SolveQuadraticEquation,
                       "quadratische Gleichung a=1 b=2,00000001 c=1,00000001",
                       "Lösung:x1=-1                   x2=-1,00000001"},
        WorkedLineCase{"reduced_d_zero_exactly", SolveReducedCubic, "reduzierte kubische Gleichung p=-4/3 q=16/27",
                       "d=0 Sonderfall ergibt zwei reelle Lösungen"},
        WorkedLineCase{"reduced_d_zero_solution", SolveReducedCubic, "reduzierte kubische Gleichung p=-4/3 q=16/27",
                       "x=u+v=-1'1/3 Probe:x^3-1'1/3*x+16/27=0"},
        WorkedLineCase{"reduced_d_zero_double_solution", SolveReducedCubic,
                       "reduzierte kubische Gleichung p=-4/3 q=16/27", "Eine Lösung: x=2/3"},
        WorkedLineCase{"reduced_check_without_noise", SolveReducedCubic, "reduzierte kubische Gleichung p=-7 q=6",
                       "x=u+v=-3 Probe:x^3+p*x+q=0"},
        WorkedLineCase{"cubic_z_squared_solution", SolveCubicEquation, "kubische Gleichung a=1 b=2 c=0 d=0",
                       "             z=-2 Probe: 1*z^3+2*z^2+0*z+0=0"},
        WorkedLineCase{"cubic_z_squared_double_solution", SolveCubicEquation, "kubische Gleichung a=1 b=2 c=0 d=0",
                       "Eine Lösung: z=0"},
        WorkedLineCase{"cubic_negative_leading_quadratic", SolveCubicEquation, "kubische Gleichung a=-2 b=0 c=2 d=0",
                       "Rechnung:z1=-1/2+1/2           z2=-1/2-1/2"},
        WorkedLineCase{"quartic_example_resolvent", SolveQuarticEquation,
                       "Gleichung vierten Grades a=1 b=-10 c=35 d=-50 e=24",
                       "reduzierte kubische Gleichung p=-1'1/12 q=-35/108"},
        WorkedLineCase{"quartic_double_root_factors", SolveQuarticEquation,
                       "Gleichung vierten Grades a=1 b=5 c=2 d=-20 e=-24", "Zu lösen bleibt:(x^2+5*x+6)*(x^2+0*x-4)=0"},
        WorkedLineCase{"quartic_fourfold_root_factors", SolveQuarticEquation,
                       "Gleichung vierten Grades a=1 b=-4 c=6 d=-4 e=1", "Zu lösen bleibt:(x^2-2*x+1)*(x^2-2*x+1)=0"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FirstLineCase {
  const char* name;
  Command command;
  const char* firstLine;
  const char* hint;  // UTF-8
};

class EquationFirstLine : public EquationTest, public ::testing::WithParamInterface<FirstLineCase> {};

TEST_P(EquationFirstLine, RefusesWithItsHint) {
  const std::vector<std::string> lines{GetParam().firstLine, "keep me"};
  Worksheet sheet(lines, 2);
  GetParam().command(sheet);
  ASSERT_EQ(sheet.notices().size(), 1u);
  EXPECT_EQ(sheet.notices()[0].text, Cp1252(GetParam().hint));
}

INSTANTIATE_TEST_SUITE_P(
    Hints, EquationFirstLine,
    ::testing::Values(
        FirstLineCase{"quadratic", SolveQuadraticEquation, "x^2=2",
                      "In die erste Zeile muss \"quadratische Gleichung\" stehen!\rKlicken Sie \"Alles löschen\", dann "
                      "noch zwei mal diesen Programmpunkt!"},
        FirstLineCase{"reduced", SolveReducedCubic, "p=1 q=2",
                      "In die erste Zeile muss \"reduzierte kubische Gleichung\" stehen!\rKlicken Sie \"Alles "
                      "löschen\", dann noch zwei mal diesen Programmpunkt!"},
        FirstLineCase{"cubic", SolveCubicEquation, "kubisch 1 2 3",
                      "In die erste Zeile muss \"a=...\" stehen!\rKlicken Sie \"Alles löschen\", dann noch zwei mal "
                      "diesen Programmpunkt!"},
        FirstLineCase{"quartic", SolveQuarticEquation, "Gleichung 4. Grades a=1",
                      "In die erste Zeile muss \"Gleichung 4. Grades\" stehen!\rKlicken Sie \"Alles löschen\", dann "
                      "noch zwei mal diesen Programmpunkt!"},
        FirstLineCase{"cubic_leading_zero", SolveCubicEquation, "kubische Gleichung a=0 b=1 c=2 d=3",
                      "a=0 ->quadratische Gleichung"},
        FirstLineCase{"quartic_leading_zero", SolveQuarticEquation, "Gleichung vierten Grades a=0 b=1",
                      "a=0 ->kubische Gleichung"},
        FirstLineCase{"quadratic_leading_zero", SolveQuadraticEquation, "quadratische Gleichung a=0 b=1 c=2",
                      "Keine quadratische Gleichung"},
        FirstLineCase{"any", PointToPlotter, "egal", "Lösungen von beliebigen Gleichungen über Schaubild|Nullstellen"}),
    [](const auto& info) { return std::string(info.param.name); });

struct QuadraticCase {
  long double a, b, c;
  bool real;
};

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
  const long double root2 = std::sqrt(2.0L);
  Worksheet sheet;
  QuadraticSteps(sheet, "x", 1, 2, 2 * root2, 1);
  ASSERT_EQ(sheet.lineCount(), 1);
  EXPECT_EQ(sheet.line(1), Cp1252("Eine Lösung: x=-1,41421356237309505"));
  long double s1 = 0;
  long double s2 = 0;
  ASSERT_TRUE(SolveQuadratic(1, 2 * root2, 2, s1, s2, sheet));
  EXPECT_NEAR(static_cast<double>(s1), -std::sqrt(2.0), 1e-15);
  EXPECT_EQ(s1, s2);
  // Just below the tangent there are two solutions.
  Worksheet apart;
  QuadraticSteps(apart, "x", 1, 2 - 1e-10L, 2 * root2, 1);
  EXPECT_EQ(apart.lineCount(), 3);
}

TEST_F(EquationTest, DeflateCubicLeavesTheOtherFactor) {
  // 2x^3 - 3x^2 - 11x + 6 = (x - 3)(2x^2 + 3x - 2)
  long double b1 = 0;
  long double c1 = 0;
  DeflateCubic(3, 2, -3, -11, b1, c1);
  for (const long double x : {-2.0L, 0.5L, 7.0L, -1.25L}) {
    EXPECT_NEAR(static_cast<double>((x - 3) * (2 * x * x + b1 * x + c1)), static_cast<double>(ValueAt({2, -3, -11, 6}, x)),
                1e-12);
  }
}

TEST_F(EquationTest, FailedSquareRootEndsTheCommandWithAHint) {
  // A resolvent that rounding drives below zero must not take the program
  // down; the command table turns the failure into a hint.
  const WorksheetCommandLookup quartic = FindWorksheetCommand(2, "Gleichung 4. Grades");
  ASSERT_TRUE(quartic.found);
  const Worksheet sheet = RunWorksheetCommand(
      [](Worksheet&) { throw std::domain_error(Cp1252("Ungültige Gleitkommaoperation")); }, {"x"}, 2);
  ASSERT_EQ(sheet.notices().size(), 1u);
  EXPECT_EQ(sheet.notices()[0].text, Cp1252("Ungültige Gleitkommaoperation"));
  EXPECT_EQ(sheet.lines(), std::vector<std::string>{"x"});
}

TEST_F(EquationTest, OutOfMemoryIsNoHint) {
  EXPECT_THROW(RunWorksheetCommand([](Worksheet&) { throw std::bad_alloc(); }, {"x"}, 2), std::bad_alloc);
}

}  // namespace
}  // namespace lumatik

// The equation commands: the solutions they print are read back and checked
// on generated polynomials with chosen roots and on irrational cases.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>
#include <random>
#include <regex>
#include <sstream>

#include "exact/rational.h"
#include "expr/evaluate.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

struct Equation {
  const char* caption;     // the menu item
  const char* firstWords;  // the first line's words before the coefficients
  const char* names;       // the coefficients' names
  const char* variable;    // of the printed solutions
};

const Equation kQuadratic{"quadratische Gleichung", "quadratische Gleichung", "abc", "x"};
const Equation kReduced{"red. kubische Gleichung", "reduzierte kubische Gleichung", "pq", "x"};
const Equation kCubic{"kubische Gleichung", "kubische Gleichung", "abcd", "z"};
const Equation kQuartic{"Gleichung 4. Grades", "Gleichung vierten Grades", "abcde", "x"};

// The command run from the menu on a first line "<firstWords> <coefficients>".
Worksheet Solve(const Equation& equation, const std::string& coefficients) {
  const WorksheetCommandLookup lookup = FindWorksheetCommand(2, Cp1252(equation.caption));
  if (!lookup.found || !lookup.run) {
    ADD_FAILURE() << equation.caption;
    return Worksheet();
  }
  return RunWorksheetCommand(lookup.run, {std::string(equation.firstWords) + " " + coefficients}, 2);
}

// A number as the worksheet writes it ("5", "-2/3", "1'1/2"), else a root form through the engine.
long double PrintedNumber(const std::string& text) {
  const auto value = ReadRationalLiteral(text);
  return value ? ToExtended(*value) : EvalTerm(text);
}

// The solutions named in "Lösung:" and "Eine Lösung:" lines, the reduced
// cubic's "x=u+v=" and the cubic's "z=" lines.
std::vector<long double> PrintedSolutions(const Worksheet& sheet, const Equation& equation) {
  const std::string solution = Cp1252("Lösung:");
  const std::string oneSolution = Cp1252("Eine Lösung: ") + equation.variable + "=";
  std::vector<long double> solutions;
  for (const std::string& line : sheet.lines()) {
    std::string named;  // the words "x1=2 x2=-3" that name solutions
    if (line.rfind(solution, 0) == 0) {
      named = line.substr(solution.size());
    } else if (line.rfind(oneSolution, 0) == 0) {
      named = line.substr(oneSolution.size() - 2);
    } else if (&equation == &kReduced && line.rfind("x=u+v=", 0) == 0) {
      named = line.substr(4, line.find(' ') - 4);
    } else if (&equation == &kCubic && line.rfind(std::string(13, ' ') + "z=", 0) == 0) {
      named = line.substr(13, line.find(' ', 13) - 13);
    }
    std::istringstream words(named);
    for (std::string word; words >> word;) solutions.push_back(PrintedNumber(word.substr(word.find('=') + 1)));
  }
  return solutions;
}

// Rounding noise in a line, or "": an "E-" exponent, a run of seven 0s or 9s among decimals
// (digit groups "0,000 000 005" read as one number), or a sign right after "+", "-" or "/".
std::string NoiseIn(const std::string& line) {
  const std::string joined = std::regex_replace(line, std::regex("([0-9]) (?=[0-9])"), "$1");
  static const std::regex exponent("[0-9]E-");
  static const std::regex run("[0-9][,.][0-9]*(0000000[1-9]|9999999)");
  static const std::regex sign("[+/]-|[0-9a-z)]--");
  // The resolvent of a quartic may hold a small coefficient that is no
  // fraction within its noise: written with its exponent it is honest.
  const bool resolvent = joined.rfind("reduzierte kubische", 0) == 0 || joined.rfind("z^3", 0) == 0;
  if (std::regex_search(joined, exponent) && !resolvent) return "a tiny number in E notation";
  if (std::regex_search(joined, run)) return "a decimal with a run of 0s or 9s";
  if (std::regex_search(joined, sign)) return "a sign after an operator";
  return "";
}

// What is wrong with the worked solution, or "": each real root and nothing
// else, no rounding noise, and for exact roots every "Probe" exactly 0.
std::string ProblemWith(const Worksheet& sheet, const Equation& equation, const std::vector<long double>& roots,
                        bool exactRoots) {
  if (!sheet.notices().empty()) return "a hint: " + sheet.notices().front().text;
  const std::vector<long double> printed = PrintedSolutions(sheet, equation);
  const auto near = [](long double x) { return [x](long double y) { return std::fabs(x - y) <= 1e-9L; }; };
  for (const long double root : roots) {
    if (std::none_of(printed.begin(), printed.end(), near(root))) return "missing root " + std::to_string(root);
  }
  for (const long double x : printed) {
    if (std::none_of(roots.begin(), roots.end(), near(x))) return "a solution that is no root: " + std::to_string(x);
  }
  for (std::size_t i = 1; i < sheet.lines().size(); ++i) {
    const std::string& line = sheet.lines()[i];
    const std::string noise = NoiseIn(line);
    if (!noise.empty()) return noise + " in: " + Cp1252ToUtf8(line);
    if (exactRoots && line.find("Probe") != std::string::npos && line.substr(line.rfind('=')) != "=0") {
      return "a check that is not 0: " + Cp1252ToUtf8(line);
    }
  }
  return "";
}

// The coefficients named in "a=1/2 b=-3", highest power first (x^3+0x^2+px+q for p and q).
std::vector<long double> CoefficientsOf(const std::string& coefficients, const Equation& equation) {
  std::vector<long double> p;
  if (&equation == &kReduced) p = {1, 0};
  std::istringstream words(coefficients);
  for (std::string word; words >> word;) p.push_back(PrintedNumber(word.substr(2)));
  return p;
}

// |p(x)| relative to the size of the terms at x.
long double RelativeResidual(const std::vector<long double>& p, long double x) {
  long double value = 0;
  long double scale = 0;
  for (const long double c : p) {
    value = value * x + c;
    scale = scale * std::max(1.0L, std::fabs(x)) + std::fabs(c);
  }
  return std::fabs(value) / scale;
}

class EquationTest : public testing::EngineTest {};

const long double kSqrt2 = std::sqrt(2.0L);

// Irrational roots and complex pairs with irrational parts, which the generated polynomials never have.
TEST_F(EquationTest, EverySolutionSatisfiesTheEquation) {
  const struct {
    const Equation& equation;
    const char* coefficients;
    std::vector<long double> roots;  // the distinct real roots
  } cases[] = {
      {kQuadratic, "a=7 b=-10 c=1", {(5 + 3 * kSqrt2) / 7, (5 - 3 * kSqrt2) / 7}},
      {kReduced, "p=6 q=2", {std::cbrt(2.0L) - std::cbrt(4.0L)}},
      {kQuartic, "a=1 b=0 c=0 d=0 e=1", {}},
      {kQuartic, "a=1 b=0 c=-5 d=0 e=6", {kSqrt2, -kSqrt2, std::sqrt(3.0L), -std::sqrt(3.0L)}},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = Solve(c.equation, c.coefficients);
    EXPECT_EQ(ProblemWith(sheet, c.equation, c.roots, false), "") << ::testing::PrintToString(sheet.lines());
    const std::vector<long double> p = CoefficientsOf(c.coefficients, c.equation);
    for (const long double x : PrintedSolutions(sheet, c.equation)) EXPECT_LE(RelativeResidual(p, x), 1e-12L) << x;
  }
}

// Coefficients no fraction search recognises: the solutions are decided in
// floating point, and x1 is still m + r, the larger one, for m of either sign.
TEST_F(EquationTest, ApproximateQuadraticKeepsTheOrderOfItsSolutions) {
  for (const char* b : {"-3,14159265358979324", "3,14159265358979324"}) {
    const std::string coefficients = std::string("a=1 b=") + b + " c=1,41421356237309505";
    const Worksheet sheet = Solve(kQuadratic, coefficients);
    const std::vector<long double> x = PrintedSolutions(sheet, kQuadratic);
    ASSERT_EQ(x.size(), 2u) << ::testing::PrintToString(sheet.lines());
    EXPECT_GT(x[0], x[1]);
    for (const long double s : x) EXPECT_LE(RelativeResidual(CoefficientsOf(coefficients, kQuadratic), s), 1e-17L);
  }
}

// The branches the command line's whole-output tests do not reach.
TEST_F(EquationTest, WorkedLinesReadLikeATeachersText) {
  const struct {
    const Equation& equation;
    const char* coefficients;
    std::vector<const char*> lines;  // UTF-8, whole lines the worked solution must hold
  } cases[] = {
      {kQuadratic, "a=-1 b=2 c=3", {"Rechnung:x1=1+2                x2=1-2", "Lösung:x1=3                    x2=-1"}},
      {kQuadratic, "a=-1 b=2 c=-3", {"Rechnung:x1=1+wur(-8)/2        x2=1-wur(-8)/2"}},
      {kQuadratic, "a=1 b=2,00000001 c=1,00000001",
       {"          wur(d) = 1/100000000", "Lösung:x1=-1                   x2=-1,00000001"}},
      {kReduced, "p=-4/3 q=16/27", {"d=0 Sonderfall ergibt zwei reelle Lösungen", "Eine Lösung: x=2/3"}},
      // The third u of the casus irreducibilis lies below the real axis.
      {kReduced, "p=-7/3 q=20/27", {"u=1/6+i*-1/2*sqrt(3)=1/3*sqrt(7)*cis(280,893 394 649 130 905 605°)"}},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = Solve(c.equation, c.coefficients);
    const auto& lines = sheet.lines();
    for (const char* line : c.lines) {
      EXPECT_NE(std::find(lines.begin(), lines.end(), Cp1252(line)), lines.end())
          << line << ::testing::PrintToString(lines);
    }
  }
}

TEST_F(EquationTest, WrongFirstLineIsRefusedWithItsHint) {
  using Command = void (*)(Worksheet&);
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
  };
  for (const auto& c : cases) {
    Worksheet sheet({c.firstLine, "keep me"}, 2);
    c.command(sheet);
    ASSERT_EQ(sheet.notices().size(), 1u) << c.firstLine;
    EXPECT_EQ(sheet.notices()[0].text, Cp1252(c.hint));
  }
}

// x^2 + 2*sqrt(2)*x + 2 = (x + sqrt(2))^2: its discriminant is zero only up
// to rounding; just below the tangent there are two solutions.
TEST_F(EquationTest, IrrationalDoubleRootIsFoundWithinTheNoise) {
  Worksheet sheet;
  QuadraticSteps(sheet, "x", 1, 2, 2 * kSqrt2, 1);
  EXPECT_EQ(sheet.lines(), std::vector<std::string>{Cp1252("Eine Lösung: x=-1,41421356237309505")});
  long double s1 = 0;
  long double s2 = 0;
  ASSERT_TRUE(SolveQuadratic(1, 2 * kSqrt2, 2, s1, s2, sheet));
  EXPECT_NEAR(static_cast<double>(s1), -std::sqrt(2.0), 1e-15);
  EXPECT_EQ(s1, s2);
  Worksheet apart;
  QuadraticSteps(apart, "x", 1, 2 - 1e-10L, 2 * kSqrt2, 1);
  EXPECT_EQ(apart.lineCount(), 3);
}

// A failed square root (a resolvent rounded below zero) becomes a hint;
// running out of memory does not.
TEST_F(EquationTest, FailedSquareRootEndsTheCommandWithAHint) {
  const Worksheet sheet = RunWorksheetCommand(
      [](Worksheet&) { throw std::domain_error(Cp1252("Ungültige Gleitkommaoperation")); }, {"x"}, 2);
  ASSERT_EQ(sheet.notices().size(), 1u);
  EXPECT_EQ(sheet.notices()[0].text, Cp1252("Ungültige Gleitkommaoperation"));
  EXPECT_EQ(sheet.lines(), std::vector<std::string>{"x"});
  EXPECT_THROW(RunWorksheetCommand([](Worksheet&) { throw std::bad_alloc(); }, {"x"}, 2), std::bad_alloc);
}

// Polynomials built from chosen roots (fractions, roots of every
// multiplicity, complex pairs, any lead), multiplied out exactly.

using Rational = mpq_class;
using Coefficients = std::vector<Rational>;  // highest power first

// Small random numbers from a fixed seed, the same on every run.
struct Dice {
  explicit Dice(unsigned seed) : engine(seed) {}
  int between(int low, int high) { return low + static_cast<int>(engine() % static_cast<unsigned>(high - low + 1)); }
  bool chance(int percent) { return between(1, 100) <= percent; }
  std::mt19937 engine;
};

struct ComplexPair {
  Rational re, im;  // the pair re +- i*im, im != 0
  bool operator==(const ComplexPair&) const = default;
};

struct ChosenRoots {
  Rational lead{1};
  std::vector<Rational> real;  // each as often as its multiplicity
  std::vector<ComplexPair> pairs;
};

Coefficients Times(const Coefficients& p, const Coefficients& factor) {
  Coefficients product(p.size() + factor.size() - 1);
  for (std::size_t i = 0; i < p.size(); ++i) {
    for (std::size_t j = 0; j < factor.size(); ++j) product[i + j] += p[i] * factor[j];
  }
  return product;
}

Coefficients Expand(const ChosenRoots& roots) {
  Coefficients p{roots.lead};
  for (const Rational& r : roots.real) p = Times(p, {1, -r});
  for (const ComplexPair& c : roots.pairs) p = Times(p, {1, -2 * c.re, c.re * c.re + c.im * c.im});
  return p;
}

Rational RandomRoot(Dice& dice) {
  if (dice.chance(50)) return dice.between(-6, 6);
  const int den = dice.between(2, 7);
  int num = dice.between(-15, 15);
  while (num % den == 0) num = dice.between(-15, 15);
  return Rational(num) / den;
}

ComplexPair RandomPair(Dice& dice) {
  const int imNum = dice.between(1, 6);
  return {RandomRoot(dice), Rational(imNum) / (dice.chance(70) ? 1 : dice.between(2, 4))};
}

// Repeated roots and complex pairs are frequent: they are the hard cases.
ChosenRoots RandomRoots(Dice& dice, int degree) {
  static const Rational leads[] = {2, 3, -1, -2, 4, -3, 5, 6, 12, Rational(1, 2), Rational(-1, 3), Rational(3, 4),
                                   Rational(-5, 2), Rational(7, 3), Rational(2, 5)};
  ChosenRoots roots;
  roots.lead = leads[dice.between(0, static_cast<int>(std::size(leads)) - 1)];
  for (int left = degree; left > 0;) {
    if (left >= 2 && dice.chance(25)) {
      const ComplexPair pair = RandomPair(dice);
      roots.pairs.push_back(pair);
      left -= 2;
      if (left >= 2 && dice.chance(20)) {  // a double complex pair
        roots.pairs.push_back(pair);
        left -= 2;
      }
      continue;
    }
    const bool two = dice.chance(45), three = dice.chance(20), four = dice.chance(8);
    const int multiplicity = std::min(four ? 4 : three ? 3 : two ? 2 : 1, left);
    roots.real.insert(roots.real.end(), multiplicity, RandomRoot(dice));
    left -= multiplicity;
  }
  return roots;
}

// x^3+px+q: three roots that add up to 0.
ChosenRoots RandomReducedRoots(Dice& dice) {
  ChosenRoots roots;
  const Rational r1 = dice.chance(5) ? Rational(0) : RandomRoot(dice);
  if (dice.chance(25)) {
    roots.real = {r1};
    roots.pairs = {{-r1 / 2, RandomPair(dice).im}};
    return roots;
  }
  const Rational r2 = dice.chance(35) ? r1 : RandomRoot(dice);
  roots.real = {r1, r2, -r1 - r2};
  return roots;
}

// A coefficient as a user types it: "12", "-7/12", now and then a decimal "0,25" or "-1.5".
std::string TypedText(const Rational& r, Dice& dice) {
  for (int places = 1; places <= 4; ++places) {
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, places);
    if (r.get_den() == 1 || mpz_class(scale % r.get_den()) != 0) continue;
    if (!dice.chance(40)) break;
    std::string digits = mpz_class(abs(r.get_num()) * (scale / r.get_den())).get_str();
    if (digits.size() <= static_cast<std::size_t>(places)) digits.insert(0, places + 1 - digits.size(), '0');
    digits.insert(digits.size() - places, dice.chance(50) ? "," : ".");
    return (sgn(r) < 0 ? "-" : "") + digits;
  }
  return r.get_str();
}

// The coefficient times Pi as a term: no exact value, so the equation is
// solved with the noise-scaled decisions of approximate coefficients.
std::string PiScaledText(const Rational& r, Dice&) { return r == 0 ? "0" : r.get_str() + "*Pi"; }

using Typist = std::string (*)(const Rational&, Dice&);

bool HasRepeatedRoot(const ChosenRoots& roots) {
  std::vector<Rational> real = roots.real;
  std::sort(real.begin(), real.end());
  return std::adjacent_find(real.begin(), real.end()) != real.end() ||
         (roots.pairs.size() == 2 && roots.pairs[0] == roots.pairs[1]);
}

// Solves `count` polynomials; returns how many had a repeated root.
int SolveMany(const Equation& equation, int count, unsigned seed, Typist type = TypedText) {
  Dice dice(seed);
  int repeated = 0;
  int failures = 0;
  // The reduced cubic names only p and q of x^3+0x^2+px+q.
  const std::size_t skip = &equation == &kReduced ? 2 : 0;
  for (int i = 0; i < count && failures < 5; ++i) {  // five failures show the pattern
    const ChosenRoots roots = skip ? RandomReducedRoots(dice) : RandomRoots(dice, std::strlen(equation.names) - 1);
    repeated += HasRepeatedRoot(roots);
    const Coefficients p = Expand(roots);
    std::string coefficients;
    for (std::size_t k = skip; k < p.size(); ++k) {
      coefficients += std::string(k > skip ? " " : "") + equation.names[k - skip] + "=" + type(p[k], dice);
    }
    const Worksheet sheet = Solve(equation, coefficients);
    std::vector<long double> real;
    for (const Rational& root : roots.real) real.push_back(ToExtended(root));
    const std::string problem = ProblemWith(sheet, equation, real, true);
    if (problem.empty()) continue;
    ++failures;
    ADD_FAILURE() << "polynomial " << i << ": " << problem << "\n" << ::testing::PrintToString(sheet.lines());
  }
  return repeated;
}

using GeneratedEquations = EquationTest;

// Each run must meet enough repeated roots to mean something.
TEST_F(GeneratedEquations, QuadraticsPrintTheirChosenRoots) { EXPECT_GT(SolveMany(kQuadratic, 500, 1101), 100); }
TEST_F(GeneratedEquations, ReducedCubicsPrintTheirChosenRoots) { EXPECT_GT(SolveMany(kReduced, 300, 1102), 60); }
TEST_F(GeneratedEquations, CubicsPrintTheirChosenRoots) { EXPECT_GT(SolveMany(kCubic, 600, 1103), 150); }
TEST_F(GeneratedEquations, QuarticsPrintTheirChosenRoots) { EXPECT_GT(SolveMany(kQuartic, 700, 1104), 200); }

// The same roots scaled by Pi: no exact arithmetic, only the noise-scaled decisions.
TEST_F(GeneratedEquations, DecimalQuadraticsPrintTheirChosenRoots) {
  EXPECT_GT(SolveMany(kQuadratic, 250, 2101, PiScaledText), 50);
}
TEST_F(GeneratedEquations, DecimalCubicsPrintTheirChosenRoots) {
  EXPECT_GT(SolveMany(kCubic, 250, 2103, PiScaledText), 60);
}
TEST_F(GeneratedEquations, DecimalQuarticsPrintTheirChosenRoots) {
  EXPECT_GT(SolveMany(kQuartic, 250, 2104, PiScaledText), 70);
}

}  // namespace
}  // namespace lumatik

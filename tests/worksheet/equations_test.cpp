// The equation commands, checked by putting every solution they print back
// into the polynomial, by comparing with roots known from the factors the
// cases are built from, and on generated polynomials with chosen roots.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <new>
#include <random>
#include <regex>
#include <sstream>

#include "exact/rational.h"
#include "expr/lumath.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/equation_support.h"
#include "worksheet/equations.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

// Reading the worked solutions back: the solutions they print, and
// rounding noise that must never be printed.
enum class EquationKind { Quadratic, ReducedCubic, Cubic, Quartic };

std::vector<std::string> Words(const std::string& line) {
  std::istringstream in(line);
  return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

bool StartsWith(const std::string& line, const std::string& start) { return line.rfind(start, 0) == 0; }

// A number as the worksheet writes it: "5", "-2/3", "1'1/2", "-0,25"; any
// other text (a root form) through the engine.
long double PrintedNumber(const std::string& text) {
  const auto value = ReadRationalLiteral(text);
  return value ? ToExtended(*value) : EvalTerm(text);
}

// The value after "name=" in a word such as "x1=1'1/2".
long double ValueOfWord(const std::string& word) { return PrintedNumber(word.substr(word.find('=') + 1)); }

// Every solution the worksheet names for the variable of the equation: the
// "Lösung:" lines of the quadratic steps, their "Eine Lösung:" line, the
// "x=u+v=" lines of the reduced cubic and the "z=" line of the cubic.
std::vector<long double> PrintedSolutions(const std::vector<std::string>& lines, EquationKind kind) {
  const std::string var = kind == EquationKind::Cubic ? "z" : "x";
  const std::string solution = Cp1252("Lösung:");
  const std::string oneSolution = Cp1252("Eine Lösung: ") + var + "=";
  std::vector<long double> solutions;
  for (const std::string& line : lines) {
    if (StartsWith(line, solution)) {
      for (const std::string& word : Words(line.substr(solution.size()))) solutions.push_back(ValueOfWord(word));
    } else if (StartsWith(line, oneSolution)) {
      solutions.push_back(ValueOfWord(Words(line)[2]));
    } else if (kind == EquationKind::ReducedCubic && StartsWith(line, "x=u+v=")) {
      solutions.push_back(PrintedNumber(Words(line)[0].substr(6)));
    } else if (kind == EquationKind::Cubic && StartsWith(line, std::string(13, ' ') + "z=")) {
      solutions.push_back(ValueOfWord(Words(line)[0]));
    }
  }
  return solutions;
}

// What gives rounding noise away in a line, or "" for a clean line: an
// "E-" exponent, a run of seven 0s or 9s among decimals, or a sign right
// after "+", "-" or "/".
std::string NoiseIn(const std::string& line) {
  // Digit groups of the long formats ("0,000 000 005") are read as one number.
  const std::string joined = std::regex_replace(line, std::regex("([0-9]) (?=[0-9])"), "$1");
  static const std::regex exponent("[0-9]E-");
  static const std::regex run("[0-9][,.][0-9]*(0000000[1-9]|9999999)");
  static const std::regex sign("[+/]-|[0-9a-z)]--");
  if (std::regex_search(joined, exponent)) return "a tiny number in E notation";
  if (std::regex_search(joined, run)) return "a decimal with a run of 0s or 9s";
  if (std::regex_search(joined, sign)) return "a sign after an operator";
  return "";
}

using Command = void (*)(Worksheet&);

EquationKind KindOf(Command command) {
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
    if (word.size() > 2 && word[1] == '=') coefficients.push_back(PrintedNumber(word.substr(2)));
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
    const std::vector<long double> solutions = PrintedSolutions(sheet.lines(), KindOf(c.command));
    const auto near = [](long double x) { return [x](long double y) { return std::fabs(x - y) < 1e-6L; }; };
    for (const long double x : solutions) {
      EXPECT_LE(std::fabs(ValueAt(p, x)), 1e-12L * ScaleAt(p, x)) << "printed solution " << static_cast<double>(x);
      EXPECT_TRUE(std::any_of(c.roots.begin(), c.roots.end(), near(x))) << "unexpected " << static_cast<double>(x);
    }
    for (const long double root : c.roots) {
      EXPECT_TRUE(std::any_of(solutions.begin(), solutions.end(), near(root))) << "missing " << static_cast<double>(root);
    }
    for (const std::string& line : sheet.lines()) EXPECT_EQ(NoiseIn(line), "") << Cp1252ToUtf8(line);
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
    const std::vector<long double> x = PrintedSolutions(sheet.lines(), EquationKind::Quadratic);
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

// Polynomials built from chosen roots (integers and fractions, double,
// triple and fourfold roots, complex pairs, leading coefficients other than
// 1), their coefficients multiplied out exactly and written into the
// worksheet as a user types them. The commands' printed solutions must be
// the chosen real roots, every one of them, and nothing else, with no
// rounding noise anywhere in the worked text.

using Rational = mpq_class;
using Coefficients = std::vector<Rational>;  // highest power first

Rational Q(long num, long den = 1) {
  Rational q(num, den);
  q.canonicalize();
  return q;
}

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
  int num = 0;
  do {
    num = dice.between(-15, 15);
  } while (num % den == 0);
  return Q(num, den);
}

ComplexPair RandomPair(Dice& dice) {
  const int imNum = dice.between(1, 6);
  return {RandomRoot(dice), Q(imNum, dice.chance(70) ? 1 : dice.between(2, 4))};
}

Rational RandomLead(Dice& dice) {
  static const Rational leads[] = {2, 3, -1, -2, 4, -3, 5, 6, 12, Q(1, 2), Q(-1, 3), Q(3, 4), Q(-5, 2), Q(7, 3), Q(2, 5)};
  return leads[dice.between(0, static_cast<int>(std::size(leads)) - 1)];
}

// Roots for a polynomial of the given degree: repeated roots and complex
// pairs are frequent, as they are the hard cases.
ChosenRoots RandomRoots(Dice& dice, int degree) {
  ChosenRoots roots;
  roots.lead = RandomLead(dice);
  int left = degree;
  while (left > 0) {
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
    int multiplicity = 1;
    if (dice.chance(45)) multiplicity = 2;
    if (dice.chance(20)) multiplicity = 3;
    if (dice.chance(8)) multiplicity = 4;
    multiplicity = std::min(multiplicity, left);
    const Rational root = RandomRoot(dice);
    for (int i = 0; i < multiplicity; ++i) roots.real.push_back(root);
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

// A coefficient as a user types it: "12", "-7/12", or now and then a
// decimal such as "0,25" or "-1.5" when the fraction has one.
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

// The coefficient times Pi with 18 significant digits, a decimal that no
// fraction search takes for a fraction: the commands then decide in floating
// point, against the noise of their terms.
std::string ScaledDecimalText(const Rational& r, Dice&) {
  const long double v = ToExtended(r) * 3.14159265358979323846264338327950288L;
  if (v == 0) return "0";
  const int decimals = std::max(0, 17 - static_cast<int>(std::floor(std::log10(std::fabs(v)))));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, v);
  std::string text = buffer;
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

using Typist = std::string (*)(const Rational&, Dice&);

struct CommandUnderTest {
  EquationKind kind;
  const char* caption;     // the menu item
  const char* firstWords;  // the first line's words before the coefficients
  const char* names;       // the coefficients' names
};

const CommandUnderTest kQuadratic{EquationKind::Quadratic, "quadratische Gleichung", "quadratische Gleichung", "abc"};
const CommandUnderTest kReduced{EquationKind::ReducedCubic, "red. kubische Gleichung", "reduzierte kubische Gleichung",
                                "pq"};
const CommandUnderTest kCubic{EquationKind::Cubic, "kubische Gleichung", "kubische Gleichung", "abcd"};
const CommandUnderTest kQuartic{EquationKind::Quartic, "Gleichung 4. Grades", "Gleichung vierten Grades", "abcde"};

// What is wrong with the worked solution, or "" when it is right.
std::string ProblemWith(const Worksheet& sheet, const ChosenRoots& roots, EquationKind kind) {
  if (!sheet.notices().empty()) return "a hint: " + sheet.notices().front().text;
  const std::vector<long double> printed = PrintedSolutions(sheet.lines(), kind);
  const auto near = [](long double x, const Rational& root) { return std::fabs(x - ToExtended(root)) <= 1e-9L; };
  for (const Rational& root : roots.real) {
    if (std::none_of(printed.begin(), printed.end(), [&](long double x) { return near(x, root); })) {
      return "the root " + root.get_str() + " is missing";
    }
  }
  for (const long double x : printed) {
    if (std::none_of(roots.real.begin(), roots.real.end(), [&](const Rational& root) { return near(x, root); })) {
      return "a solution " + std::to_string(static_cast<double>(x)) + " that is no root";
    }
  }
  for (std::size_t i = 1; i < sheet.lines().size(); ++i) {  // line 0: the coefficients as typed
    const std::string& line = sheet.lines()[i];
    const std::string noise = NoiseIn(line);
    if (!noise.empty()) return noise + " in: " + Cp1252ToUtf8(line);
    // The solutions are exact, so every check comes out exactly 0.
    if (line.find("Probe") != std::string::npos && line.substr(line.rfind('=')) != "=0") {
      return "a check that is not 0: " + Cp1252ToUtf8(line);
    }
  }
  return "";
}

bool HasRepeatedRoot(const ChosenRoots& roots) {
  std::vector<Rational> real = roots.real;
  std::sort(real.begin(), real.end());
  return std::adjacent_find(real.begin(), real.end()) != real.end() ||
         (roots.pairs.size() == 2 && roots.pairs[0] == roots.pairs[1]);
}

class GeneratedEquations : public testing::EngineTest {
 protected:
  // Solves `count` polynomials; returns how many had a repeated root.
  template <typename Choose>
  int SolveMany(const CommandUnderTest& command, int count, unsigned seed, Choose choose, Typist type = TypedText) {
    const WorksheetCommandLookup lookup = FindWorksheetCommand(2, Cp1252(command.caption));
    EXPECT_TRUE(lookup.found && lookup.run) << command.caption;
    if (!lookup.run) return 0;
    Dice dice(seed);
    int repeated = 0;
    int failures = 0;
    // The reduced cubic names only p and q of x^3+0x^2+px+q.
    const std::size_t skip = command.kind == EquationKind::ReducedCubic ? 2 : 0;
    for (int i = 0; i < count && failures < 5; ++i) {  // five failures show the pattern
      const ChosenRoots roots = choose(dice);
      repeated += HasRepeatedRoot(roots);
      const Coefficients p = Expand(roots);
      std::string first = command.firstWords;
      for (std::size_t k = skip; k < p.size(); ++k) first += std::string(" ") + command.names[k - skip] + "=" + type(p[k], dice);
      const Worksheet sheet = RunWorksheetCommand(lookup.run, {first}, 2);
      const std::string problem = ProblemWith(sheet, roots, command.kind);
      if (problem.empty()) continue;
      ++failures;
      ADD_FAILURE() << "polynomial " << i << ": " << problem << "\n" << Text(sheet);
    }
    return repeated;
  }
};

ChosenRoots Quadratic(Dice& dice) { return RandomRoots(dice, 2); }
ChosenRoots Cubic(Dice& dice) { return RandomRoots(dice, 3); }
ChosenRoots Quartic(Dice& dice) { return RandomRoots(dice, 4); }

// Each run must meet enough repeated roots to mean something.
TEST_F(GeneratedEquations, QuadraticsPrintTheirChosenRoots) { EXPECT_GT(SolveMany(kQuadratic, 500, 1101, Quadratic), 100); }
TEST_F(GeneratedEquations, ReducedCubicsPrintTheirChosenRoots) {
  EXPECT_GT(SolveMany(kReduced, 300, 1102, RandomReducedRoots), 60);
}
TEST_F(GeneratedEquations, CubicsPrintTheirChosenRoots) { EXPECT_GT(SolveMany(kCubic, 600, 1103, Cubic), 150); }
TEST_F(GeneratedEquations, QuarticsPrintTheirChosenRoots) { EXPECT_GT(SolveMany(kQuartic, 700, 1104, Quartic), 200); }

// The same roots with coefficients typed as long decimals: no exact
// arithmetic, only the noise-scaled decisions.
TEST_F(GeneratedEquations, DecimalQuadraticsPrintTheirChosenRoots) {
  EXPECT_GT(SolveMany(kQuadratic, 250, 2101, Quadratic, ScaledDecimalText), 50);
}
TEST_F(GeneratedEquations, DecimalCubicsPrintTheirChosenRoots) {
  EXPECT_GT(SolveMany(kCubic, 250, 2103, Cubic, ScaledDecimalText), 60);
}
TEST_F(GeneratedEquations, DecimalQuarticsPrintTheirChosenRoots) {
  EXPECT_GT(SolveMany(kQuartic, 250, 2104, Quartic, ScaledDecimalText), 70);
}

}  // namespace
}  // namespace lumatik

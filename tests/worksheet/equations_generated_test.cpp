// Polynomials built from chosen roots (integers and fractions, double,
// triple and fourfold roots, complex pairs, leading coefficients other than
// 1), their coefficients multiplied out exactly and written into the
// worksheet as a user types them. The commands' printed solutions must be
// the chosen real roots, every one of them, and nothing else, with no
// rounding noise anywhere in the worked text.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "equation_output.h"
#include "exact/rational.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using testing::EquationKind;
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
  const std::vector<long double> printed = testing::PrintedSolutions(sheet.lines(), kind);
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
    const std::string noise = testing::NoiseIn(line);
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
      std::string text;
      for (const std::string& line : sheet.lines()) text += Cp1252ToUtf8(line) + "\n";
      ADD_FAILURE() << "polynomial " << i << ": " << problem << "\n" << text;
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

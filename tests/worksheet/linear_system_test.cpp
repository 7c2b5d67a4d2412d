// The linear systems against exact rational arithmetic: every system is
// solved by the program, and its printed matrices, solution lines and test
// lines are read back and checked with the reference.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "linear_system_check.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/linear_system.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using testing::Analyse;
using testing::CheckSolvedSystem;
using testing::PrintedOutput;
using testing::RationalRow;
using Lines = std::vector<std::string>;

class LinearSystemTest : public testing::EngineTest {
 protected:
  static Worksheet Solve(Lines lines) {
    Worksheet sheet(std::move(lines), 1);
    SolveLinearSystem(sheet);
    return sheet;
  }
};

// Shapes the random systems below seldom make.
TEST_F(LinearSystemTest, HandwrittenSystemsAgreeWithExactArithmetic) {
  const Lines cases[] = {
      {"n=3 m=3", "1/2 1/3 1/4 | 1", "1/5 1/6 1/7 | 1/8", "2/3 -3/4 5/6 | 7/8"},
      {"n=2 m=2", "0.25 0,5 | 1.5", "1 -1 | 0"},
      {"n=2 m=2", "0 1 |2", "1 0 |3"},  // the pivot needs a column swap
      {"n=3 m=2", "0 0 2 | 4", "1 1 1 | 1"},
      {"n=2 m=3", "1 1 | 3", "1 -1 | 1", "1 2 | 5"},
      {"n=2 m=1", "0 0 | 0"},
      {"n=2 m=2", "1 1 | 1", "0 0 | 1"},
      {"n=4 m=2", "1 2 0 -1 | 1/2", "0 0 1 3 | -2/3"},
      {"n=1 m=1", "3 | 1"},
      {"n=2 m=2", "1/3 1/7 1", "2 -5/2 0"},  // rows without bar
  };
  for (const Lines& lines : cases) {
    SCOPED_TRACE(lines[1]);
    CheckSolvedSystem(lines);
  }
}

TEST_F(LinearSystemTest, MenuExamplesAgreeWithExactArithmetic) {
  for (const auto example : {LinearSystemExample::TwoByTwo, LinearSystemExample::ThreeByThree,
                             LinearSystemExample::FiveByFour, LinearSystemExample::EightByEight,
                             LinearSystemExample::ElevenByFour}) {
    Worksheet sheet;
    WriteLinearSystemExample(sheet, example);
    SCOPED_TRACE(sheet.line(1));
    CheckSolvedSystem(sheet.lines());
  }
}

// Random systems of every shape, with dependent rows made on purpose.
TEST_F(LinearSystemTest, RandomSystemsAgreeWithExactArithmetic) {
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> entry(-6, 6);
  std::uniform_int_distribution<int> denominator(1, 4);
  // mpq_class as the result type: the bare quotient would be an expression
  // that refers to the temporary numerator after the lambda returns.
  const auto fraction = [&]() -> mpq_class { return mpq_class(entry(random)) / denominator(random); };
  for (int round = 0; round < 400 && !HasFailure(); ++round) {
    const int n = 1 + static_cast<int>(random() % 5);
    const int m = 1 + static_cast<int>(random() % 6);
    std::vector<RationalRow> rows;
    Lines lines{"n=" + std::to_string(n) + " m=" + std::to_string(m)};
    for (int r = 0; r < m; ++r) {
      RationalRow row;
      if (r >= 2 && random() % 3 == 0) {
        // A combination of the first two rows; sometimes with a wrong right side.
        const mpq_class a = entry(random);
        const mpq_class b = fraction();
        for (int j = 0; j <= n; ++j) row.push_back(a * rows[0][j] + b * rows[1][j]);
        if (random() % 2 == 0) row[n] += 1;
      } else {
        for (int j = 0; j <= n; ++j) row.push_back(fraction());
      }
      rows.push_back(row);
      std::string line;
      for (int j = 0; j <= n; ++j) line += (j == n ? " | " : (j > 0 ? " " : "")) + row[j].get_str();
      lines.push_back(line);
    }
    SCOPED_TRACE("round " + std::to_string(round) + ": " + ::testing::PrintToString(lines));
    CheckSolvedSystem(lines, rows);
  }
}

TEST_F(LinearSystemTest, FreeUnknownAppearsAsTermInBothHalves) {
  const PrintedOutput out = Analyse(Solve({"n=2 m=1", "3 1 | 1"}).lines(), 1);
  ASSERT_EQ(out.solutionLines.size(), 2u);
  EXPECT_EQ(out.solutionLines[1], "x2 beliebig");
  EXPECT_EQ(out.solutionLines[0], "x1=1/3        -1/3*x2            =0,333 333 333 333 333 333 -1/3*x2");
}

TEST_F(LinearSystemTest, LimitIsTwentyFiveUnknowns) {
  const Worksheet refused = Solve({"n=26 m=1", "1"});
  ASSERT_EQ(refused.notices().size(), 1u);
  EXPECT_EQ(refused.notices()[0].text,
            Cp1252("Abbruch:Bitte Zahl der Unbekannten oder Zahl der Gleichungen höchstens 25"));
  EXPECT_EQ(refused.lines(), (Lines{"n=26 m=1", "1"}));
  // 25 unknowns in 25 equations: x_k = k with a coupling to the next unknown.
  Lines lines{"n=25 m=25"};
  for (int r = 1; r <= 25; ++r) {
    std::string line;
    for (int j = 1; j <= 25; ++j) line += (j == r ? "2 " : (j == r + 1 ? "1 " : "0 "));
    lines.push_back(line + "| " + std::to_string(2 * r + (r < 25 ? r + 1 : 0)));
  }
  CheckSolvedSystem(lines);
}

TEST_F(LinearSystemTest, InputProblemsShowTheirHint) {
  const std::string size = "Abbruch:Bitte Zahl der Unbekannten oder Zahl der Gleichungen höchstens 25";
  const std::string first = "In Zeile 1 muss \"n=..\" (Anzahl der Gleichungen) stehen";
  const std::string count = "Falls Anzahl m der Gleichungen verschieden von Anzahl n der Unbekannten, muss\r\n"
                            "in Zeile 1 stehen z.B. n=5 m=4";
  const struct {
    Lines lines;
    std::string hint;  // UTF-8
    bool computes;     // the run goes on after the hint
  } cases[] = {
      {{"2 3 | 4"}, first, false},
      {{"n=0 m=1", "1"}, first, false},
      {{"n=2 m=26", "1 2 3"}, size, false},
      {{"n=2 m=3", "1 2 | 3", "4 5 | 6"}, count, false},
      {{"n=2 m=2", "1 2 | 3", "   "}, count, true},
      {{"n=3 m=2", "1 1 1 | 3", "1 2 | 3"}, "Die fehlenden Zahlen in der 3.Zeile  werden 0 gesetzt!", true},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = Solve(c.lines);
    ASSERT_FALSE(sheet.notices().empty()) << c.lines[0];
    EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Hint);
    EXPECT_EQ(sheet.notices()[0].text, Cp1252(c.hint));
    EXPECT_EQ(sheet.lineCount() > static_cast<int>(c.lines.size()), c.computes) << c.lines[0];
  }
}

TEST_F(LinearSystemTest, ExampleItemsRefuseAWorksheetInUse) {
  Worksheet sheet({"n=2", "1 2 | 3"}, 1);
  WriteLinearSystemExample(sheet, LinearSystemExample::ThreeByThree);
  ASSERT_EQ(sheet.notices().size(), 1u);
  EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Message);
  EXPECT_EQ(sheet.notices()[0].text, Cp1252("Zuerst \"Alles löschen\"!"));
  EXPECT_EQ(sheet.lines(), (Lines{"n=2", "1 2 | 3"}));
}

// Large denominators make the integral rows grow far beyond 10^7; the
// solution stays exact.
TEST_F(LinearSystemTest, LargeDenominatorsGiveExactFractions) {
  const Lines input{"n=3 m=3", "1/999983 2/999979 -3/999961 | -303988802099078/20998383038618707617",
                    "-7/65537 11/65521 1/3 | 21466251752/12882149331",
                    "41152/263 -1/1000003 22/7 | 241674725548/789002367"};
  CheckSolvedSystem(input);
  EXPECT_EQ(Analyse(Solve(input).lines(), 3).solutionLines,
            (Lines{"x1=13/7" + std::string(26, ' ') + "=1,857 142 857 142 857 143",
                   "x2=-2/3" + std::string(26, ' ') + "=-0,666 666 666 666 666 667", "x3=5"}));
}

// sqrt(3) and Pi/2 are terms, not the numbers 3 and 2 that follow a letter.
TEST_F(LinearSystemTest, CoefficientsBeginningWithALetterAreComputed) {
  const Worksheet sheet = Solve({"n=2 m=2", "wur(3) 1 | 2", "Pi/2 1 | 1"});
  EXPECT_TRUE(sheet.notices().empty());
  const PrintedOutput out = Analyse(sheet.lines(), 2);
  ASSERT_EQ(out.solutionLines.size(), 2u);
  ASSERT_EQ(out.probeLines.size(), 1u);
  EXPECT_EQ(out.probeLines[0].rfind("o.K.  ", 0), 0u) << out.probeLines[0];
  const long double x1 = 1 / (std::sqrt(3.0L) - 0x1.921fb54442d18469p+0L);
  const long double expected[2] = {x1, 2 - std::sqrt(3.0L) * x1};
  for (int q = 0; q < 2; ++q) {
    std::string digits = out.solutionLines[q].substr(3);
    digits.erase(std::remove(digits.begin(), digits.end(), ' '), digits.end());
    std::replace(digits.begin(), digits.end(), ',', '.');
    EXPECT_NEAR(static_cast<double>(std::strtold(digits.c_str(), nullptr)), static_cast<double>(expected[q]), 1e-15)
        << out.solutionLines[q];
  }
}

TEST_F(LinearSystemTest, UncomputableCoefficientStopsWithAHintAndLeavesTheWorksheet) {
  const std::pair<const char*, const char*> cases[] = {
      {"wurzel(3) 1 | 2", "wurzel(3)"}, {"1 Pi/0 | 2", "Pi/0"}, {"1 1 | eins", "eins"}, {"x1 1 | 2", "x1"}};
  for (const auto& [row, item] : cases) {
    const Lines input{"n=2 m=2", "1 2 | 3", row};
    const Worksheet sheet = Solve(input);
    ASSERT_EQ(sheet.notices().size(), 1u);
    const std::string start = "Abbruch:In Zeile 3 kann \"" + std::string(item) + "\" nicht berechnet werden";
    EXPECT_EQ(sheet.notices()[0].text.rfind(start, 0), 0u) << sheet.notices()[0].text;
    EXPECT_EQ(sheet.lines(), input);
  }
}

// Irrational coefficients are eliminated in extended arithmetic, where an
// entry is zero when it is below the rounding of the numbers it came from,
// however large the rows have grown. A row of fractions among them is made
// integral with a positive diagonal entry.
TEST_F(LinearSystemTest, IrrationalSystemsAreJudgedRelativeToTheSizeOfTheirRows) {
  const std::string big = "10^12*wur(2)+3*Pi 10^12*wur(3)+3 10^12*wur(5)+6 | 10^12+";
  const struct {
    Lines lines;
    const char* expected;  // UTF-8, the start of a line that must be printed
  } cases[] = {
      {{"n=2 m=2", "wur(2) wur(3) | 1", "2*wur(2) 2*wur(3) | 2"}, "x2 beliebig"},
      {{"n=2 m=2", "wur(2) wur(3) | 1", "2*wur(2) 2*wur(3) | 3"}, "Keine Lösung"},
      {{"n=3 m=3", "wur(2) wur(3) wur(5) | 1", "Pi 1 2 | 3", big + "9"}, "x3 beliebig"},
      {{"n=3 m=3", "wur(2) wur(3) wur(5) | 1", "Pi 1 2 | 3", big + "1009"}, "Keine Lösung"},
      {{"n=2 m=2", "10^12*wur(2) 3 | 1", "7 10^12*wur(5) | 2"}, "o.K.  Probe mit Lösung ("},
      {{"n=2 m=2", "wur(2) 1 | 1", "1 -3 | 1"}, "-1      3       | -1 "},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = Solve(c.lines);
    EXPECT_TRUE(sheet.notices().empty());
    const Lines& lines = sheet.lines();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                            [&](const std::string& line) { return line.rfind(Cp1252(c.expected), 0) == 0; }))
        << c.expected << "\n" << ::testing::PrintToString(lines);
    for (const std::string& line : lines) EXPECT_NE(line.rfind("!!!", 0), 0u) << line;
  }
}

TEST(SmallNumberText, WritesMantissaAndPower) {
  const std::pair<long double, const char*> cases[] = {
      {2.5e-15L, "2,500*10^(-15)"}, {0, "0"}, {5e-18L, "0"}, {7e-16L, "7,000*10^(-16)"}, {3.25e-13L, "3,250*10^(-13)"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(SmallNumberText(value), text) << static_cast<double>(value);
  // Infinity must not keep the scaling loop running.
  EXPECT_FALSE(SmallNumberText(std::numeric_limits<long double>::infinity()).empty());
}

// Linear systems of two to eight unknowns built with a known structure -
// uniquely solvable, a row that is a combination of others, a combination
// row with a wrong right side - typed the way users type numbers: fractions,
// mixed numbers, decimals with point or comma, zeros, signs, large and tiny
// fractions. Their printed solutions are checked with exact elimination.

enum class Kind { Unique, Dependent, Contradicting };

// Makes coefficients and writes them as a user would.
class Typist {
 public:
  explicit Typist(std::uint32_t seed) : random_(seed) {}
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random_);
  }
  bool OneIn(int n) { return Between(1, n) == 1; }
  std::int64_t Sign() { return OneIn(2) ? -1 : 1; }
  static mpq_class Q(long num, long den) {
    mpq_class q(num, den);
    q.canonicalize();
    return q;
  }

  mpq_class Coefficient() {
    const int kind = static_cast<int>(Between(0, 9));
    if (kind < 2) return 0;
    if (kind < 4) return Sign() * Between(1, 12);
    if (kind < 7) return Q(Sign() * Between(1, 40), Between(2, 30));
    if (kind == 7) return Q(Sign() * Between(1, 999999999), Between(2, 999999));  // large
    if (kind == 8) return Q(Sign() * Between(1, 9), Between(1000000, 999999999));  // tiny
    return Q(Sign() * Between(1, 9999), OneIn(2) ? 100 : 8);                     // decimals
  }
  mpq_class NonZero() {
    mpq_class value = Coefficient();
    while (sgn(value) == 0) value = Coefficient();
    return value;
  }

  // "-3/7", "0,25", "1.5", "-2'1/3", "12".
  std::string Text(const mpq_class& q) {
    if (q.get_den() == 1) return q.get_num().get_str();
    const std::string sign = sgn(q) < 0 ? "-" : "";
    const mpz_class num = abs(q.get_num());
    const mpz_class& den = q.get_den();
    const mpz_class trillion(1000000000000L);
    if (mpz_class(trillion % den) == 0 && OneIn(2)) {
      // den divides 10^12: a decimal with point or comma.
      const mpz_class digits = num * (trillion / den);
      std::string text = digits.get_str();
      if (text.size() < 13) text.insert(0, 13 - text.size(), '0');
      text.insert(text.size() - 12, OneIn(2) ? "," : ".");
      while (text.back() == '0') text.pop_back();
      return sign + text;
    }
    if (num > den && OneIn(3)) {
      const mpz_class whole = num / den;
      return sign + whole.get_str() + "'" + mpz_class(num % den).get_str() + "/" + den.get_str();
    }
    return sign + num.get_str() + "/" + den.get_str();
  }

  std::mt19937& random() { return random_; }
 private:
  std::mt19937 random_;
};

RationalRow RandomRow(Typist& typist, int n) {
  RationalRow row;
  for (int j = 0; j <= n; ++j) row.push_back(typist.Coefficient());
  return row;
}

// a * first + b * second, right side included.
RationalRow Combination(Typist& typist, const RationalRow& first, const RationalRow& second) {
  const mpq_class a = typist.NonZero();
  const mpq_class b = typist.OneIn(3) ? mpq_class(0) : typist.NonZero();
  RationalRow row;
  for (std::size_t j = 0; j < first.size(); ++j) row.push_back(a * first[j] + b * second[j]);
  return row;
}

std::vector<RationalRow> MakeRows(Typist& typist, Kind kind, int n) {
  std::vector<RationalRow> rows;
  if (kind == Kind::Unique) {
    for (int r = 0; r < n; ++r) rows.push_back(RandomRow(typist, n));
    if (typist.OneIn(4)) rows.push_back(Combination(typist, rows[0], rows[n - 1]));
  } else {
    const int m = static_cast<int>(typist.Between(2, 8));
    const int independent = static_cast<int>(typist.Between(1, std::min(m, n) - 1));
    for (int r = 0; r < independent; ++r) rows.push_back(RandomRow(typist, n));
    while (static_cast<int>(rows.size()) < m) {
      const auto pick = [&] { return rows[typist.Between(0, static_cast<std::int64_t>(rows.size()) - 1)]; };
      rows.push_back(Combination(typist, pick(), pick()));
    }
    if (kind == Kind::Contradicting) rows.back().back() += typist.NonZero();
  }
  std::shuffle(rows.begin(), rows.end(), typist.random());
  return rows;
}

bool HasKind(const std::vector<RationalRow>& rows, int n, Kind kind) {
  const testing::ReferenceSolution reference = testing::SolveReference(rows, n);
  if (kind == Kind::Contradicting) return !reference.consistent;
  return reference.consistent && (reference.rank == n) == (kind == Kind::Unique);
}

// The worksheet as typed: the size line, then the rows with the bar
// written in the ways users write it (or left out).
Lines TypeSystem(Typist& typist, const std::vector<RationalRow>& rows, int n) {
  std::vector<std::string> lines{"n=" + std::to_string(n) + " m=" + std::to_string(rows.size())};
  for (const RationalRow& row : rows) {
    std::string line;
    for (int j = 0; j < n; ++j) line += typist.Text(row[j]) + (typist.OneIn(4) ? "   " : " ");
    const char* bars[] = {"| ", "|", "", "  |  "};
    lines.push_back(line + bars[typist.Between(0, 3)] + typist.Text(row[n]));
  }
  return lines;
}

using GeneratedSystems = LinearSystemTest;

TEST_F(GeneratedSystems, PrintedSolutionsAgreeWithExactElimination) {
  Typist typist(20261211);
  for (int round = 0; round < 1260; ++round) {
    const Kind kind = static_cast<Kind>(round % 3);
    const int n = 2 + (round / 3) % 7;
    std::vector<RationalRow> rows = MakeRows(typist, kind, n);
    while (!HasKind(rows, n, kind)) rows = MakeRows(typist, kind, n);
    const Lines lines = TypeSystem(typist, rows, n);
    SCOPED_TRACE("round " + std::to_string(round) + ": " + ::testing::PrintToString(lines));
    testing::CheckSolvedSystem(lines, rows);
    if (HasFailure()) return;
  }
}

// Square roots as coefficients keep the extended arithmetic. A row that is
// a combination of others is typed as that combination of terms
// ("3*wur(2)-1/2*wur(7)"), so the engine's rounding sits in every entry:
// the elimination must still see the dependence, and the contradiction of
// a wrong right side, at the size of the rows.
TEST_F(GeneratedSystems, IrrationalRowsAreJudgedAtTheirSize) {
  Typist typist(20261214);
  for (int round = 0; round < 300; ++round) {
    const Kind kind = static_cast<Kind>(round % 3);
    const int n = 2 + (round / 3) % 5;
    // Entry j of row r: c * wur(p) with a small fraction c and a prime p.
    const int primes[] = {2, 3, 5, 7, 11, 13, 17, 19};
    std::vector<std::vector<std::string>> terms;
    const int m = kind == Kind::Unique ? n : static_cast<int>(typist.Between(2, n));
    const int independent = kind == Kind::Unique ? n : m - 1;
    for (int r = 0; r < independent; ++r) {
      // Rows of sizes from 1 to 10^9: the rounding of the large ones is far
      // above 1e-12, and what a combination keeps of a small row far above
      // 1e-12 of the large one. The sign comes first.
      const std::string scale = "1" + std::string(3 * typist.Between(0, 3), '0') + "*";
      std::vector<std::string> row;
      for (int j = 0; j <= n; ++j) {
        const mpq_class c = Typist::Q(typist.Between(1, 9), typist.Between(1, 4));
        row.push_back((typist.OneIn(2) ? "-" : "") + scale + typist.Text(c) + "*wur(" +
                      std::to_string(primes[typist.Between(0, 7)]) + ")");
      }
      terms.push_back(row);
    }
    if (kind != Kind::Unique) {
      const std::string a = std::to_string(typist.Between(1, 5));
      const std::string b = std::to_string(typist.Between(-5, -1));
      std::vector<std::string> row;
      for (int j = 0; j <= n; ++j) {
        row.push_back(a + "*(" + terms[0][j] + ")" + (independent > 1 ? b + "*(" + terms[1][j] + ")" : ""));
      }
      if (kind == Kind::Contradicting) row[n] += "+10^9";
      terms.push_back(row);
    }
    std::vector<std::string> lines{"n=" + std::to_string(n) + " m=" + std::to_string(terms.size())};
    for (const auto& row : terms) {
      std::string line;
      for (int j = 0; j <= n; ++j) line += (j == n ? " | " : (j > 0 ? " " : "")) + row[j];
      lines.push_back(line);
    }
    SCOPED_TRACE("round " + std::to_string(round) + ": " + ::testing::PrintToString(lines));
    Worksheet sheet(lines, 1);
    SolveLinearSystem(sheet);
    EXPECT_TRUE(sheet.notices().empty());
    const testing::PrintedOutput out = testing::Analyse(sheet.lines(), static_cast<int>(terms.size()));
    EXPECT_EQ(out.noSolution, kind == Kind::Contradicting);
    // The random independent rows have full rank; the combination adds none.
    const std::size_t unknowns = kind == Kind::Contradicting ? 0 : n;
    ASSERT_EQ(out.solutionLines.size(), unknowns);
    int free = 0;
    for (const std::string& line : out.solutionLines) free += line.find("beliebig") != std::string::npos;
    EXPECT_TRUE(unknowns == 0 || free == n - independent) << free;
    EXPECT_EQ(out.probeLines.empty(), unknowns == 0);
    for (const std::string& probe : out.probeLines) EXPECT_EQ(probe.rfind("o.K.  ", 0), 0u) << probe;
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace lumatik

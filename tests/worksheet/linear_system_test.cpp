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
  const auto fraction = [&] { return mpq_class(entry(random)) / denominator(random); };
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

}  // namespace
}  // namespace lumatik

// The linear systems against exact rational arithmetic: every system is
// solved by the program, and its printed matrices, solution lines and test
// lines are read back and checked with the reference.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>

#include "linear_system_check.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/linear_system.h"
#include "worksheet/worksheet_commands.h"

namespace lumatik {
namespace {

using testing::Analyse;
using testing::PrintedOutput;
using testing::Rational;
using testing::RationalRow;

const std::string kStars21 = "*********************";

class LinearSystemTest : public testing::EngineTest {
 protected:
  Worksheet Solve(std::vector<std::string> lines) {
    Worksheet sheet(std::move(lines), 1);
    SolveLinearSystem(sheet);
    return sheet;
  }

  // Solves the worksheet and checks everything it prints against the
  // reference.
  void CheckAgainstReference(const std::vector<std::string>& input, int n, int m) {
    testing::CheckSolvedSystem(input, testing::TypedRows(input, n, m), n);
  }
};

struct SystemCase {
  const char* name;
  std::vector<std::string> lines;
  int n;
  int m;
};

std::vector<SystemCase> HandwrittenCases() {
  return {
      {"unique_2x2", {"n=2 m=2", "5   -7  |9", "-3   2  |4"}, 2, 2},
      {"unique_3x3", {"n=3", "5 -7 1 | 9", "-3 2 3 | 4", "2 3 4 | 0"}, 3, 3},
      {"fractions", {"n=3 m=3", "1/2 1/3 1/4 | 1", "1/5 1/6 1/7 | 1/8", "2/3 -3/4 5/6 | 7/8"}, 3, 3},
      {"decimals", {"n=2 m=2", "0.25 0,5 | 1.5", "1 -1 | 0"}, 2, 2},
      {"pivot_needs_column_swap", {"n=2 m=2", "0 1 |2", "1 0 |3"}, 2, 2},
      {"later_pivot_column", {"n=3 m=2", "0 0 2 | 4", "1 1 1 | 1"}, 3, 2},
      {"dependent_row_consistent", {"n=3 m=3", "1 2 3 | 6", "2 4 6 | 12", "1 -1 1 | 1"}, 3, 3},
      {"dependent_row_inconsistent", {"n=2 m=2", "1 2 | 3", "2 4 | 7"}, 2, 2},
      {"overdetermined_consistent", {"n=2 m=3", "1 1 | 3", "1 -1 | 1", "2 1 | 5"}, 2, 3},
      {"overdetermined_inconsistent", {"n=2 m=3", "1 1 | 3", "1 -1 | 1", "1 2 | 5"}, 2, 3},
      {"all_zero", {"n=2 m=1", "0 0 | 0"}, 2, 1},
      {"zero_row_nonzero_right_side", {"n=2 m=2", "1 1 | 1", "0 0 | 1"}, 2, 2},
      {"two_free_unknowns", {"n=4 m=2", "1 2 0 -1 | 1/2", "0 0 1 3 | -2/3"}, 4, 2},
      {"one_unknown", {"n=1 m=1", "3 | 1"}, 1, 1},
      {"rows_without_bar", {"n=2 m=2", "1/3 1/7 1", "2 -5/2 0"}, 2, 2},
  };
}

class HandwrittenSystem : public LinearSystemTest, public ::testing::WithParamInterface<SystemCase> {};

TEST_P(HandwrittenSystem, AgreesWithExactArithmetic) {
  CheckAgainstReference(GetParam().lines, GetParam().n, GetParam().m);
}

INSTANTIATE_TEST_SUITE_P(Systems, HandwrittenSystem, ::testing::ValuesIn(HandwrittenCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The menu's examples, read from what the example items write.
struct ExampleCase {
  const char* name;
  LinearSystemExample example;
  int n;
  int m;
};

class ExampleSystem : public LinearSystemTest, public ::testing::WithParamInterface<ExampleCase> {};

TEST_P(ExampleSystem, AgreesWithExactArithmetic) {
  Worksheet sheet;
  WriteLinearSystemExample(sheet, GetParam().example);
  CheckAgainstReference(sheet.lines(), GetParam().n, GetParam().m);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleSystem,
                         ::testing::Values(ExampleCase{"two", LinearSystemExample::TwoByTwo, 2, 2},
                                           ExampleCase{"three", LinearSystemExample::ThreeByThree, 3, 3},
                                           ExampleCase{"five_by_four", LinearSystemExample::FiveByFour, 5, 4},
                                           ExampleCase{"eight", LinearSystemExample::EightByEight, 8, 8},
                                           ExampleCase{"eleven_by_four", LinearSystemExample::ElevenByFour, 11, 4}),
                         [](const auto& info) { return std::string(info.param.name); });

// Random systems of every shape, with dependent rows made on purpose.
TEST_F(LinearSystemTest, RandomSystemsAgreeWithExactArithmetic) {
  std::mt19937 random(20261206);
  std::uniform_int_distribution<int> entry(-6, 6);
  std::uniform_int_distribution<int> denominator(1, 4);
  for (int round = 0; round < 400; ++round) {
    const int n = 1 + static_cast<int>(random() % 5);
    const int m = 1 + static_cast<int>(random() % 6);
    std::vector<RationalRow> rows;
    for (int r = 0; r < m; ++r) {
      RationalRow row;
      if (r >= 2 && random() % 3 == 0) {
        // A combination of the first two rows; sometimes with a wrong right side.
        const Rational a(entry(random), 1);
        const Rational b(entry(random), denominator(random));
        for (int j = 0; j <= n; ++j) row.push_back(a * rows[0][j] + b * rows[1][j]);
        if (random() % 2 == 0) row[n] = row[n] + Rational(1, 1);
      } else {
        for (int j = 0; j <= n; ++j) row.push_back(Rational(entry(random), denominator(random)));
      }
      rows.push_back(row);
    }
    std::vector<std::string> lines{"n=" + std::to_string(n) + " m=" + std::to_string(m)};
    for (const RationalRow& row : rows) {
      std::string line;
      for (int j = 0; j <= n; ++j) line += (j == n ? " | " : (j > 0 ? " " : "")) + row[j].text();
      lines.push_back(line);
    }
    SCOPED_TRACE("round " + std::to_string(round) + ": " + lines[0]);
    CheckAgainstReference(lines, n, m);
    if (HasFatalFailure() || HasFailure()) {
      for (const std::string& line : lines) ADD_FAILURE() << line;
      return;
    }
  }
}

TEST_F(LinearSystemTest, FreeUnknownAppearsAsTermInBothHalves) {
  const Worksheet sheet = Solve({"n=2 m=1", "3 1 | 1"});
  const PrintedOutput out = Analyse(sheet.lines(), 1);
  ASSERT_EQ(out.solutionLines.size(), 2u);
  EXPECT_EQ(out.solutionLines[1], "x2 beliebig");
  const std::string& line = out.solutionLines[0];
  // x1 = 1/3 - 1/3*x2: the exact half and the decimal half both carry it.
  EXPECT_EQ(line.substr(0, 18), "x1=1/3" + std::string(8, ' ') + "-1/3") << line;
  std::size_t count = 0;
  for (std::size_t at = line.find("*x2"); at != std::string::npos; at = line.find("*x2", at + 1)) ++count;
  EXPECT_EQ(count, 2u) << line;
}

TEST_F(LinearSystemTest, LimitIsTwentyFiveUnknowns) {
  Worksheet refused = Solve({"n=26 m=1", "1"});
  ASSERT_EQ(refused.notices().size(), 1u);
  EXPECT_EQ(refused.notices()[0].text,
            Cp1252("Abbruch:Bitte Zahl der Unbekannten oder Zahl der Gleichungen höchstens 25"));
  EXPECT_EQ(refused.lines(), (std::vector<std::string>{"n=26 m=1", "1"}));

  // 25 unknowns in 25 equations: x_k = k with a coupling to the next unknown.
  std::vector<std::string> lines{"n=25 m=25"};
  for (int r = 1; r <= 25; ++r) {
    std::string line;
    for (int j = 1; j <= 25; ++j) line += (j == r ? "2" : (j == r + 1 ? "1" : "0")) + std::string(" ");
    const int right = 2 * r + (r < 25 ? r + 1 : 0);
    lines.push_back(line + "| " + std::to_string(right));
  }
  CheckAgainstReference(lines, 25, 25);
}

struct InputProblem {
  const char* name;
  std::vector<std::string> lines;
  const char* hint;  // UTF-8
  bool computes;     // the run goes on after the hint
};

class LinearSystemInput : public LinearSystemTest, public ::testing::WithParamInterface<InputProblem> {};

TEST_P(LinearSystemInput, ShowsItsHint) {
  const Worksheet sheet = Solve(GetParam().lines);
  ASSERT_FALSE(sheet.notices().empty());
  EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Hint);
  EXPECT_EQ(sheet.notices()[0].text, Cp1252(GetParam().hint));
  const bool computed = sheet.lineCount() > static_cast<int>(GetParam().lines.size());
  EXPECT_EQ(computed, GetParam().computes);
}

INSTANTIATE_TEST_SUITE_P(
    Problems, LinearSystemInput,
    ::testing::Values(
        InputProblem{"no_size_line", {"2 3 | 4"}, "In Zeile 1 muss \"n=..\" (Anzahl der Gleichungen) stehen", false},
        InputProblem{"too_many_equations", {"n=2 m=26", "1 2 3"},
                     "Abbruch:Bitte Zahl der Unbekannten oder Zahl der Gleichungen höchstens 25", false},
        InputProblem{"too_few_lines", {"n=2 m=3", "1 2 | 3", "4 5 | 6"},
                     "Falls Anzahl m der Gleichungen verschieden von Anzahl n der Unbekannten, muss\r\n"
                     "in Zeile 1 stehen z.B. n=5 m=4",
                     false},
        InputProblem{"missing_number", {"n=3 m=2", "1 1 1 | 3", "1 2 | 3"},
                     "Die fehlenden Zahlen in der 3.Zeile  werden 0 gesetzt!", true},
        InputProblem{"blank_row", {"n=2 m=2", "1 2 | 3", "   "},
                     "Falls Anzahl m der Gleichungen verschieden von Anzahl n der Unbekannten, muss\r\n"
                     "in Zeile 1 stehen z.B. n=5 m=4",
                     true},
        InputProblem{"no_unknowns", {"n=0 m=1", "1"}, "In Zeile 1 muss \"n=..\" (Anzahl der Gleichungen) stehen",
                     false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinearSystemTest, ExampleItemsRefuseAWorksheetInUse) {
  Worksheet sheet({"n=2", "1 2 | 3"}, 1);
  WriteLinearSystemExample(sheet, LinearSystemExample::ThreeByThree);
  ASSERT_EQ(sheet.notices().size(), 1u);
  EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Message);
  EXPECT_EQ(sheet.notices()[0].text, Cp1252("Zuerst \"Alles löschen\"!"));
  EXPECT_EQ(sheet.lines(), (std::vector<std::string>{"n=2", "1 2 | 3"}));
}

// Large denominators make the integral rows grow far beyond 10^7; the
// solution stays exact.
TEST_F(LinearSystemTest, LargeDenominatorsGiveExactFractions) {
  const std::vector<std::string> input{"n=3 m=3", "1/999983 2/999979 -3/999961 | -303988802099078/20998383038618707617",
                                       "-7/65537 11/65521 1/3 | 21466251752/12882149331",
                                       "41152/263 -1/1000003 22/7 | 241674725548/789002367"};
  CheckAgainstReference(input, 3, 3);
  const PrintedOutput out = Analyse(Solve(input).lines(), 3);
  ASSERT_EQ(out.solutionLines.size(), 3u);
  EXPECT_EQ(out.solutionLines[0], "x1=13/7" + std::string(26, ' ') + "=1,857 142 857 142 857 143");
  EXPECT_EQ(out.solutionLines[1], "x2=-2/3" + std::string(26, ' ') + "=-0,666 666 666 666 666 667");
  EXPECT_EQ(out.solutionLines[2], "x3=5");
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

struct RefusedCase {
  const char* name;
  const char* row;
  int line;
  const char* item;
};

class RefusedCoefficient : public LinearSystemTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedCoefficient, StopsWithAHintAndLeavesTheWorksheet) {
  const std::vector<std::string> input{"n=2 m=2", "1 2 | 3", GetParam().row};
  const Worksheet sheet = Solve(input);
  ASSERT_EQ(sheet.notices().size(), 1u);
  const std::string start = "Abbruch:In Zeile " + std::to_string(GetParam().line) + " kann \"" + GetParam().item +
                            "\" nicht berechnet werden";
  EXPECT_EQ(sheet.notices()[0].text.rfind(start, 0), 0u) << sheet.notices()[0].text;
  EXPECT_EQ(sheet.lines(), input);
}

INSTANTIATE_TEST_SUITE_P(Terms, RefusedCoefficient,
                         ::testing::Values(RefusedCase{"unknown_function", "wurzel(3) 1 | 2", 3, "wurzel(3)"},
                                           RefusedCase{"division_by_zero", "1 Pi/0 | 2", 3, "Pi/0"},
                                           RefusedCase{"word", "1 1 | eins", 3, "eins"},
                                           RefusedCase{"name_with_digit", "x1 1 | 2", 3, "x1"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Irrational coefficients are eliminated in extended arithmetic, where an
// entry is zero when it is below the rounding of the numbers it came from,
// however large the rows have grown.
struct IrrationalCase {
  const char* name;
  std::vector<std::string> lines;
  const char* expected;  // the start of a line that must be printed
};

class IrrationalSystem : public LinearSystemTest, public ::testing::WithParamInterface<IrrationalCase> {};

TEST_P(IrrationalSystem, IsJudgedRelativeToTheSizeOfItsRows) {
  const Worksheet sheet = Solve(GetParam().lines);
  EXPECT_TRUE(sheet.notices().empty());
  const auto& lines = sheet.lines();
  const std::string expected = Cp1252(GetParam().expected);
  EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                          [&](const std::string& line) { return line.rfind(expected, 0) == 0; }))
      << GetParam().expected;
  for (const std::string& line : lines) EXPECT_EQ(line.rfind("!!!", 0), std::string::npos) << line;
}

INSTANTIATE_TEST_SUITE_P(
    Systems, IrrationalSystem,
    ::testing::Values(
        IrrationalCase{"dependent", {"n=2 m=2", "wur(2) wur(3) | 1", "2*wur(2) 2*wur(3) | 2"}, "x2 beliebig"},
        IrrationalCase{"contradicting", {"n=2 m=2", "wur(2) wur(3) | 1", "2*wur(2) 2*wur(3) | 3"}, "Keine Lösung"},
        IrrationalCase{"large_rows_dependent",
                       {"n=3 m=3", "wur(2) wur(3) wur(5) | 1", "Pi 1 2 | 3",
                        "10^12*wur(2)+3*Pi 10^12*wur(3)+3 10^12*wur(5)+6 | 10^12+9"},
                       "x3 beliebig"},
        IrrationalCase{"large_rows_contradicting",
                       {"n=3 m=3", "wur(2) wur(3) wur(5) | 1", "Pi 1 2 | 3",
                        "10^12*wur(2)+3*Pi 10^12*wur(3)+3 10^12*wur(5)+6 | 10^12+1009"},
                       "Keine Lösung"},
        IrrationalCase{"large_unique", {"n=2 m=2", "10^12*wur(2) 3 | 1", "7 10^12*wur(5) | 2"},
                       "o.K.  Probe mit Lösung ("}),
    [](const auto& info) { return std::string(info.param.name); });

struct SmallCase {
  long double value;
  const char* text;
};

TEST(SmallNumberText, WritesMantissaAndPower) {
  for (const SmallCase& c : {SmallCase{2.5e-15L, "2,500*10^(-15)"}, SmallCase{0, "0"}, SmallCase{5e-18L, "0"},
                             SmallCase{7e-16L, "7,000*10^(-16)"}, SmallCase{3.25e-13L, "3,250*10^(-13)"}}) {
    EXPECT_EQ(SmallNumberText(c.value), c.text) << static_cast<double>(c.value);
  }
  // Infinity must not keep the scaling loop running.
  EXPECT_FALSE(SmallNumberText(std::numeric_limits<long double>::infinity()).empty());
}

}  // namespace
}  // namespace lumatik

// The linear systems: all the program prints is read back and checked with
// exact rational arithmetic (GMP) done here.

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <regex>
#include <sstream>

#include "exact/rational.h"
#include "shell/codepage.h"
#include "support/engine_state.h"
#include "worksheet/linear_system.h"
#include "worksheet/worksheet.h"

namespace lumatik {
namespace {

using Lines = std::vector<std::string>;
using RationalRow = std::vector<mpq_class>;

Worksheet Solve(Lines lines) {
  Worksheet sheet(std::move(lines), 1);
  SolveLinearSystem(sheet);
  return sheet;
}

std::vector<std::string> Words(std::string line) {
  for (char& c : line) c = c == '|' ? ' ' : c;  // a wide entry runs into the bar
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

mpq_class Read(const std::string& text, const std::string& where) {
  const auto value = ReadRationalLiteral(text);
  EXPECT_TRUE(value) << "\"" << text << "\" in " << where;
  return value.value_or(0);
}

RationalRow ReadRow(const std::string& line) {
  RationalRow row;
  for (const std::string& word : Words(line)) row.push_back(Read(word, line));
  return row;
}

int RankOf(std::vector<RationalRow> rows) {
  std::size_t rank = 0;
  for (std::size_t c = 0; c < (rows.empty() ? 0 : rows[0].size()) && rank < rows.size(); ++c) {
    std::size_t pivot = rank;
    while (pivot < rows.size() && sgn(rows[pivot][c]) == 0) ++pivot;
    if (pivot == rows.size()) continue;
    std::swap(rows[pivot], rows[rank]);
    for (std::size_t r = rank + 1; r < rows.size(); ++r) {
      const mpq_class f = rows[r][c] / rows[rank][c];
      for (std::size_t j = c; j < rows[r].size(); ++j) rows[r][j] -= f * rows[rank][j];
    }
    ++rank;
  }
  return static_cast<int>(rank);
}

struct Reference {
  int rank = 0;  // of the coefficient matrix
  bool consistent = false;
};

// Rows of n coefficients and the right side.
Reference SolveReference(const std::vector<RationalRow>& rows, int n) {
  std::vector<RationalRow> left;
  for (const RationalRow& row : rows) left.emplace_back(row.begin(), row.begin() + n);
  const int rank = RankOf(left);
  return {rank, RankOf(rows) == rank};
}

struct PrintedOutput {
  std::vector<Lines> matrices;  // printed blocks
  Lines solutionLines;
  Lines probeLines;
  bool noSolution = false;
};

// The output below the m typed rows.
PrintedOutput Analyse(const Lines& lines, int m) {
  PrintedOutput out;
  bool inBlock = false;
  for (std::size_t i = m + 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line == "*********************") {
      out.matrices.emplace_back();
      inBlock = true;
    } else if (line == Cp1252("Keine Lösung")) {
      out.noSolution = true;
    } else if (line.find("Probe") != std::string::npos) {
      out.probeLines.push_back(line);
    } else if (line.rfind("x", 0) == 0) {
      out.solutionLines.push_back(line);
      inBlock = false;
    } else if (inBlock) {
      out.matrices.back().push_back(line);
    }
  }
  std::erase_if(out.matrices, [](const Lines& block) { return block.empty(); });
  return out;
}

// "x1=2689/1800  +3*x5  =1,49 +3*x5" is the value 2689/1800 and the term +3 * x5, its decimal
// half the fraction to its last printed digit; "x5 beliebig" is free.
struct PrintedUnknown {
  bool free = false;
  mpq_class value;
  std::vector<std::pair<int, mpq_class>> terms;  // (unknown, coefficient)
};

PrintedUnknown ParseSolutionLine(const std::string& line) {
  PrintedUnknown unknown;
  if (line.size() > 9 && line.compare(line.size() - 9, 9, " beliebig") == 0) {
    unknown.free = true;
    return unknown;
  }
  const std::string rest = line.substr(line.find('=') + 1);
  const auto halves = rest.find('=');
  const std::string exactHalf = rest.substr(0, halves);
  static const std::regex term(" ([+-])([0-9][0-9 /]*)\\*x([0-9]+)");
  std::size_t valueEnd = exactHalf.size();
  for (auto it = std::sregex_iterator(exactHalf.begin(), exactHalf.end(), term); it != std::sregex_iterator(); ++it) {
    valueEnd = std::min(valueEnd, static_cast<std::size_t>(it->position()));
    const mpq_class c = Read((*it)[2].str(), line);
    unknown.terms.emplace_back(std::stoi((*it)[3].str()), (*it)[1].str() == "-" ? mpq_class(-c) : c);
  }
  unknown.value = Read(exactHalf.substr(0, valueEnd), line);
  std::string decimal = halves == std::string::npos ? "E" : rest.substr(halves + 1);
  std::smatch first;
  if (std::regex_search(decimal, first, term)) decimal = decimal.substr(0, first.position());
  if (decimal.find('E') != std::string::npos) return unknown;
  const auto separator = std::min(decimal.find(','), decimal.size() - 1);
  const long places = std::count_if(decimal.begin() + separator + 1, decimal.end(), [](char c) { return c != ' '; });
  const Extended error = std::fabs(ToExtended(Read(decimal, line) - unknown.value));
  EXPECT_LE(error, std::pow(10.0L, -places) + 1e-18L * std::fabs(ToExtended(unknown.value))) << line;
  return unknown;
}

// Checks the output against `rows` (none: the typed rows): integral matrices in the row space;
// "Keine Lösung" exactly when inconsistent; else n - rank unknowns "beliebig",
// and for each choice of them an exact solution that the "o.K." line shows.
void CheckSolvedSystem(const Lines& input, std::vector<RationalRow> rows = {}) {
  const auto number = [&](const std::string& name, int otherwise) {
    const auto at = input.at(0).find(name);
    return at == std::string::npos ? otherwise : std::stoi(input[0].substr(at + name.size()));
  };
  const int n = number("n=", 0);
  const int m = number("m=", n);
  for (int r = 1; rows.size() < static_cast<std::size_t>(m); ++r) {
    rows.push_back(ReadRow(input.at(r)));
    rows.back().resize(n + 1);
  }
  const Reference reference = SolveReference(rows, n);
  const Worksheet sheet = Solve(input);
  for (const WorksheetNotice& notice : sheet.notices()) ADD_FAILURE() << "hint: " << notice.text;
  const PrintedOutput out = Analyse(sheet.lines(), m);
  ASSERT_FALSE(out.matrices.empty());
  for (const Lines& block : out.matrices) {
    std::vector<RationalRow> together = rows;
    for (const std::string& line : block) {
      together.push_back(ReadRow(line));
      ASSERT_EQ(together.back().size(), static_cast<std::size_t>(n + 1)) << line;
      EXPECT_EQ(line.substr(0, line.find('|')).find('/'), std::string::npos) << line;
    }
    EXPECT_EQ(RankOf(together), RankOf(rows)) << "a printed matrix left the row space";
  }
  if (!reference.consistent) {
    EXPECT_TRUE(out.noSolution && out.solutionLines.empty() && out.probeLines.empty());
    return;
  }
  EXPECT_FALSE(out.noSolution);
  ASSERT_EQ(out.solutionLines.size(), static_cast<std::size_t>(n));
  std::vector<PrintedUnknown> unknowns;
  std::vector<int> freeUnknowns;
  for (int q = 1; q <= n; ++q) {
    const std::string& line = out.solutionLines[q - 1];
    ASSERT_EQ(line.rfind("x" + std::to_string(q) + (line.find("beliebig") == std::string::npos ? "=" : " "), 0), 0u)
        << line;
    unknowns.push_back(ParseSolutionLine(line));
    if (unknowns.back().free) freeUnknowns.push_back(q);
  }
  if (::testing::Test::HasFailure()) return;
  EXPECT_EQ(static_cast<int>(freeUnknowns.size()), n - reference.rank);

  // The free unknowns all 0, then each set to 1 (with rank n the one solution).
  ASSERT_EQ(out.probeLines.size(), 1 + freeUnknowns.size());
  for (std::size_t choice = 0; choice <= freeUnknowns.size(); ++choice) {
    std::vector<mpq_class> x(n);
    if (choice > 0) x[freeUnknowns[choice - 1] - 1] = 1;
    for (int q = 1; q <= n; ++q) {
      if (unknowns[q - 1].free) continue;
      x[q - 1] = unknowns[q - 1].value;
      for (const auto& [k, coefficient] : unknowns[q - 1].terms) {
        EXPECT_TRUE(unknowns.at(k - 1).free) << out.solutionLines[q - 1];
        x[q - 1] += coefficient * x[k - 1];
      }
    }
    for (const RationalRow& row : rows) {
      mpq_class sum;
      for (int j = 0; j < n; ++j) sum += row[j] * x[j];
      EXPECT_EQ(sum, row[n]) << "free choice " << choice;
    }
    const std::string& probe = out.probeLines[choice];
    const std::string start = choice == 0 ? "o.K.  Probe mit L"
                                          : "o.K.  Probe(Variation mit x" + std::to_string(freeUnknowns[choice - 1]) +
                                                ")";
    EXPECT_EQ(probe.rfind(start, 0), 0u) << probe;
    const auto open = probe.find('(', probe.find("mit L"));
    std::istringstream tuple(probe.substr(open + 1, probe.find(')', open) - open - 1));
    std::vector<mpq_class> shown;
    for (std::string item; std::getline(tuple, item, ';');) shown.push_back(Read(item, probe));
    EXPECT_TRUE(shown == x) << probe;
  }
}

class LinearSystemTest : public testing::EngineTest {};

// Shapes the generated systems below do not make: one unknown, one equation,
// zero rows, a zero first column, and denominators that make the integral
// rows grow far beyond 10^7.
TEST_F(LinearSystemTest, HandwrittenSystemsAgreeWithExactArithmetic) {
  const Lines cases[] = {
      {"n=1 m=2", "2 | 4", "-3 | -6"},
      {"n=1 m=2", "2 | 4", "1 | 3"},
      {"n=3 m=1", "1 -2 1/2 | 3"},
      {"n=2 m=3", "1 1 | 3/2", "1 -1 | 1/2", "2 0 | 2"},
      {"n=2 m=1", "0 0 | 0"},
      {"n=2 m=2", "1 1 | 1", "0 0 | 1"},
      {"n=3 m=2", "0 0 2 | 4", "1 1 1 | 1"},
      {"n=3 m=3", "1/999983 2/999979 -3/999961 | -303988802099078/20998383038618707617",
       "-7/65537 11/65521 1/3 | 21466251752/12882149331", "41152/263 -1/1000003 22/7 | 241674725548/789002367"},
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

TEST_F(LinearSystemTest, FreeUnknownAppearsAsTermInBothHalves) {
  const PrintedOutput out = Analyse(Solve({"n=2 m=1", "3 1 | 1"}).lines(), 1);
  EXPECT_EQ(out.solutionLines,
            (Lines{"x1=1/3        -1/3*x2            =0,333 333 333 333 333 333 -1/3*x2", "x2 beliebig"}));
}

// 25 unknowns in 25 equations: x_k = k with a coupling to the next unknown.
TEST_F(LinearSystemTest, LimitIsTwentyFiveUnknowns) {
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
    bool computes;     // the run goes on after the hint; otherwise the worksheet stays
  } cases[] = {
      {{"2 3 | 4"}, first, false},
      {{"n=0 m=1", "1"}, first, false},
      {{"n=26 m=1", "1"}, size, false},
      {{"n=2 m=26", "1 2 3"}, size, false},
      {{"n=2 m=3", "1 2 | 3", "4 5 | 6"}, count, false},
      {{"n=2 m=2", "1 2 | 3", "   "}, count, true},
      {{"n=3 m=2", "1 1 1 | 3", "1 2 | 3"}, "Die fehlenden Zahlen in der 3.Zeile  werden 0 gesetzt!", true},
      {{"n=2 m=2", "1 2 | 3", "1 Pi/0 | 2"},
       "Abbruch:In Zeile 3 kann \"Pi/0\" nicht berechnet werden (Div. durch Null).\rErlaubt sind Zahlen und "
       "Rechenausdrücke ohne Leerstelle, z.B. 1/3, wur(3) oder Pi/2.",
       false},
      {{"n=2 m=2", "1 2 | 3", "a b | c"},
       "Abbruch:In Zeile 3 kann \"a\" nicht berechnet werden (Unbekannter Name a).\rErlaubt sind Zahlen und "
       "Rechenausdrücke ohne Leerstelle, z.B. 1/3, wur(3) oder Pi/2.",
       false},
  };
  for (const auto& c : cases) {
    const Worksheet sheet = Solve(c.lines);
    ASSERT_FALSE(sheet.notices().empty()) << c.lines[0];
    EXPECT_EQ(sheet.notices()[0].kind, WorksheetNotice::Kind::Hint);
    EXPECT_EQ(sheet.notices()[0].text, Cp1252(c.hint));
    EXPECT_EQ(sheet.lineCount() > static_cast<int>(c.lines.size()), c.computes) << c.lines[0];
    if (!c.computes) {
      EXPECT_EQ(sheet.lines(), c.lines);
    }
  }
}

// Irrational rows are eliminated in extended arithmetic, where an entry is zero
// below the rounding of its numbers however large the rows have grown; a
// row of fractions among them is made integral with a positive diagonal entry.
TEST_F(LinearSystemTest, IrrationalSystemsAreJudgedRelativeToTheSizeOfTheirRows) {
  const std::string big = "10^12*wur(2)+3*Pi 10^12*wur(3)+3 10^12*wur(5)+6 | 10^12+";
  const struct {
    Lines lines;
    const char* expected;  // UTF-8, the start of a line that must be printed
  } cases[] = {
      {{"n=3 m=3", "wur(2) wur(3) wur(5) | 1", "Pi 1 2 | 3", big + "9"}, "x3 beliebig"},
      {{"n=3 m=3", "wur(2) wur(3) wur(5) | 1", "Pi 1 2 | 3", big + "1009"}, "Keine Lösung"},
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

// Systems of two to eight unknowns: unique, dependent or contradicting,
// typed as users type fractions, mixed numbers, decimals, large and tiny.

enum class Kind { Unique, Dependent, Contradicting };

// Makes coefficients and writes them as a user would.
class Typist {
 public:
  explicit Typist(std::uint32_t seed) : random(seed) {}
  std::int64_t Between(std::int64_t low, std::int64_t high) {
    return std::uniform_int_distribution<std::int64_t>(low, high)(random);
  }
  bool OneIn(int n) { return Between(1, n) == 1; }
  std::int64_t Sign() { return OneIn(2) ? -1 : 1; }
  static mpq_class Q(long num, long den) { return mpq_class(num) / den; }

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
    if (mpz_class(trillion % den) == 0 && OneIn(2)) {  // a decimal with point or comma
      std::string text = mpz_class(num * (trillion / den)).get_str();
      if (text.size() < 13) text.insert(0, 13 - text.size(), '0');
      text.insert(text.size() - 12, OneIn(2) ? "," : ".");
      while (text.back() == '0') text.pop_back();
      return sign + text;
    }
    if (num > den && OneIn(3)) {
      return sign + mpz_class(num / den).get_str() + "'" + mpz_class(num % den).get_str() + "/" + den.get_str();
    }
    return sign + num.get_str() + "/" + den.get_str();
  }

  std::mt19937 random;
};

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
  const auto addRandomRow = [&] {
    rows.emplace_back();
    for (int j = 0; j <= n; ++j) rows.back().push_back(typist.Coefficient());
  };
  if (kind == Kind::Unique) {
    for (int r = 0; r < n; ++r) addRandomRow();
    if (typist.OneIn(4)) rows.push_back(Combination(typist, rows[0], rows[n - 1]));
  } else {
    const int m = static_cast<int>(typist.Between(2, 8));
    const int independent = static_cast<int>(typist.Between(1, std::min(m, n) - 1));
    for (int r = 0; r < independent; ++r) addRandomRow();
    while (static_cast<int>(rows.size()) < m) {
      const auto pick = [&] { return rows[typist.Between(0, static_cast<std::int64_t>(rows.size()) - 1)]; };
      rows.push_back(Combination(typist, pick(), pick()));
    }
    if (kind == Kind::Contradicting) rows.back().back() += typist.NonZero();
  }
  std::shuffle(rows.begin(), rows.end(), typist.random);
  return rows;
}

bool HasKind(const std::vector<RationalRow>& rows, int n, Kind kind) {
  const Reference reference = SolveReference(rows, n);
  if (kind == Kind::Contradicting) return !reference.consistent;
  return reference.consistent && (reference.rank == n) == (kind == Kind::Unique);
}

using GeneratedSystems = LinearSystemTest;

TEST_F(GeneratedSystems, PrintedSolutionsAgreeWithExactElimination) {
  Typist typist(20261211);
  for (int round = 0; round < 1260; ++round) {
    const Kind kind = static_cast<Kind>(round % 3);
    const int n = 2 + (round / 3) % 7;
    std::vector<RationalRow> rows = MakeRows(typist, kind, n);
    while (!HasKind(rows, n, kind)) rows = MakeRows(typist, kind, n);
    // The bar written in the ways users write it, or left out.
    Lines lines{"n=" + std::to_string(n) + " m=" + std::to_string(rows.size())};
    for (const RationalRow& row : rows) {
      std::string line;
      for (int j = 0; j < n; ++j) line += typist.Text(row[j]) + (typist.OneIn(4) ? "   " : " ");
      const char* bars[] = {"| ", "|", "", "  |  "};
      lines.push_back(line + bars[typist.Between(0, 3)] + typist.Text(row[n]));
    }
    SCOPED_TRACE("round " + std::to_string(round) + ": " + ::testing::PrintToString(lines));
    CheckSolvedSystem(lines, rows);
    if (HasFailure()) return;
  }
}

// Square-root rows and a combination of them typed as "3*(...)-2*(...)": the rounding of the
// engine sits in every entry, and the elimination must still see dependence and contradiction.
TEST_F(GeneratedSystems, IrrationalRowsAreJudgedAtTheirSize) {
  Typist typist(20261214);
  const int primes[] = {2, 3, 5, 7, 11, 13, 17, 19};
  for (int round = 0; round < 300; ++round) {
    const Kind kind = static_cast<Kind>(round % 3);
    const int n = 2 + (round / 3) % 5;
    const int m = kind == Kind::Unique ? n : static_cast<int>(typist.Between(2, n));
    const int independent = kind == Kind::Unique ? n : m - 1;
    // Entries c * wur(p) in rows of sizes 1 to 10^9, whose roundings differ far beyond 1e-12.
    std::vector<std::vector<std::string>> terms(independent);
    for (auto& row : terms) {
      const std::string scale = "1" + std::string(3 * typist.Between(0, 3), '0') + "*";
      for (int j = 0; j <= n; ++j) {
        const mpq_class c = Typist::Q(typist.Between(1, 9), typist.Between(1, 4));
        row.push_back((typist.OneIn(2) ? "-" : "") + scale + typist.Text(c) + "*wur(" +
                      std::to_string(primes[typist.Between(0, 7)]) + ")");
      }
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
    Lines lines{"n=" + std::to_string(n) + " m=" + std::to_string(terms.size())};
    for (const auto& row : terms) {
      std::string line;
      for (int j = 0; j <= n; ++j) line += (j == n ? " | " : (j > 0 ? " " : "")) + row[j];
      lines.push_back(line);
    }
    SCOPED_TRACE("round " + std::to_string(round) + ": " + ::testing::PrintToString(lines));
    const Worksheet sheet = Solve(lines);
    EXPECT_TRUE(sheet.notices().empty());
    const PrintedOutput out = Analyse(sheet.lines(), static_cast<int>(terms.size()));
    EXPECT_EQ(out.noSolution, kind == Kind::Contradicting);
    // The random independent rows have full rank; the combination adds none.
    const std::size_t unknowns = kind == Kind::Contradicting ? 0 : n;
    ASSERT_EQ(out.solutionLines.size(), unknowns);
    const int free = std::count_if(out.solutionLines.begin(), out.solutionLines.end(),
                                   [](const std::string& line) { return line.find("beliebig") != std::string::npos; });
    EXPECT_TRUE(unknowns == 0 || free == n - independent) << free;
    EXPECT_EQ(out.probeLines.empty(), unknowns == 0);
    for (const std::string& probe : out.probeLines) EXPECT_EQ(probe.rfind("o.K.  ", 0), 0u) << probe;
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace lumatik

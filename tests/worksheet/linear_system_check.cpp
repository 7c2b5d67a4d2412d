#include "linear_system_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

#include "exact/rational.h"
#include "shell/codepage.h"
#include "worksheet/linear_system.h"
#include "worksheet/worksheet.h"

namespace lumatik::testing {

namespace {

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

int NumberAfter(const std::string& line, const std::string& name, int otherwise) {
  const auto at = line.find(name);
  return at == std::string::npos ? otherwise : std::stoi(line.substr(at + name.size()));
}

// One solution line read back: "x1=2689/1800  +3*x5  =1,49 +3*x5" is the
// value 2689/1800 and the term +3 * x5; "x5 beliebig" is free. The decimal
// half is the fraction to its last printed digit.
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
  if (halves == std::string::npos) return unknown;
  std::string decimal = rest.substr(halves + 1);
  std::smatch first;
  if (std::regex_search(decimal, first, term)) decimal = decimal.substr(0, first.position());
  if (decimal.find('E') != std::string::npos) return unknown;
  const auto separator = decimal.find(',');
  int places = 0;
  for (std::size_t i = separator + 1; separator != std::string::npos && i < decimal.size(); ++i) places += decimal[i] != ' ';
  const Extended error = std::fabs(ToExtended(Read(decimal, line) - unknown.value));
  EXPECT_LE(error, std::pow(10.0L, -places) + 1e-18L * std::fabs(ToExtended(unknown.value))) << line;
  return unknown;
}

bool Solves(const std::vector<RationalRow>& rows, const std::vector<mpq_class>& x) {
  for (const RationalRow& row : rows) {
    mpq_class sum;
    for (std::size_t j = 0; j + 1 < row.size(); ++j) sum += row[j] * x.at(j);
    if (sum != row.back()) return false;
  }
  return true;
}

// The printed matrices: integral left sides, the typed system's row space.
void CheckMatrices(const PrintedOutput& out, const std::vector<RationalRow>& rows, int n) {
  ASSERT_FALSE(out.matrices.empty());
  for (const auto& block : out.matrices) {
    std::vector<RationalRow> together = rows;
    for (const std::string& line : block) {
      RationalRow row;
      for (const std::string& word : Words(line)) {
        if (row.size() < static_cast<std::size_t>(n)) {
          EXPECT_EQ(word.find('/'), std::string::npos) << line;
        }
        row.push_back(Read(word, line));
      }
      ASSERT_EQ(row.size(), static_cast<std::size_t>(n + 1)) << line;
      together.push_back(row);
    }
    EXPECT_EQ(RankOf(together), RankOf(rows)) << "a printed matrix left the row space";
  }
}

}  // namespace

int RankOf(std::vector<RationalRow> rows) {
  int rank = 0;
  const std::size_t columns = rows.empty() ? 0 : rows.front().size();
  for (std::size_t c = 0; c < columns && rank < static_cast<int>(rows.size()); ++c) {
    std::size_t pivot = rank;
    while (pivot < rows.size() && sgn(rows[pivot][c]) == 0) ++pivot;
    if (pivot == rows.size()) continue;
    std::swap(rows[pivot], rows[rank]);
    for (std::size_t r = 0; r < rows.size(); ++r) {
      if (static_cast<int>(r) == rank || sgn(rows[r][c]) == 0) continue;
      const mpq_class f = rows[r][c] / rows[rank][c];
      for (std::size_t j = c; j < columns; ++j) rows[r][j] -= f * rows[rank][j];
    }
    ++rank;
  }
  return rank;
}

ReferenceSolution SolveReference(const std::vector<RationalRow>& rows, int n) {
  ReferenceSolution solution;
  std::vector<RationalRow> left;
  for (const RationalRow& row : rows) left.emplace_back(row.begin(), row.begin() + n);
  solution.rank = RankOf(left);
  solution.consistent = RankOf(rows) == solution.rank;
  if (!solution.consistent || solution.rank < n) return solution;
  // Full column rank: eliminate on the augmented rows and read the values.
  std::vector<RationalRow> work = rows;
  for (int c = 0; c < n; ++c) {
    std::size_t pivot = c;
    while (sgn(work[pivot][c]) == 0) ++pivot;
    std::swap(work[pivot], work[c]);
    for (std::size_t r = 0; r < work.size(); ++r) {
      if (static_cast<int>(r) == c || sgn(work[r][c]) == 0) continue;
      const mpq_class f = work[r][c] / work[c][c];
      for (int j = c; j <= n; ++j) work[r][j] -= f * work[c][j];
    }
  }
  for (int c = 0; c < n; ++c) solution.unique.push_back(work[c][n] / work[c][c]);
  return solution;
}

PrintedOutput Analyse(const std::vector<std::string>& lines, int m) {
  PrintedOutput out;
  std::vector<std::string> block;
  bool inBlock = false;
  const auto close = [&] {
    if (inBlock && !block.empty()) out.matrices.push_back(block);
    block.clear();
  };
  for (std::size_t i = m + 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line == "*********************") {
      close();
      inBlock = true;
    } else if (line == Cp1252("Keine Lösung")) {
      out.noSolution = true;
    } else if (line.find("Probe") != std::string::npos) {
      out.probeLines.push_back(line);
    } else if (line.rfind("x", 0) == 0) {
      out.solutionLines.push_back(line);
      inBlock = false;
    } else if (inBlock) {
      block.push_back(line);
    }
  }
  close();
  return out;
}

void CheckSolvedSystem(const std::vector<std::string>& input, std::vector<RationalRow> rows) {
  const int n = NumberAfter(input.at(0), "n=", 0);
  const int m = NumberAfter(input.at(0), "m=", n);
  for (int r = 1; rows.size() < static_cast<std::size_t>(m); ++r) {
    RationalRow row;
    for (const std::string& word : Words(input.at(r))) row.push_back(Read(word, "test input"));
    row.resize(n + 1);
    rows.push_back(row);
  }
  const ReferenceSolution reference = SolveReference(rows, n);
  Worksheet sheet(input, 1);
  SolveLinearSystem(sheet);
  for (const WorksheetNotice& notice : sheet.notices()) ADD_FAILURE() << "hint: " << notice.text;
  ASSERT_GT(sheet.lines().size(), static_cast<std::size_t>(m + 1));
  const PrintedOutput out = Analyse(sheet.lines(), m);
  CheckMatrices(out, rows, n);
  if (::testing::Test::HasFatalFailure()) return;
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

  // The printed solution for the free unknowns all 0, then each set to 1:
  // it solves every equation, and the test line shows that very tuple.
  ASSERT_EQ(out.probeLines.size(), 1 + freeUnknowns.size());
  for (std::size_t choice = 0; choice <= freeUnknowns.size(); ++choice) {
    std::vector<mpq_class> x(n);
    if (choice > 0) x[freeUnknowns[choice - 1] - 1] = 1;
    for (int q = 1; q <= n; ++q) {
      const PrintedUnknown& unknown = unknowns[q - 1];
      if (unknown.free) continue;
      x[q - 1] = unknown.value;
      for (const auto& [k, coefficient] : unknown.terms) {
        EXPECT_TRUE(unknowns.at(k - 1).free) << out.solutionLines[q - 1];
        x[q - 1] += coefficient * x[k - 1];
      }
    }
    EXPECT_TRUE(Solves(rows, x)) << "free choice " << choice;
    const std::string& probe = out.probeLines[choice];
    const std::string start = choice == 0 ? "o.K.  Probe mit L"
                                          : "o.K.  Probe(Variation mit x" + std::to_string(freeUnknowns[choice - 1]) + ")";
    EXPECT_EQ(probe.rfind(start, 0), 0u) << probe;
    const auto open = probe.find('(', probe.find("mit L"));
    std::istringstream tuple(probe.substr(open + 1, probe.find(')', open) - open - 1));
    std::vector<mpq_class> shown;
    for (std::string item; std::getline(tuple, item, ';');) shown.push_back(Read(item, probe));
    EXPECT_TRUE(shown == x) << probe;
  }
  for (int q = 1; reference.rank == n && q <= n; ++q) {
    EXPECT_EQ(unknowns[q - 1].value, reference.unique[q - 1]) << out.solutionLines[q - 1];
    EXPECT_TRUE(unknowns[q - 1].terms.empty()) << out.solutionLines[q - 1];
  }
}

}  // namespace lumatik::testing

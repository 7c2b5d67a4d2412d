#include "linear_system_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <sstream>

#include "shell/codepage.h"
#include "worksheet/linear_system.h"
#include "worksheet/worksheet.h"

namespace lumatik::testing {

namespace {

const std::string kStars21 = "*********************";

std::string TrimBlanks(const std::string& text) {
  const auto begin = text.find_first_not_of(' ');
  if (begin == std::string::npos) return "";
  return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// The values of a test line's tuple "(a;b;c)".
std::vector<Rational> ParseTuple(const std::string& line) {
  const auto open = line.find('(', line.find("mit L"));
  const auto close = line.find(')', open);
  std::vector<Rational> values;
  std::string item;
  for (const char c : line.substr(open + 1, close - open - 1) + ";") {
    if (c != ';') {
      item += c;
      continue;
    }
    const auto value = ParseRational(item);
    EXPECT_TRUE(value) << "tuple entry " << item << " in " << line;
    values.push_back(value.value_or(Rational()));
    item.clear();
  }
  return values;
}

bool Solves(const std::vector<RationalRow>& rows, const std::vector<Rational>& x) {
  for (const RationalRow& row : rows) {
    Rational sum;
    for (std::size_t j = 0; j + 1 < row.size(); ++j) sum = sum + row[j] * x.at(j);
    if (!(sum == row.back())) return false;
  }
  return true;
}

// The printed matrices: integral left sides, the typed system's row space.
void CheckMatrices(const PrintedOutput& out, const std::vector<RationalRow>& rows, int n) {
  const int typedRank = RankOf(rows);
  ASSERT_FALSE(out.matrices.empty());
  for (const auto& block : out.matrices) {
    std::vector<RationalRow> together = rows;
    for (const std::string& line : block) {
      // A wide entry runs into the bar.
      std::string spaced;
      for (const char c : line) spaced += c == '|' ? std::string(" | ") : std::string(1, c);
      RationalRow row;
      for (const std::string& word : SplitWords(spaced)) {
        if (word == "|") continue;
        if (row.size() < static_cast<std::size_t>(n)) {
          EXPECT_EQ(word.find('/'), std::string::npos) << "fraction on the left: " << line;
        }
        const auto value = ParseRational(word);
        ASSERT_TRUE(value) << line;
        row.push_back(*value);
      }
      ASSERT_EQ(row.size(), static_cast<std::size_t>(n + 1)) << line;
      together.push_back(row);
    }
    EXPECT_EQ(RankOf(together), typedRank) << "a printed matrix left the row space";
  }
}

}  // namespace

std::vector<std::string> SplitWords(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  std::string word;
  while (in >> word) words.push_back(word);
  return words;
}

std::vector<RationalRow> TypedRows(const std::vector<std::string>& lines, int n, int m) {
  std::vector<RationalRow> rows;
  for (int r = 1; r <= m; ++r) {
    RationalRow row;
    std::string spaced;
    for (const char c : lines.at(r)) spaced += c == '|' ? ' ' : c;
    for (const std::string& item : SplitWords(spaced)) {
      const auto value = ParseRational(item);
      EXPECT_TRUE(value) << "test input " << item;
      row.push_back(value.value_or(Rational()));
    }
    row.resize(n + 1);
    rows.push_back(row);
  }
  return rows;
}

PrintedOutput Analyse(const std::vector<std::string>& lines, int m) {
  PrintedOutput out;
  std::vector<std::string> block;
  bool inBlock = false;
  for (std::size_t i = m + 1; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line == kStars21) {
      if (inBlock && !block.empty()) out.matrices.push_back(block);
      block.clear();
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
  if (inBlock && !block.empty()) out.matrices.push_back(block);
  return out;
}

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
    const auto coefficient = ParseRational((*it)[2].str());
    unknown.readable = unknown.readable && coefficient.has_value();
    const Rational c = coefficient.value_or(Rational());
    unknown.terms.emplace_back(std::stoi((*it)[3].str()), (*it)[1].str() == "-" ? Rational() - c : c);
  }
  const auto value = ParseRational(TrimBlanks(exactHalf.substr(0, valueEnd)));
  unknown.readable = unknown.readable && value.has_value();
  unknown.value = value.value_or(Rational());

  // The decimal beside a fraction: the fraction to its last printed digit.
  if (halves != std::string::npos && unknown.readable) {
    std::string decimal = rest.substr(halves + 1);
    std::smatch first;
    if (std::regex_search(decimal, first, term)) decimal = decimal.substr(0, first.position());
    const auto printed = ParseRational(decimal);
    if (decimal.find('E') == std::string::npos) {
      EXPECT_TRUE(printed) << line;
      const auto separator = decimal.find(',');
      int places = 0;
      for (std::size_t i = separator + 1; separator != std::string::npos && i < decimal.size(); ++i) {
        if (decimal[i] != ' ') ++places;
      }
      if (printed) {
        const Rational error = *printed - unknown.value;
        const long double bound = std::pow(10.0L, -places) + 1e-18L * std::fabs(unknown.value.value());
        EXPECT_LE(std::fabs(error.value()), bound) << line;
      }
    }
  }
  return unknown;
}

void CheckSolvedSystem(const std::vector<std::string>& input, const std::vector<RationalRow>& rows, int n) {
  const int m = static_cast<int>(rows.size());
  const ReferenceSolution reference = SolveReference(rows, n);
  Worksheet sheet(input, 1);
  SolveLinearSystem(sheet);
  for (const WorksheetNotice& notice : sheet.notices()) ADD_FAILURE() << "hint: " << notice.text;
  const std::vector<std::string>& lines = sheet.lines();
  ASSERT_GT(lines.size(), static_cast<std::size_t>(m + 1));
  const PrintedOutput out = Analyse(lines, m);
  CheckMatrices(out, rows, n);
  if (::testing::Test::HasFatalFailure()) return;

  if (!reference.consistent) {
    EXPECT_TRUE(out.noSolution);
    EXPECT_TRUE(out.solutionLines.empty());
    EXPECT_TRUE(out.probeLines.empty());
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
    ASSERT_TRUE(unknowns.back().readable) << line;
    if (unknowns.back().free) freeUnknowns.push_back(q);
  }
  EXPECT_EQ(static_cast<int>(freeUnknowns.size()), n - reference.rank);

  // The printed solution for the free unknowns all 0, then each set to 1:
  // it solves every equation, and the test line shows that very tuple.
  ASSERT_EQ(out.probeLines.size(), 1 + freeUnknowns.size());
  for (std::size_t choice = 0; choice <= freeUnknowns.size(); ++choice) {
    std::vector<Rational> x(n);
    if (choice > 0) x[freeUnknowns[choice - 1] - 1] = Rational(1);
    for (int q = 1; q <= n; ++q) {
      const PrintedUnknown& unknown = unknowns[q - 1];
      if (unknown.free) continue;
      Rational value = unknown.value;
      for (const auto& [k, coefficient] : unknown.terms) {
        EXPECT_TRUE(unknowns.at(k - 1).free) << out.solutionLines[q - 1];
        value = value + coefficient * x[k - 1];
      }
      x[q - 1] = value;
    }
    EXPECT_TRUE(Solves(rows, x)) << "free choice " << choice;
    const std::string& probe = out.probeLines[choice];
    const std::string start = choice == 0 ? "o.K.  Probe mit L" : "o.K.  Probe(Variation mit x" +
                                                                      std::to_string(freeUnknowns[choice - 1]) + ")";
    EXPECT_EQ(probe.rfind(start, 0), 0u) << probe;
    const std::vector<Rational> tuple = ParseTuple(probe);
    EXPECT_TRUE(tuple == x) << probe;
  }

  if (reference.rank == n) {
    for (int q = 1; q <= n; ++q) {
      EXPECT_EQ(unknowns[q - 1].value.text(), reference.unique[q - 1].text()) << out.solutionLines[q - 1];
      EXPECT_TRUE(unknowns[q - 1].terms.empty()) << out.solutionLines[q - 1];
    }
  }
}

}  // namespace lumatik::testing

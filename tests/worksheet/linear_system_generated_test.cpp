// Linear systems of two to eight unknowns built with a known structure -
// uniquely solvable, a row that is a combination of others, a combination
// row with a wrong right side - typed the way users type numbers: fractions,
// mixed numbers, decimals with point or comma, zeros, signs, large and tiny
// fractions. Their printed solutions are checked with exact elimination.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "linear_system_check.h"
#include "worksheet/linear_system.h"
#include "worksheet/worksheet.h"
#include "support/engine_state.h"

namespace lumatik {
namespace {

using testing::RationalRow;

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
std::vector<std::string> TypeSystem(Typist& typist, const std::vector<RationalRow>& rows, int n) {
  std::vector<std::string> lines{"n=" + std::to_string(n) + " m=" + std::to_string(rows.size())};
  for (const RationalRow& row : rows) {
    std::string line;
    for (int j = 0; j < n; ++j) line += typist.Text(row[j]) + (typist.OneIn(4) ? "   " : " ");
    const char* bars[] = {"| ", "|", "", "  |  "};
    lines.push_back(line + bars[typist.Between(0, 3)] + typist.Text(row[n]));
  }
  return lines;
}

class GeneratedSystems : public testing::EngineTest {};

TEST_F(GeneratedSystems, PrintedSolutionsAgreeWithExactElimination) {
  Typist typist(20261211);
  for (int round = 0; round < 1260; ++round) {
    const Kind kind = static_cast<Kind>(round % 3);
    const int n = 2 + (round / 3) % 7;
    std::vector<RationalRow> rows = MakeRows(typist, kind, n);
    while (!HasKind(rows, n, kind)) rows = MakeRows(typist, kind, n);
    const std::vector<std::string> lines = TypeSystem(typist, rows, n);
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

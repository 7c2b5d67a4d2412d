// Gauss-Jordan elimination that keeps the left side of every row integral,
// written once for both kinds of numbers: exact fractions (mpq_class) and
// extended values. Where the two differ - what counts as zero, how a row is
// made integral, how a number is written - small overloads below decide.

#include "worksheet/linear_system_elimination.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <type_traits>

#include "exact/fractions.h"
#include "exact/rational.h"
#include "expr/numeric.h"
#include "shell/codepage.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "worksheet/linear_system.h"
#include "worksheet/typed_value.h"

namespace lumatik {

namespace {

constexpr Extended kTolerance = 1e-12L;
// Rounding noise up to this size still tells an integer from its
// neighbours; beyond it no entry is snapped to an integer.
constexpr Extended kLargestSnap = 1e-3L;
constexpr const char* kStars21 = "*********************";

// ---- Zero, sign and size -------------------------------------------------

bool IsZero(const mpq_class& v) { return sgn(v) == 0; }
bool IsZero(Extended v) { return v == 0; }
bool IsNegative(const mpq_class& v) { return sgn(v) < 0; }
bool IsNegative(Extended v) { return v < 0; }
Extended Approximately(const mpq_class& v) { return ToExtended(v); }
Extended Approximately(Extended v) { return v; }

// An entry that elimination has made zero. Exact entries are zero or not;
// an extended entry is zero when it lies below the rounding error of the
// numbers it was computed from (`size`, the largest of them): the typed
// numbers are small beside rows that have grown large, and the rounding of
// a large row is large.
bool Negligible(const mpq_class& v, Extended) { return IsZero(v); }
bool Negligible(Extended v, Extended size) { return !(std::fabs(v) > kTolerance * size); }

// Rounding noise removed from an extended entry: zero, or an integer.
void Snap(mpq_class&, Extended) {}
void Snap(Extended& v, Extended size) {
  const Extended eps = kTolerance * size;
  if (!(std::fabs(v) > eps)) {
    v = 0;
    return;
  }
  const Extended whole = std::nearbyint(v);
  if (eps < kLargestSnap && std::fabs(v - whole) < eps) v = whole + 0.0L;
}

template <class Value>
using Row = std::vector<Value>;  // entries 1..n + 1; entry 0 unused

template <class Value>
void NegateRow(Row<Value>& row) {
  for (std::size_t j = 1; j < row.size(); ++j) row[j] = 0 - row[j];
}

// ---- Integral rows -------------------------------------------------------

// Multiplies the row by the common denominator of its coefficients and
// divides it by their common divisor, so that the left side is a row of
// coprime integers; the right side may stay a fraction. A row whose
// diagonal entry is negative is negated.
void MakeRowIntegral(Row<mpq_class>& row, Row<Extended>&, int r, int n) {
  mpz_class lcm = 1;
  for (int j = 1; j <= n; ++j) {
    if (!IsZero(row[j])) mpz_lcm(lcm.get_mpz_t(), lcm.get_mpz_t(), row[j].get_den_mpz_t());
  }
  for (int j = 1; j <= n + 1; ++j) row[j] *= lcm;
  // Like the extended rows below: a row whose only coefficient is negative
  // is divided by that coefficient.
  mpz_class g = row[1].get_num();
  for (int j = 2; j <= n; ++j) {
    const mpz_class& entry = row[j].get_num();
    if (g == 0) g = entry;
    if (entry != 0) mpz_gcd(g.get_mpz_t(), g.get_mpz_t(), entry.get_mpz_t());
  }
  if (g != 0) {
    for (int j = 1; j <= n + 1; ++j) row[j] /= g;
  }
  // Rows below the last column have no diagonal entry.
  if (r <= n + 1 && IsNegative(row[r])) NegateRow(row);
}

// The same in extended arithmetic, for rows whose coefficients are all
// recognised fractions; any other row is left as it is.
void MakeRowIntegral(Row<Extended>& row, Row<Extended>& size, int r, int n) {
  Extended lcm = 1;
  for (int j = 1; j <= n; ++j) {
    if (row[j] == 0) continue;
    const auto fraction = RecogniseFraction(std::fabs(row[j]));
    if (!fraction) return;
    lcm = LcmOf(lcm, fraction->get_den().get_d());
  }
  // Beyond this the integers are no longer exact in 64 bits.
  if (!(lcm < 1e15L)) return;
  for (int j = 1; j <= n + 1; ++j) {
    row[j] *= lcm;
    size[j] *= lcm;
  }

  Extended gcd = 0;
  for (int j = 1; j <= n; ++j) {
    const Extended eps = kTolerance * size[j];
    if (!(eps < kLargestSnap) || !IsWholeNumber(row[j], eps)) return;
    // The scaling leaves rounding noise (7/3 * 3 = 7.00000000000000001); an
    // integral left side holds the integers themselves.
    row[j] = std::nearbyint(row[j]) + 0.0L;
    if (j == 1 || gcd == 0) gcd = row[j];
    if (j > 1 && row[j] != 0) gcd = GcdOf(gcd, row[j]);
  }
  if (gcd != 0) {
    for (int j = 1; j <= n + 1; ++j) {
      row[j] /= gcd;
      size[j] /= std::fabs(gcd);
    }
  }
  if (r <= n + 1 && row[r] < 0) NegateRow(row);
}

// ---- Texts ---------------------------------------------------------------

// A matrix entry: an integer or a fraction (an extended entry that is no
// fraction as its decimal).
std::string EntryText(const mpq_class& v) { return RationalText(v); }
std::string EntryText(Extended v) { return NumberText(v); }

// The exact half of a solution line: the fraction, or nothing for an
// integer (and for an extended value that is no fraction).
std::string FractionHalf(const mpq_class& v) { return v.get_den() == 1 ? std::string() : RationalText(v); }
std::string FractionHalf(Extended v) {
  const std::string text = NumberText(v);
  return text.find('/') != std::string::npos ? text : std::string();
}

// The decimal half: an integer in full, anything else to 18 digits.
std::string DecimalHalf(const mpq_class& v) {
  return v.get_den() == 1 ? IntegerDecimalText(v.get_num()) : FloatText18(ToExtended(v));
}
std::string DecimalHalf(Extended v) { return FloatText18(v); }

// A coefficient or a test value: the fraction where there is one, else
// the decimal.
template <class Value>
std::string FractionOrDecimal(const Value& v) {
  const std::string fraction = FractionHalf(v);
  return fraction.empty() ? DecimalHalf(v) : fraction;
}

// A coefficient as a solution line shows it, read back.
void ReadBack(const std::string& text, mpq_class& value) {
  const auto literal = ReadRationalLiteral(text);
  value = literal ? *literal : mpq_class(0);
}
void ReadBack(const std::string& text, Extended& value) { value = ReadTypedValue(RemoveBlanks(text)).value; }

// ---- The test ------------------------------------------------------------

struct Misfit {
  Extended residual = 0;  // |left side - right side|
  Extended measure = 0;   // below 1: the equation holds
};

Misfit MisfitOf(const Row<mpq_class>& row, const Row<mpq_class>& y, int n) {
  mpq_class sum = 0;
  for (int j = 1; j <= n; ++j) sum += row[j] * y[j];
  const mpq_class residual = abs(sum - row[n + 1]);
  const bool holds = IsZero(residual);
  return {ToExtended(residual), holds ? 0 : std::numeric_limits<Extended>::infinity()};
}

// Extended sums carry the rounding of their terms: the residual is judged
// against the size of the terms.
Misfit MisfitOf(const Row<Extended>& row, const Row<Extended>& y, int n) {
  Extended sum = 0;
  Extended size = std::fabs(row[n + 1]);
  for (int j = 1; j <= n; ++j) {
    sum += row[j] * y[j];
    size += std::fabs(row[j] * y[j]);
  }
  const Extended residual = std::fabs(sum - row[n + 1]);
  if (std::isnan(residual)) return {residual, std::numeric_limits<Extended>::infinity()};
  return {residual, residual / (kTolerance * std::max<Extended>(1, size))};
}

// ---- The run -------------------------------------------------------------

template <class Value>
class Elimination {
 public:
  Elimination(Worksheet& sheet, int n, const std::vector<std::vector<Value>>& rows);
  void Run();

 private:
  void Eliminate(int i);
  void SwapColumns(int i, int j);
  void DropRow(int i);
  void PrintMatrix();
  bool SolutionLine(int r);
  void Probe();
  std::string UnknownName(int q) const { return "x" + FloatText18(q); }
  bool IsFree(int q) const { return s_[q].find("beliebig") != std::string::npos; }

  Worksheet& sheet_;
  int n_;
  int m_;
  std::vector<Row<Value>> typed_;  // rows 1..m as typed
  std::vector<Row<Value>> a_;
  // Extended rows only: for each entry the largest number it was computed
  // from, the scale of its rounding error.
  std::vector<Row<Extended>> size_;
  std::vector<int> perm_;
  std::vector<int> permInv_;
  std::vector<Value> x_;
  std::vector<std::string> s_;
  bool changed_ = false;
};

template <class Value>
Elimination<Value>::Elimination(Worksheet& sheet, int n, const std::vector<std::vector<Value>>& rows)
    : sheet_(sheet),
      n_(n),
      m_(static_cast<int>(rows.size())),
      typed_(rows.size() + 1, Row<Value>(n + 2)),
      size_(rows.size() + 1, Row<Extended>(n + 2, 0)),
      perm_(n + 2),
      permInv_(n + 2),
      x_(n + 1),
      s_(n + 1) {
  for (int r = 1; r <= m_; ++r) {
    for (int j = 1; j <= n_ + 1; ++j) {
      typed_[r][j] = rows[r - 1][j - 1];
      if constexpr (std::is_same_v<Value, Extended>) size_[r][j] = std::fabs(typed_[r][j]);
    }
  }
  a_ = typed_;
  for (int c = 1; c <= n_ + 1; ++c) perm_[c] = permInv_[c] = c;
}

template <class Value>
void Elimination<Value>::Run() {
  for (int r = 1; r <= m_; ++r) MakeRowIntegral(a_[r], size_[r], r, n_);
  PrintMatrix();

  // The pivot of row i is its first coefficient that is not zero, moved
  // into column i.
  int i = 1;
  while (m_ > 0 && i <= m_) {
    int pivot = 0;
    for (int j = i; j <= n_; ++j) {
      if (Negligible(a_[i][j], size_[i][j])) {
        a_[i][j] = 0;
        continue;
      }
      pivot = j;
      break;
    }
    if (pivot == 0) {
      if (!Negligible(a_[i][n_ + 1], size_[i][n_ + 1])) {
        sheet_.append(Cp1252("Keine Lösung"));
        return;
      }
      DropRow(i);
      i = 1;
      continue;
    }
    SwapColumns(i, pivot);
    changed_ = false;
    Eliminate(i);
    if (changed_ && (m_ < 16 || i == m_)) {
      sheet_.append(kStars21);
      PrintMatrix();
    }
    ++i;
  }

  sheet_.append(kStars21);
  for (int r = 1; r <= m_; ++r) {
    if (!SolutionLine(r)) return;
  }
  for (int c = m_ + 1; c <= n_; ++c) {
    const int q = perm_[c];
    x_[q] = 0;
    s_[q] = UnknownName(q) + " beliebig";
  }
  for (int q = 1; q <= n_; ++q) sheet_.append(s_[q]);
  Probe();
}

// Clears column i in every other row, above and below; the pivot row itself
// is not divided, which keeps it integral.
template <class Value>
void Elimination<Value>::Eliminate(int i) {
  for (int k = 1; k <= m_; ++k) {
    if (k == i) continue;
    Snap(a_[k][i], size_[k][i]);
    const Value f = a_[k][i] / a_[i][i];
    if (IsZero(f)) continue;
    changed_ = true;
    if constexpr (std::is_same_v<Value, Extended>) {
      // The factor carries the rounding of both its entries, relative to
      // them: `spread` times that of a single operation.
      const Extended spread =
          std::max({1.0L, size_[k][i] / std::fabs(a_[k][i]), size_[i][i] / std::fabs(a_[i][i])});
      for (int j = 1; j <= n_ + 1; ++j) {
        size_[k][j] = std::max({size_[k][j], std::fabs(f) * size_[i][j], std::fabs(f * a_[i][j]) * spread});
      }
    }
    for (int j = 1; j <= n_ + 1; ++j) {
      if (j == i) {
        a_[k][i] = 0;
      } else {
        a_[k][j] -= a_[i][j] * f;
        Snap(a_[k][j], size_[k][j]);
      }
    }
    MakeRowIntegral(a_[k], size_[k], k, n_);
  }
}

template <class Value>
void Elimination<Value>::SwapColumns(int i, int j) {
  if (i == j) return;
  for (int r = 1; r <= m_; ++r) {
    std::swap(a_[r][i], a_[r][j]);
    std::swap(size_[r][i], size_[r][j]);
  }
  std::swap(perm_[i], perm_[j]);
  for (int c = 1; c <= n_ + 1; ++c) permInv_[perm_[c]] = c;
}

template <class Value>
void Elimination<Value>::DropRow(int i) {
  a_.erase(a_.begin() + i);
  size_.erase(size_.begin() + i);
  --m_;
}

// The columns in the numbering of the unknowns as typed, 8 characters each.
// A wider entry shifts the rest of the line, but keeps a blank after it so
// that two numbers never run together.
template <class Value>
void Elimination<Value>::PrintMatrix() {
  for (int r = 1; r <= m_; ++r) {
    std::string text;
    for (int c = 1; c <= n_ + 1; ++c) {
      text += EntryText(a_[r][permInv_[c]]);
      text = PadRight(text, 8 * c);
      if (c <= n_ && text.back() != ' ') text += ' ';
      if (c == n_) text += "| ";
    }
    sheet_.append(text);
  }
}

// The unknown of row r, from the reduced row: its value and the terms of
// the free unknowns, exactly and as a decimal.
template <class Value>
bool Elimination<Value>::SolutionLine(int r) {
  const int q = perm_[r];
  const std::string head = UnknownName(q) + "=";
  const Value& p = a_[r][r];
  if (Negligible(p, size_[r][r])) {
    sheet_.hint(Cp1252("Ausnahmefall:Löse nach dem letzten Gleichungssystem selbst!\r"
                       "Element ist statt 0 durch Rechenungenauigkeiten nun ") +
                GeneralFloatText(Approximately(p), 15));
    return false;
  }
  const Value v = a_[r][n_ + 1] / p;
  x_[q] = v;
  std::string exact = FractionHalf(v);
  std::string decimal = DecimalHalf(v);
  for (int c = 1; c <= n_; ++c) {
    if (c == r || IsZero(a_[r][c])) continue;
    const Value f = a_[r][c] / p;
    const std::string coefficient = FractionOrDecimal(IsNegative(f) ? Value(0 - f) : f);
    const std::string term = (IsNegative(f) ? " +" : " -") + coefficient + "*" + UnknownName(perm_[c]);
    decimal += term;
    if (!exact.empty()) exact = PadRight(exact, 10) + term;
  }
  if (!exact.empty()) exact = PadRight(exact, 30) + "=";
  s_[q] = head + exact + decimal;
  return true;
}

// Where a solution text names the unknown: followed by a blank or the end.
std::size_t FindUnknown(const std::string& text, const std::string& name) {
  std::size_t at = text.find(name);
  while (at != std::string::npos) {
    const std::size_t after = at + name.size();
    if (after == text.size() || text[after] == ' ') return at;
    at = text.find(name, at + 1);
  }
  return std::string::npos;
}

// The test puts the solution, and each free unknown set to 1 in turn, into
// every equation as typed. The change of a dependent unknown is read back
// from its solution line, as the user sees it: from the sign in front of
// "*x<v>" up to the "*".
template <class Value>
void Elimination<Value>::Probe() {
  const int rows = static_cast<int>(typed_.size()) - 1;
  for (int v = 0; v <= n_; ++v) {
    if (v > 0 && !IsFree(v)) continue;
    const std::string label = v == 0 ? " " : "(Variation mit " + UnknownName(v) + ") ";
    std::vector<Value> y = x_;
    if (v > 0) {
      y[v] = 1;
      for (int k = 1; k <= n_; ++k) {
        if (IsFree(k)) continue;
        const std::size_t at = FindUnknown(s_[k], "*" + UnknownName(v));
        if (at == std::string::npos) continue;
        const std::size_t sign = s_[k].find_last_of("+-", at);
        if (sign == std::string::npos) continue;
        Value change;
        ReadBack(s_[k].substr(sign, at - sign), change);
        y[k] += change;
      }
    }

    Misfit worst{0, -1};
    int worstRow = 0;
    for (int r = 1; r <= rows; ++r) {
      const Misfit misfit = MisfitOf(typed_[r], y, n_);
      if (misfit.measure > worst.measure) {
        worst = misfit;
        worstRow = r;
      }
    }
    const bool holds = worst.measure < 1;

    std::string tuple = "(";
    for (int j = 1; j <= n_; ++j) tuple += (j > 1 ? ";" : "") + FractionOrDecimal(y[j]);
    tuple += ")";
    std::string text = "Probe" + label + Cp1252("mit Lösung ") + tuple;
    if (!holds) text += " max. Fehler in Zeile" + FloatText18(worstRow) + ":" + SmallNumberText(worst.residual);
    sheet_.append((holds ? "o.K.  " : "!!!   ") + text);
  }
}

}  // namespace

void WriteExactElimination(Worksheet& sheet, int n, const std::vector<std::vector<mpq_class>>& rows) {
  Elimination<mpq_class>(sheet, n, rows).Run();
}

void WriteExtendedElimination(Worksheet& sheet, int n, const std::vector<std::vector<Extended>>& rows) {
  Elimination<Extended>(sheet, n, rows).Run();
}

}  // namespace lumatik

// "Rechne Lin. Gl.-System allgemein": Gauss-Jordan elimination on the rows
// typed into the worksheet. Every row is scaled to integers on its left side
// after each step, so that the solutions come out as exact fractions; the
// matrix is printed after each step, and the test at the end puts the
// solution back into the equations as typed.

#include <array>
#include <cmath>
#include <cstdio>

#include "exact/fractions.h"
#include "expr/lumath.h"
#include "shell/codepage.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/luhilf.h"
#include "worksheet/linear_system.h"

namespace lumatik {

namespace {

constexpr Extended kTolerance = 1e-12L;
constexpr int kMaxSize = 25;  // unknowns and equations
constexpr const char* kStars21 = "*********************";

// Rows and columns counted from 1; column n + 1 holds the right side.
using Row = std::array<Extended, kMaxSize + 2>;
using Matrix = std::array<Row, kMaxSize + 1>;

// Entry j of a typed row is its j-th blank- or bar-separated item.
Row ReadRow(const std::string& line, int n) {
  Row row{};
  for (int j = 1; j <= n + 1; ++j) row[j] = NthValuePlain(line, j);
  return row;
}

int WordCount(const std::string& line) {
  int count = 0;
  bool inWord = false;
  for (const char c : line) {
    if (c == ' ') {
      inWord = false;
    } else if (!inWord) {
      inWord = true;
      ++count;
    }
  }
  return count;
}

// A line that holds no number at all reads as 0.
Extended LeadingNumber(const std::string& line) {
  try {
    return StrToExt(line);
  } catch (...) {
    return 0;
  }
}

// Rounds a whole extended value, ties to even.
Extended RoundWhole(Extended x) { return std::nearbyint(x); }

class LinearSystem {
 public:
  explicit LinearSystem(Worksheet& sheet) : sheet_(sheet) {}
  void Run();

 private:
  bool ReadSystem();
  void Eliminate(int i);
  void MakeRowIntegral(int r);
  void SwapColumns(int i, int j);
  void DropRow(int i);
  void PrintMatrix();
  bool SolutionLine(int r);
  void Probe();
  std::string UnknownName(int q) const { return "x" + FloatText18(q); }

  Worksheet& sheet_;
  int n_ = 0;
  int m_ = 0;
  int typedRows_ = 0;
  Matrix a_{};
  std::array<int, kMaxSize + 2> perm_{};
  std::array<int, kMaxSize + 2> permInv_{};
  std::array<Extended, kMaxSize + 1> x_{};
  std::array<std::string, kMaxSize + 1> s_{};
  bool changed_ = false;
};

// Steps before the elimination: the size line, the row checks and the rows.
bool LinearSystem::ReadSystem() {
  const std::string head = sheet_.line(1);
  if (head.find("n=") == std::string::npos) {
    sheet_.hint(Cp1252("In Zeile 1 muss \"n=..\" (Anzahl der Gleichungen) stehen"));
    return false;
  }
  const Extended nValue = RoundWhole(NthValue(head, 1));
  Extended mValue = RoundWhole(NthValue(head, 2));
  if (mValue == 0) mValue = nValue;
  sheet_.setScrollBars(nValue > 9 ? WorksheetScrollBars::Both : WorksheetScrollBars::VerticalOnly);
  if (!(nValue <= kMaxSize && mValue <= kMaxSize)) {
    sheet_.hint(Cp1252("Abbruch:Bitte Zahl der Unbekannten oder Zahl der Gleichungen höchstens 25"));
    return false;
  }
  // No unknowns, or a negative count, leaves nothing to solve.
  if (!(nValue >= 1 && mValue >= 1)) {
    sheet_.hint(Cp1252("In Zeile 1 muss \"n=..\" (Anzahl der Gleichungen) stehen"));
    return false;
  }
  n_ = static_cast<int>(nValue);
  m_ = static_cast<int>(mValue);

  // A row that is no number usually means that the equation count is
  // missing from line 1; a missing line reads as empty.
  for (int line = 2; line <= m_ + 1; ++line) {
    const std::string text = sheet_.line(line);
    if (text.find('0') == std::string::npos && LeadingNumber(text) == 0) {
      sheet_.hint(Cp1252(
          "Falls Anzahl m der Gleichungen verschieden von Anzahl n der Unbekannten, muss\r\n"
          "in Zeile 1 stehen z.B. n=5 m=4"));
      break;
    }
  }
  for (int line = 2; line <= m_ + 1 && line <= sheet_.lineCount(); ++line) {
    const std::string text = sheet_.line(line);
    int items = WordCount(text);
    if (text.find(" | ") != std::string::npos) --items;
    if (items != n_ + 1) {
      sheet_.hint(Cp1252("Die fehlenden Zahlen in der " + FloatText18(line) + ".Zeile  werden 0 gesetzt!"));
      sheet_.setLine(line, text + " 0");
    }
  }

  if (sheet_.lineCount() < m_ + 1) {
    sheet_.hint(Cp1252("Abbruch:Sie haben zuwenig Zeilen eingeben"));
    return false;
  }
  for (int r = 1; r <= m_; ++r) {
    const std::string text = sheet_.line(r + 1);
    if (IsBlank(text)) {
      sheet_.hint(Cp1252("Abbruch:Leerzeilen nicht erlaubt!\rOder:Sie haben zuwenig Zeilen eingeben."));
      return false;
    }
    a_[r] = ReadRow(text, n_);
  }
  typedRows_ = m_;
  for (int c = 1; c <= n_ + 1; ++c) perm_[c] = permInv_[c] = c;
  return true;
}

void LinearSystem::Run() {
  if (!ReadSystem()) return;
  sheet_.setLine(1, "n=" + FloatText18(n_) + " (Zahl der Unbekannten) m=" + FloatText18(m_) +
                        " (Zahl der Gleichungen)");
  sheet_.keepFirstLines(m_ + 1);
  sheet_.append(kStars21);
  for (int r = 1; r <= m_; ++r) MakeRowIntegral(r);
  PrintMatrix();

  // Gauss-Jordan: the pivot of row i is its first coefficient that is not
  // (nearly) zero, moved into column i.
  int i = 1;
  while (m_ > 0 && i <= m_) {
    int pivot = 0;
    for (int j = i; j <= n_; ++j) {
      if (std::fabs(a_[i][j]) < kTolerance) {
        a_[i][j] = 0;
        continue;
      }
      pivot = j;
      break;
    }
    if (pivot == 0) {
      if (a_[i][n_ + 1] != 0) {
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

void LinearSystem::MakeRowIntegral(int r) {
  Row& row = a_[r];
  // A zero coefficient fits every denominator; without this a row would
  // stay fractional once elimination has cleared one of its columns.
  Extended lcm = 1;
  for (int j = 1; j <= n_; ++j) {
    if (row[j] == 0) continue;
    Extended num = 0;
    Extended den = 0;
    if (!FindFraction(num, den, std::fabs(row[j]), kTolerance)) return;
    lcm = LcmOf(lcm, den);
  }
  for (int j = 1; j <= n_ + 1; ++j) row[j] *= lcm;

  if (!IsWholeNumber(row[1], kTolerance)) return;
  Extended gcd = RoundWhole(row[1]);
  for (int j = 2; j <= n_; ++j) {
    if (!IsWholeNumber(row[j], kTolerance)) return;
    if (gcd == 0) gcd = RoundWhole(row[j]);
    if (row[j] != 0) gcd = GcdOf(gcd, RoundWhole(row[j]));
  }
  // The scaling leaves rounding noise (7/3 * 3 = 7.00000000000000001); an
  // integral left side holds the integers themselves.
  for (int j = 1; j <= n_; ++j) row[j] = RoundWhole(row[j]);
  if (gcd != 0) {
    for (int j = 1; j <= n_ + 1; ++j) row[j] /= gcd;
  }
  // Rows below the last column have no diagonal entry.
  if (r <= n_ + 1 && row[r] < 0) {
    for (int j = 1; j <= n_ + 1; ++j) row[j] = 0 - row[j];
  }
}

void LinearSystem::SwapColumns(int i, int j) {
  if (i == j) return;
  for (int r = 1; r <= m_; ++r) std::swap(a_[r][i], a_[r][j]);
  std::swap(perm_[i], perm_[j]);
  for (int c = 1; c <= n_ + 1; ++c) permInv_[perm_[c]] = c;
}

// Clears column i in every other row, above and below; the pivot row itself
// is not divided, which keeps it integral.
void LinearSystem::Eliminate(int i) {
  for (int k = 1; k <= m_; ++k) {
    if (k == i) continue;
    SnapToInteger(a_[k][i], kTolerance);
    const Extended f = a_[k][i] / a_[i][i];
    if (f == 0) continue;
    changed_ = true;
    for (int j = 1; j <= n_ + 1; ++j) {
      if (j == i) {
        a_[k][i] = 0;
      } else {
        a_[k][j] = a_[k][j] - a_[i][j] * f;
        SnapToInteger(a_[k][j], kTolerance);
      }
    }
    MakeRowIntegral(k);
  }
}

void LinearSystem::DropRow(int i) {
  for (int r = i; r < m_; ++r) a_[r] = a_[r + 1];
  a_[m_] = Row{};
  --m_;
}

// The columns in the numbering of the unknowns as typed, 8 characters each.
// A wider entry shifts the rest of the line, but keeps a blank after it so
// that two numbers never run together.
void LinearSystem::PrintMatrix() {
  for (int r = 1; r <= m_; ++r) {
    std::string text;
    for (int c = 1; c <= n_ + 1; ++c) {
      text += NumberText(a_[r][permInv_[c]]);
      text = PadRight(text, 8 * c);
      if (c <= n_ && text.back() != ' ') text += ' ';
      if (c == n_) text += "| ";
    }
    sheet_.append(text);
  }
}

// The unknown of row r, from the reduced row: its value and the terms of
// the free unknowns, exactly and as a decimal.
bool LinearSystem::SolutionLine(int r) {
  const int q = perm_[r];
  const std::string head = UnknownName(q) + "=";
  const Extended p = a_[r][r];
  if (!(std::fabs(p) > kTolerance)) {
    sheet_.hint(Cp1252("Ausnahmefall:Löse nach dem letzten Gleichungssystem selbst!\r"
                       "Element ist statt 0 durch Rechenungenauigkeiten nun ") +
                GeneralFloatText(p, 15));
    return false;
  }
  const Extended v = a_[r][n_ + 1] / p;
  x_[q] = v;
  std::string exact = NumberText(v);
  if (exact.find('/') == std::string::npos) exact.clear();
  std::string decimal = FloatText18(v);
  for (int c = 1; c <= n_; ++c) {
    if (c == r || a_[r][c] == 0) continue;
    const Extended f = a_[r][c] / p;
    std::string coefficient = NumberText(std::fabs(f));
    if (coefficient.find('/') == std::string::npos) coefficient = FloatText18(std::fabs(f));
    const std::string term = (f >= 0 ? " -" : " +") + coefficient + "*" + UnknownName(perm_[c]);
    decimal += term;
    if (!exact.empty()) exact = PadRight(exact, 10) + term;
  }
  if (!exact.empty()) exact = PadRight(exact, 30) + "=";
  s_[q] = head + exact + decimal;
  return true;
}

// The coefficient that a solution text carries in front of "*x<v>", read
// back from the text as the user sees it.
Extended CoefficientInText(const std::string& text, const std::string& name) {
  const std::string key = "*" + name;
  std::size_t at = text.find(key);
  while (at != std::string::npos) {
    const std::size_t after = at + key.size();
    if (after == text.size() || text[after] == ' ') break;
    at = text.find(key, at + 1);
  }
  if (at == std::string::npos) return 0;
  const std::size_t sign = text.find_last_of("+-", at);
  if (sign == std::string::npos) return 0;
  return EvalTermGuarded(text.substr(sign, at - sign));
}

bool MentionsUnknown(const std::string& text, const std::string& name) {
  std::size_t at = text.find(name);
  while (at != std::string::npos) {
    const std::size_t after = at + name.size();
    if (after == text.size() || text[after] == ' ') return true;
    at = text.find(name, at + 1);
  }
  return false;
}

std::string TupleEntry(Extended y) {
  const std::string fraction = NumberText(y);
  return fraction.find('/') != std::string::npos ? fraction : FloatText18(y);
}

// The test puts the solution, and each free unknown set to 1 in turn, into
// every equation as typed.
void LinearSystem::Probe() {
  std::array<Row, kMaxSize + 1> typed{};
  for (int r = 1; r <= typedRows_; ++r) typed[r] = ReadRow(sheet_.line(r + 1), n_);

  for (int v = 0; v <= n_; ++v) {
    const bool free = v > 0 && s_[v].find("beliebig") != std::string::npos;
    if (v > 0 && !free) continue;
    const std::string label = v == 0 ? " " : "(Variation mit " + UnknownName(v) + ") ";
    std::array<Extended, kMaxSize + 1> y = x_;
    if (v > 0) {
      y[v] = 1;
      for (int k = 1; k <= n_; ++k) {
        if (s_[k].find("beliebig") != std::string::npos) continue;
        if (MentionsUnknown(s_[k], UnknownName(v))) y[k] += CoefficientInText(s_[k], UnknownName(v));
      }
    }

    // A residual that cannot be computed is the largest of all.
    Extended largest = -1;
    int worstRow = 0;
    for (int r = 1; r <= typedRows_; ++r) {
      Extended sum = 0;
      for (int j = 1; j <= n_; ++j) sum += typed[r][j] * y[j];
      Extended residual = std::fabs(sum - typed[r][n_ + 1]);
      if (std::isnan(residual)) residual = INFINITY;
      if (residual > largest) {
        largest = residual;
        worstRow = r;
      }
    }
    if (largest < 0) largest = 0;

    std::string tuple = "(";
    for (int j = 1; j <= n_; ++j) tuple += (j > 1 ? ";" : "") + TupleEntry(y[j]);
    tuple += ")";
    std::string text = "Probe" + label + Cp1252("mit Lösung ") + tuple;
    if (largest > kTolerance) {
      text += " max. Fehler in Zeile" + FloatText18(worstRow) + ":" + SmallNumberText(largest);
    }
    sheet_.append((largest < kTolerance ? "o.K.  " : "!!!   ") + text);
  }
}

}  // namespace

std::string SmallNumberText(Extended x) {
  if (x < 1e-17L) return "0";
  // Infinity would never come below 10.
  if (!std::isfinite(x)) return GeneralFloatText(x, 15);
  Extended y = x * 1e20L;
  int e = 20;
  while (y > 10) {
    y /= 10;
    --e;
  }
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%4.3Lf", y);
  std::string text = buffer;
  for (char& c : text) {
    if (c == '.') c = DecimalSeparator();
  }
  return text + "*10^(-" + FloatText18(e) + ")";
}

void SolveLinearSystem(Worksheet& sheet) {
  if (sheet.isEmpty()) {
    sheet.clear();
    AppendLinearSystemExample(sheet, LinearSystemExample::FiveByFour);
    return;
  }
  LinearSystem(sheet).Run();
}

}  // namespace lumatik

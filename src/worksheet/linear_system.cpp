// "Rechne Lin. Gl.-System allgemein": reads the size line and the rows
// typed into the worksheet and hands them to the elimination, in exact
// fractions when every entry is one, in extended arithmetic otherwise.

#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "exact/rational.h"
#include "expr/nth_value.h"
#include "shell/codepage.h"
#include "shell/decimal_separator.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "worksheet/linear_system.h"
#include "worksheet/linear_system_elimination.h"
#include "worksheet/typed_value.h"

namespace lumatik {

namespace {

constexpr int kMaxSize = 25;  // unknowns and equations
constexpr const char* kStars21 = "*********************";

// The items of a row: blanks and "|" separate them, several count as one.
std::vector<std::string> RowItems(const std::string& line) {
  std::vector<std::string> items;
  std::string item;
  for (const char c : line + " ") {
    if (c == ' ' || c == '|') {
      if (!item.empty()) items.push_back(item);
      item.clear();
    } else {
      item += c;
    }
  }
  return items;
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

// A line of words, such as an explanation below the rows, holds nothing
// the engine can compute.
bool HoldsNoNumber(const std::string& line) {
  for (const std::string& item : RowItems(line)) {
    if (ReadTypedValue(item).computed) return false;
  }
  return true;
}

// Rounds a whole extended value, ties to even.
Extended RoundWhole(Extended x) { return std::nearbyint(x); }

// The system as typed: each entry as an extended value and, while every
// entry so far is a fraction, as that fraction.
struct TypedSystem {
  int n = 0;
  int m = 0;
  std::vector<std::vector<Extended>> values;
  std::vector<std::vector<mpq_class>> fractions;
  bool allFractions = true;
};

// Entry j of a typed row is its j-th item; a missing item counts as 0. A
// term the engine cannot compute stops the run with a hint. A line of words
// (the row check has said why) is the equation 0 = 0.
bool ReadRow(Worksheet& sheet, int lineNumber, bool words, TypedSystem& system) {
  const std::vector<std::string> items = words ? std::vector<std::string>() : RowItems(sheet.line(lineNumber));
  std::vector<Extended> values(system.n + 1, 0);
  std::vector<mpq_class> fractions(system.n + 1, 0);
  for (int j = 0; j <= system.n && j < static_cast<int>(items.size()); ++j) {
    const TypedValue typed = ReadTypedValue(items[j]);
    if (!typed.computed) {
      sheet.hint(UncomputableValueHint(lineNumber, items[j], typed.message));
      return false;
    }
    values[j] = typed.value;
    if (!system.allFractions) continue;
    auto fraction = typed.exact;
    if (!fraction) fraction = RecogniseFraction(typed.value);
    if (fraction) {
      fractions[j] = *fraction;
    } else {
      system.allFractions = false;
    }
  }
  system.values.push_back(values);
  system.fractions.push_back(fractions);
  return true;
}

// Steps before the elimination: the size line, the row checks and the rows.
std::optional<TypedSystem> ReadSystem(Worksheet& sheet) {
  const std::string head = sheet.line(1);
  if (head.find("n=") == std::string::npos) {
    sheet.hint(Cp1252("In Zeile 1 muss \"n=..\" (Anzahl der Gleichungen) stehen"));
    return std::nullopt;
  }
  const Extended nValue = RoundWhole(NthValue(head, 1));
  Extended mValue = RoundWhole(NthValue(head, 2));
  if (mValue == 0) mValue = nValue;
  sheet.setScrollBars(nValue > 9 ? WorksheetScrollBars::Both : WorksheetScrollBars::VerticalOnly);
  if (!(nValue <= kMaxSize && mValue <= kMaxSize)) {
    sheet.hint(Cp1252("Abbruch:Bitte Zahl der Unbekannten oder Zahl der Gleichungen höchstens 25"));
    return std::nullopt;
  }
  // No unknowns, or a negative count, leaves nothing to solve.
  if (!(nValue >= 1 && mValue >= 1)) {
    sheet.hint(Cp1252("In Zeile 1 muss \"n=..\" (Anzahl der Gleichungen) stehen"));
    return std::nullopt;
  }
  TypedSystem system;
  system.n = static_cast<int>(nValue);
  system.m = static_cast<int>(mValue);

  // A row that is no number usually means that the equation count is
  // missing from line 1; a missing line reads as empty. A line with the bar
  // was typed as an equation, though: its letters are entries, and the
  // first that cannot be computed is named.
  std::vector<bool> words(system.m + 2, false);
  for (int line = 2; line <= system.m + 1; ++line)
    words[line] = HoldsNoNumber(sheet.line(line)) && sheet.line(line).find('|') == std::string::npos;
  for (int line = 2; line <= system.m + 1; ++line) {
    if (sheet.line(line).find('0') == std::string::npos && words[line]) {
      sheet.hint(Cp1252(
          "Falls Anzahl m der Gleichungen verschieden von Anzahl n der Unbekannten, muss\r\n"
          "in Zeile 1 stehen z.B. n=5 m=4"));
      break;
    }
  }
  for (int line = 2; line <= system.m + 1 && line <= sheet.lineCount(); ++line) {
    const std::string text = sheet.line(line);
    int items = WordCount(text);
    if (text.find(" | ") != std::string::npos) --items;
    if (items != system.n + 1) {
      sheet.hint(Cp1252("Die fehlenden Zahlen in der " + FloatText18(line) + ".Zeile  werden 0 gesetzt!"));
      sheet.setLine(line, text + " 0");
    }
  }

  if (sheet.lineCount() < system.m + 1) {
    sheet.hint(Cp1252("Abbruch:Sie haben zuwenig Zeilen eingeben"));
    return std::nullopt;
  }
  for (int r = 1; r <= system.m; ++r) {
    if (IsBlank(sheet.line(r + 1))) {
      sheet.hint(Cp1252("Abbruch:Leerzeilen nicht erlaubt!\rOder:Sie haben zuwenig Zeilen eingeben."));
      return std::nullopt;
    }
    if (!ReadRow(sheet, r + 1, words[r + 1], system)) return std::nullopt;
  }
  return system;
}

void RunLinearSystem(Worksheet& sheet) {
  const std::optional<TypedSystem> system = ReadSystem(sheet);
  if (!system) return;
  sheet.setLine(1, "n=" + FloatText18(system->n) + " (Zahl der Unbekannten) m=" + FloatText18(system->m) +
                       " (Zahl der Gleichungen)");
  sheet.keepFirstLines(system->m + 1);
  sheet.append(kStars21);
  if (system->allFractions) {
    WriteExactElimination(sheet, system->n, system->fractions);
  } else {
    WriteExtendedElimination(sheet, system->n, system->values);
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
  RunLinearSystem(sheet);
}

}  // namespace lumatik

#include "worksheet/pythagorean.h"

#include <cmath>
#include <cstdint>

#include "exact/fractions.h"
#include "shell/codepage.h"

namespace lumatik {

namespace {

// Beyond this c the square leaves the 32-bit integers of the search; the
// list ends there even if the user keeps answering "Ok".
constexpr int kLargestSide = 46340;

// The b with a*a + b*b == target, or -1. Searching b from a to c and
// comparing squares finds the same values in the same order; the square
// root only spares the inner loop.
std::int64_t ExactSquareRoot(std::int64_t target) {
  if (target < 0) return -1;
  auto root = static_cast<std::int64_t>(std::sqrt(static_cast<double>(target)));
  while (root * root > target) --root;
  while ((root + 1) * (root + 1) <= target) ++root;
  return root * root == target ? root : -1;
}

bool GoOn(Worksheet& sheet, int value) {
  if (value > kLargestSide) return false;
  return value % 100 != 0 || sheet.ask("Weitermachen?");
}

}  // namespace

std::string PadNumber(int n, int top) {
  const std::size_t width = top < 11 ? 1 : top < 101 ? 2 : 3;
  std::string text = std::to_string(n);
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

void PythagoreanTriples(Worksheet& sheet) {
  if (!sheet.isEmpty()) {
    sheet.hint(Cp1252("Zuerst \"Alles löschen\" anklicken"));
    return;
  }
  sheet.append(Cp1252(
      "         Pythagoreische Zahlentripel\r\n"
      "         ---------------------------\r\n"
      "(a,b,c) erfüllen die Gleichungen a^2+b^2 = c^2 und ggT(a,b)=1\r\n"));
  std::string line;
  for (int c = 1; GoOn(sheet, c); ++c) {
    const std::int64_t cc = static_cast<std::int64_t>(c) * c;
    for (int a = 1; a <= c; ++a) {
      const std::int64_t b = ExactSquareRoot(cc - static_cast<std::int64_t>(a) * a);
      if (b < a || b > c) continue;
      if (GcdInt(a, static_cast<int>(b)) >= 2) continue;
      line += "(" + PadNumber(a, c) + "," + PadNumber(static_cast<int>(b), c) + "," + PadNumber(c, c) + ")  ";
      if (line.size() > 55) {
        sheet.append(line);
        line.clear();
      }
    }
  }
  sheet.append(line);
}

void PythagoreanQuadruples(Worksheet& sheet) {
  if (!sheet.isEmpty()) {
    sheet.hint(Cp1252("Zuerst \"Alles löschen\" anklicken"));
    return;
  }
  sheet.append(Cp1252(
      "         Pythagoreische Zahlenquadrupel\r\n"
      "         ------------------------------\r\n"
      "(a,b,c,d) erfüllen die Gleichungen a^2+b^2+c^2=d^2 und ggT(a,b,c)=1\r\n"));
  std::string line;
  long hits = 0;
  for (int d = 1; GoOn(sheet, d); ++d) {
    const std::int64_t dd = static_cast<std::int64_t>(d) * d;
    for (int a = 1; a <= d; ++a) {
      for (int b = a; b <= d; ++b) {
        const std::int64_t c = ExactSquareRoot(dd - static_cast<std::int64_t>(a) * a - static_cast<std::int64_t>(b) * b);
        if (c < b || c > d) continue;
        if (GcdInt(GcdInt(a, b), static_cast<int>(c)) >= 2) continue;
        line += "(" + PadNumber(a, d) + "," + PadNumber(b, d) + "," + PadNumber(static_cast<int>(c), d) + "," +
                PadNumber(d, d) + ")  ";
        if (++hits % 4 == 0) {
          sheet.append(line);
          line.clear();
        }
      }
    }
  }
  sheet.append(line);
}

void PolynomialProduct(Worksheet& sheet) {
  if (sheet.isEmpty()) {
    sheet.clear();
    sheet.append(Cp1252(
        "Polynommultiplikation\r\n"
        "               (2x^3+3x^2-4x+3)*(4x^2+3x-4)\r\n"
        "Ändern Sie die Werte, wählen Sie die Zeile aus\r\n"
        "und klicken Sie den Menüpunkt nochmal an!)"));
    return;
  }
  const std::string& selected = sheet.selectedText();
  const auto begin = selected.find_first_not_of(' ');
  const auto end = selected.find_last_not_of(' ');
  sheet.hint(begin == std::string::npos ? std::string() : selected.substr(begin, end - begin + 1));
}

}  // namespace lumatik

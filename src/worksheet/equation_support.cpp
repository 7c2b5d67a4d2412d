#include "worksheet/equation_support.h"

#include <cmath>

#include "expr/numeric.h"
#include "shell/codepage.h"

namespace lumatik {

std::string LowerCase(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::optional<std::string> EquationHead(Worksheet& sheet, const std::string& example,
                                        const std::string& keyword, const std::string& firstLineName) {
  if (sheet.isEmpty()) {
    sheet.clear();
    sheet.append(example);
    return std::nullopt;
  }
  std::string head = sheet.line(1);
  if (LowerCase(head).find(keyword) == std::string::npos) {
    sheet.hint(WrongFirstLineHint(firstLineName));
    return std::nullopt;
  }
  return head;
}

std::string WrongFirstLineHint(const std::string& name) {
  return Cp1252("In die erste Zeile muss \"" + name +
                "\" stehen!\rKlicken Sie \"Alles löschen\", dann noch zwei mal diesen Programmpunkt!");
}

Extended CosDegrees(Extended degrees) { return std::cos(degrees * kPiOver180); }
Extended SinDegrees(Extended degrees) { return std::sin(degrees * kPiOver180); }

Extended AngleDegrees(Extended re, Extended im) {
  if (re == 0) return 90;
  Extended phi = std::atan(im / re) / kPiOver180;
  // A tiny imaginary part gives atan = -0 for a negative real part, so the
  // sign of phi cannot tell the half plane.
  if (re < 0) phi += 180;
  return phi;
}

}  // namespace lumatik

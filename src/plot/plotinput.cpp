#include "plot/plotinput.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>

#include "shell/codepage.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"

namespace lumatik {

bool IsPlainNumber(const std::string& s) {
  if (s.empty() || !std::isdigit(static_cast<unsigned char>(s.back()))) return false;
  return std::all_of(s.begin(), s.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) || c == '/' || c == ',' || c == '.';
  });
}

int ValuesPerCmOf(Extended value) {
  if (std::isnan(value)) return 0;
  const Extended rounded = std::nearbyint(value);
  return static_cast<int>(std::clamp<Extended>(rounded, INT_MIN, INT_MAX));
}

void RemoveBlankItemsAsPainted(std::vector<std::string>& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (IsBlank(list[i])) list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

std::string FunctionTextWhenBlank(const std::vector<std::string>& list) {
  return list.empty() ? "1/3*x^3-3*x" : list.front();
}

namespace {
// The platform's standard float text: up to 15 significant digits.
std::string StandardFloatText(Extended x) { return GeneralFloatText(x, 15); }
}  // namespace

std::string TextInsertionLine(Extended x, Extended y) {
  return "Text " + StandardFloatText(x) + " " + StandardFloatText(y) + " 12 |";
}

std::string TextInsertionMessage(const std::string& line, Extended x, Extended y) {
  return Cp1252("In der Liste erscheint die Zeile:\r") + line + "\r\r" +
         Cp1252("Füge nach \"|\" den Text ein, der an der Position ") + "\r" + StandardFloatText(x) + " " +
         StandardFloatText(y) + Cp1252(" mit der Schriftgröße 12 Pixel\r") +
         Cp1252("in das Schaubild gedruckt werden soll!\r") +
         Cp1252("(Die Position und Schriftgröße kannst Du noch korrigieren.\r") +
         Cp1252("Tipp: entferne überflüssige Textzeilen!\r\r") +
         Cp1252("Hinweis: Text einfügen klappt erst nach Menü \"Drucken|Text einfügen\"!");
}

View3DParams ChangedView(View3DParams v, ViewChange change) {
  const Extended root2 = std::sqrt(static_cast<Extended>(2));
  switch (change) {
    case ViewChange::AlphaUp: v.alpha += 5; break;
    case ViewChange::AlphaDown: v.alpha -= 5; break;
    case ViewChange::UnitXUp: v.k *= root2; break;
    case ViewChange::UnitXDown: v.k /= root2; break;
    case ViewChange::UnitYUp: v.ley *= root2; break;
    case ViewChange::UnitYDown: v.ley /= root2; break;
    case ViewChange::UnitZUp: v.lez *= root2; break;
    case ViewChange::UnitZDown: v.lez /= root2; break;
    case ViewChange::Down: v.shiftVertical -= 1; break;
    case ViewChange::Up: v.shiftVertical += 1; break;
    case ViewChange::Right: v.shiftHorizontal += 1; break;
    case ViewChange::Left: v.shiftHorizontal -= 1; break;
  }
  return v;
}

std::string LastErrorReport(const std::string& mathError) {
  if (mathError.empty()) return "Es ist kein Fehler aufgetreten";
  return Cp1252("Ungültige Funktionswerte werden nicht gezeichnet (zum Beispiel f(0) für f(x)=1/x).\r"
                "Beim Schaubild berechnen wurde gemeldet:") +
         mathError;
}

}  // namespace lumatik

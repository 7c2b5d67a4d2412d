#include "draw3d/scene_commands.h"

#include "draw3d/scene_view.h"
#include "shell/codepage.h"

namespace lumatik {

std::optional<SceneDrawing> DrawWorksheetScene(const std::vector<std::string>& lines,
                                               const std::optional<View3DParams>& stored, bool standardUnits,
                                               Canvas& canvas, const SceneTarget& target, const SceneColours& colours) {
  if (lines.empty()) return std::nullopt;
  return Draw3DScene(lines, ViewForDrawing(stored, standardUnits), canvas, target, colours);
}

std::optional<SceneDrawing> DrawWithChangedView(const std::vector<std::string>& lines,
                                                const std::optional<View3DParams>& stored, ViewChange change,
                                                Canvas& canvas, const SceneTarget& target,
                                                const SceneColours& colours) {
  if (!stored) return std::nullopt;
  return Draw3DScene(lines, ChangedView(*stored, change), canvas, target, colours);
}

std::string ProposedExampleLine(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  struct Example {
    const char* keyword;
    const char* line;
  };
  constexpr Example kExamples[] = {
      {"KREIS", "KREIS M(6|5.5|6) r=2 n=(0 1 1)"},
      {"DREIECK", "DREIECK A(1|0|1) B(11|7|5) C(2|3|2)"},
      {"SPAT", "SPAT A(2|-1|1) B(4|-1|1) D(2|-3|1) E(3|-1|4)"},
      {"KUGEL", "KUGEL M(2|9|2) r=2"},
  };
  for (const Example& example : kExamples) {
    if (text.find(example.keyword) == std::string::npos) return example.line;
  }
  return {};
}

std::string ExampleDialogCaption() { return "Punkt, Gerade, ..."; }

std::string ExampleDialogLabel() { return Cp1252("Wählen Sie eine Zeile aus (Mit Maus anklicken!)"); }

std::string ExampleDialogExplanation() {
  return Cp1252(
      "Punkt S(7 2 3) (\" \" bedeutet \"|\" bzw. \",\")\r\n"
      "PUNKT S(7|2|3) (Grossschrift heißt stets: Mit Fußpunkt[gelb])\r\n"
      "Strecke A(2|3|6) B(0|6|5,5)\r\n"
      "Gerade A(2|3|6) u(-2|3|-1,5)\r\n"
      "DREIECK A(1|0|1) B(11|7|5) C(2|3|2)\r\n"
      "Parallelogramm A(5|7|7) B(5|10|7) C(4|8|5)\r\n"
      "(vierter Punkt wird nach \"Zeichne\" hier eingetragen)\r\n"
      "KREIS M(6|5.5|6) r=2 in Ebene mit Normalenvektor n=(0 1 1)\r\n"
      "KUGEL M(2|9|2) r=2\r\n"
      "SPAT A(2|-1|1) B(4|-1|1) D(2|-3|1) E(3|-1|4)\r\n"
      "(Spat ABCD-EFGH mit Kanten AB, AE ... Punkte werden eingetragen)\r\n"
      "TETRAEDER A(-1 1 0) B(8 0 0) C(0 6 0) D(0 0 6)\r\n"
      "---------------------------------------------------------\r\n"
      "Wichtig ist die Schreibweise:\r\n"
      "Alle Buchstaben groß: Lage über der x1-x2-Ebene wird veranschaulicht.\r\n"
      "Durch Ihre Auswahl wird eine eine Zeile im Zeichenblatt zugefügt.\r\n"
      "Klicken Sie dann auf \"Zeichne\"!\r\n"
      "Eventl. vorher \"Alles löschen\".\r\n"
      "Beim Parallelogramm und Spat sind nach \"Zeichne\" die fehlenden Punkte berechnet.");
}

void AcceptExampleLine(std::vector<std::string>& lines, const std::string& edited) { lines.push_back(edited); }

}  // namespace lumatik

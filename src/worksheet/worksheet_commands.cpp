#include "worksheet/worksheet_commands.h"

#include <exception>
#include <new>

#include "shell/codepage.h"
#include "worksheet/continued_fraction.h"
#include "worksheet/equations.h"
#include "worksheet/linear_system.h"
#include "worksheet/pythagorean.h"

namespace lumatik {

namespace {

WorksheetMenuItem Item(const char* caption, const char* handler, WorksheetCommandFunction run = {}) {
  return WorksheetMenuItem{Cp1252(caption), handler, std::move(run), {}, false, true};
}

// An item whose computation is still to be built, or bound later by the
// subsystem that owns it: present, but switched off until then.
WorksheetMenuItem Unbuilt(const char* caption, const char* handler) {
  WorksheetMenuItem item = Item(caption, handler);
  item.built = false;
  return item;
}

WorksheetCommandFunction Example(LinearSystemExample example) {
  return [example](Worksheet& sheet) { WriteLinearSystemExample(sheet, example); };
}

std::vector<WorksheetMenuInfo> BuildMenus() {
  std::vector<WorksheetMenuInfo> menus;

  WorksheetMenuInfo datei{WorksheetMenu::Datei, "Datei1", "Datei", {}, {}, {}};
  datei.items = {Item("Einlesen", "Einlesen1Click"), Item("Speichern", "Speichern1Click"),
                 Item("Drucken …", "Drucken1Click"), Item("Blatt zu oberst", "Blattzuoberst1Click"), Item("Schließen", "Schlieen1Click")};
  datei.items.back().separatorBefore = true;
  menus.push_back(std::move(datei));

  menus.push_back({WorksheetMenu::AllesLoeschen, "Alleslschen1", Cp1252("Alles löschen"), "Alleslschen1Click",
                   ClearWorksheet, {}});

  WorksheetMenuInfo algebra{WorksheetMenu::Algebra, "MAlgebra", "Algebra", {}, {}, {}};
  algebra.items = {Item("Polynommultiplikation", "Polynommultiplikation1Click", PolynomialProduct)};
  menus.push_back(std::move(algebra));

  WorksheetMenuInfo lsg{WorksheetMenu::LSG, "MLSG1", "LSG", {}, {}, {}};
  lsg.items = {
      Item("Rechne Lin. Gl.-System allgemein", "RechneLSG1Click", SolveLinearSystem),
      Item("Beispiel LGS 2*2", "LinGlZweiMalZweiClick", Example(LinearSystemExample::TwoByTwo)),
      Item("Beispiel LGS 3*3", "LinGlZweiMalZweiClick", Example(LinearSystemExample::ThreeByThree)),
      Item("Beispiel LGS 5*4", "LinGlZweiMalZweiClick", Example(LinearSystemExample::FiveByFour)),
      Item("Beispiel LGS 8*8", "LinGlZweiMalZweiClick", Example(LinearSystemExample::EightByEight)),
      Item("Beispiel LGS  11*4", "LinGlZweiMalZweiClick", Example(LinearSystemExample::ElevenByFour)),
  };
  menus.push_back(std::move(lsg));

  WorksheetMenuInfo equations{WorksheetMenu::Gleichungen, "MGleichungen", "Gleichungen", {}, {}, {}};
  equations.items = {
      Item("quadratische Gleichung", "quadreatischeGleichung1Click", SolveQuadraticEquation),
      Item("red. kubische Gleichung", "redkubischeGleichung1Click", SolveReducedCubic),
      Item("kubische Gleichung", "kubischeGleichung1Click", SolveCubicEquation),
      Item("Gleichung 4. Grades", "Gleichung4Grades1Click", SolveQuarticEquation),
      Item("beliebige Gleichung", "beliebigeGleichung1Click", PointToPlotter),
      Item("Pythagoreische Zahlentripel", "PythagoreischeZahlentripel1Click", PythagoreanTriples),
      Item("pythagoräische Zahlenquadrupel", "pythagorischeZahlenquadrupel1Click", PythagoreanQuadruples),
  };
  menus.push_back(std::move(equations));

  // The geometry binds its computations into this menu (BindGeometryCommands).
  WorksheetMenuInfo geometry{WorksheetMenu::Geometrie, "MGeometrie", "Geometrie", {}, {}, {}};
  geometry.items = {
      Unbuilt("Ebene x=p+s*u+t*v", "RechneEbene1Click"),
      Unbuilt("Ebene ABC", "RechneEbene1Click"),
      Unbuilt("Ebene ax1+bx2+cx3=d", "Ebeneax1bx2cx3d1Click"),
      Unbuilt("Vektor", "Vektor1Click"),
      Unbuilt("Zwei Vektoren", "Vektor1Click"),
      Unbuilt("Abstand Punkt Ebene", "AbstandPunktEbene1Click"),
      Unbuilt("Abstand Punkt Gerade", "AbstandPunktGerade1Click"),
      Unbuilt("Gerade Ebene", "GeradeEbene1Click"),
      Unbuilt("zwei Geraden", "zweiGeraden1Click"),
      Unbuilt("Gerade-Kugel", "GeradeKugel1Click"),
      Unbuilt("Dreieck", "Rechne1Click"),
      Unbuilt("Kugel durch ABCD", "KugeldurchABCD1Click"),
      Unbuilt("Zeichne", "Zeichne1Click"),
  };
  menus.push_back(std::move(geometry));

  WorksheetMenuInfo drawing{WorksheetMenu::Zeichnen3D, "M3DZeichnen", "3D-Zeichnen", {}, {}, {}};
  drawing.items = {Unbuilt("Zeichne", "Zeichne1Click"), Unbuilt("Zeichne mit Standardeinheiten", "Zeichne1Click"),
                   Unbuilt("Beispiele", "Beispiele1Click")};
  drawing.items.front().shortcut = "Ctrl+Z";
  menus.push_back(std::move(drawing));

  // Opening the menu itself explains on an empty worksheet. "Eingabe
  // Kettenbruch" hands its value to the calculator: the window's business.
  WorksheetMenuInfo fractions{WorksheetMenu::Kettenbrueche, "Kettenbrche1", Cp1252("Kettenbrüche"),
                              "Kettenbrche1Click", ContinuedFractionMenu, {}};
  fractions.items = {Item("Erläuterung Kettenbruch", "ErluterungKettenbruch1Click", ExplainContinuedFraction),
                     Item("Rechne Kettenbruch", "RechneKettenbruch1Click", ComputeContinuedFraction),
                     Item("Eingabe Kettenbruch", "EingabeKettenbruch1Click")};
  menus.push_back(std::move(fractions));

  menus.push_back({WorksheetMenu::Erlaeuterung, "MErluterung3", Cp1252("Erläuterung"), "MErluterung3Click",
                   ExplainWorksheet, {}});
  return menus;
}

}  // namespace

namespace {

std::vector<WorksheetMenuInfo>& MenuTable() {
  static std::vector<WorksheetMenuInfo> menus = BuildMenus();
  return menus;
}

}  // namespace

const std::vector<WorksheetMenuInfo>& WorksheetMenus() { return MenuTable(); }

bool BindWorksheetCommand(WorksheetMenu menu, const std::string& caption, WorksheetCommandFunction run) {
  for (WorksheetMenuInfo& info : MenuTable()) {
    if (info.menu != menu) continue;
    for (WorksheetMenuItem& item : info.items) {
      if (item.caption != caption) continue;
      item.run = std::move(run);
      item.built = static_cast<bool>(item.run);
      return true;
    }
  }
  return false;
}

bool WorksheetMenuShown(WorksheetMenu menu, int area) {
  switch (menu) {
    case WorksheetMenu::Datei:
    case WorksheetMenu::AllesLoeschen:
    case WorksheetMenu::Erlaeuterung:
      return true;
    case WorksheetMenu::LSG: return area == 1;
    case WorksheetMenu::Gleichungen: return area == 2;
    case WorksheetMenu::Geometrie: return area == 3;
    case WorksheetMenu::Kettenbrueche: return area == 5;
    case WorksheetMenu::Algebra: return area == 6;
    // Shown unless the area hides it: areas other than 1 to 6 keep it.
    case WorksheetMenu::Zeichnen3D: return area != 1 && area != 2 && area != 5 && area != 6;
  }
  return false;
}

char WorksheetSettingsLetter(int area) {
  switch (area) {
    case 1: return 'l';
    case 2: return 'c';
    case 3: return 'g';
    case 4: return 'd';
    case 6: return 'a';
    default: return 0;
  }
}

std::string WorksheetCaption(int area) {
  switch (area) {
    case 1: return "Linare Gleichungssysteme";
    case 2: return "quadratische Gleichung und Gleichungen 3. und 4. Grades";
    case 3: return "Geraden, Ebenen und Kugeln im Raum";
    case 4: return Cp1252("Dreidimensionale Körper zeichnen");
    // Without a caption of its own the area kept the one of the area before.
    case 5: return Cp1252("Kettenbrüche");
    case 6: return "Algebra";
    default: return std::string();
  }
}

std::string WorksheetPrintTitle(int area) {
  if (area == 5) return Cp1252("Kettenbrüche");
  const std::string caption = WorksheetCaption(area);
  return caption.empty() ? std::string("Arbeitsblatt") : caption;
}

WorksheetCommandLookup FindWorksheetCommand(int area, const std::string& caption) {
  for (const WorksheetMenuInfo& menu : WorksheetMenus()) {
    if (!WorksheetMenuShown(menu.menu, area)) continue;
    if (menu.items.empty() && menu.caption == caption) return {true, menu.run};
    for (const WorksheetMenuItem& item : menu.items) {
      if (item.caption == caption) return {true, item.run};
    }
  }
  return {};
}

Worksheet RunWorksheetCommand(const WorksheetCommandFunction& command, std::vector<std::string> lines, int area) {
  return RunWorksheetCommand(command, Worksheet(std::move(lines), area));
}

Worksheet RunWorksheetCommand(const WorksheetCommandFunction& command, Worksheet sheet) {
  if (!command) return sheet;
  // A computation that fails (a square root of a clearly negative value)
  // ends the command with its message; what it wrote so far stays.
  try {
    command(sheet);
  } catch (const std::bad_alloc&) {
    throw;  // out of memory is no message for the worksheet
  } catch (const std::exception& failure) {
    sheet.hint(failure.what());
  }
  return sheet;
}

void ClearWorksheet(Worksheet& sheet) { sheet.clear(); }

void ExplainWorksheet(Worksheet& sheet) {
  sheet.hint(Cp1252(
      "Klicken Sie auf \"Alles löschen\"!\r"
      "Dann auf ihr gewünschtes Menü:\r"
      "Es wird Ihnen nun ein Beispiel gezeigt (und erst beim 2. Anklicken gerechnet).\r"
      "Ändern Sie dort die Werte und klicken Sie noch einmal den Programmpunkt an!\r"
      "Dann wird mit Ihren Werten gerechnet.\r"
      "Tipp: Manchmal ist eine Veranschaulichung mit \"Zeichne\" nützlich."));
}

}  // namespace lumatik

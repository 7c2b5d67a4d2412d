// The example systems of the "LSG" menu and the footer that explains the
// input conventions below each of them.

#include <vector>

#include "shell/codepage.h"
#include "worksheet/linear_system.h"

namespace lumatik {

namespace {

constexpr const char* kExplanation = "Nach Klicken auf \"Rechne\" wird das folgende Gleichungssystem gelöst.";
constexpr const char* kStars42 = "******************************************";

const std::vector<const char*>& ExampleLines(LinearSystemExample example) {
  static const std::vector<const char*> twoByTwo = {
      "n=2 (Zahl der Unbekannten) m=2 (Zahl der Gleichungen)",
      "5   -7  |9",
      "-3   2  |4",
      kExplanation,
      kStars42,
      "5*x1  - 7*x2 =9",
      "-3*x1 + 2*x2 =4",
  };
  static const std::vector<const char*> threeByThree = {
      "n=3 (Zahl der Unbekannten) m=3 (Zahl der Gleichungen)",
      "5   -7  1 | 9",
      "-3   2  3 | 4",
      "2    3  4 | 0",
      kExplanation,
      kStars42,
      "5*x1 - 7*x2 + 1*x3 = 9",
      "-3x1 + 2*x2 + 3*x3 = 4",
      "2*x1 + 3*x2 + 4*x3 = 0",
  };
  static const std::vector<const char*> fiveByFour = {
      "n=5 (Zahl der Unbekannten) m=4 (Zahl der Gleichungen)",
      "1/2   -0.5   0      0     -0,5     |1/2",
      "0      0     -1      1     -1      |1/3",
      "10/9   0    -20/9    0     10/9    |1/4",
      "0     20      0    -10    -10      |1/5",
      "******* Lineare Gleichungssysteme ********",
      "Die Koeffizienten des LGS stehen in den ersten Zeilen.",
      "Es handelt sich um 4 Gleichungen mit 5 Unbekannten.",
      kExplanation,
      kStars42,
      "1/2*x1  - 0,5*x2              -0,5*x5=1/2",
      "        ...",
      "           20*x2      -10*x4 - 10 *x5=1/5",
  };
  static const std::vector<const char*> eightByEight = {
      "n=8 m=8",
      " 3   1  -2  -4  -3  -1  -3   0  0",
      " 0   0   0  -4  -1   1  -2   0  0",
      " 0   0   1  -2  -2   0  -1   0  0",
      " 0   0   0  -3   2   0   0   0  0",
      "-1   2   0   1   0  -1  -2  -1  0",
      "-1   0   0   0  -1  -1  -1   1  0",
      "-1   0   0   0  -1   1   0   0  0",
      " 2  -1   2   3   1   0   1  -1  0",
  };
  static const std::vector<const char*> elevenByFour = {
      "n=11  m=4",
      "0  1  0  1  0  0  0 -1 -10   0   0  0",
      "0 -1  1  0  0  0  1  0   1 -10   0  0",
      "0  1 -1  0  0  1  0  0   0   1 -10  0",
      "1  0  0  0 -9 -1  0  0   0   0   1  0",
  };
  switch (example) {
    case LinearSystemExample::TwoByTwo: return twoByTwo;
    case LinearSystemExample::ThreeByThree: return threeByThree;
    case LinearSystemExample::FiveByFour: return fiveByFour;
    case LinearSystemExample::EightByEight: return eightByEight;
    case LinearSystemExample::ElevenByFour: break;
  }
  return elevenByFour;
}

constexpr const char* kFooter[] = {
    "*************************************************",
    "*    Jetzt auf \"Rechne Lin. Gl.-System\" klicken *",
    "*       (vorher Koeffizienten ändern)           *",
    "*************************************************",
    "Es wird versucht, ganzzahlig auf der linken Seite zu rechnen und das Ergebnis",
    "als Bruch auszugeben.",
    "Tipps *: Löschen Sie vorher dieses Feld mit \"alles löschen\".",
    "      *: Übertragen Sie die Aufgabe und Ergebnisse mit \"Kopieren\" und \"Einfügen\".",
    "      *: Der Trennstrich \"|\" kann, muss aber nicht eingegeben sein.",
    "      *: Brüche - allgemein alle Rechenausdrücke ohne Leerstelle- sind erlaubt.",
    "      *: Dezimalzahlen sind mit Punkt oder Komma erlaubt.",
    "      *: Die Probe rechnet mit dem Ausgangsgleichungssystem.",
};

}  // namespace

// Also what "Rechne" writes on an empty worksheet, so it skips the
// emptiness test of the menu items.
void AppendLinearSystemExample(Worksheet& sheet, LinearSystemExample example) {
  for (const char* line : ExampleLines(example)) sheet.append(Cp1252(line));
  for (const char* line : kFooter) sheet.append(Cp1252(line));
}

void WriteLinearSystemExample(Worksheet& sheet, LinearSystemExample example) {
  if (!sheet.isEmpty()) {
    sheet.message(Cp1252("Zuerst \"Alles löschen\"!"));
    return;
  }
  sheet.clear();
  AppendLinearSystemExample(sheet, example);
}

}  // namespace lumatik

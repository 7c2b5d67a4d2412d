#pragma once

// The curve discussion's own texts (UTF-8 here; callers convert them with
// Cp1252 where they enter the core's Windows-1252 text).

namespace lumatik::discusstexts {

// Headings of the worked list.
inline constexpr const char* kZeroHeading = "Nullstellen (f(x)=0 und VZW von f):";
inline constexpr const char* kNoZero = "Keine Nullstelle mit Vorzeichenwechsel von f gefunden.";
inline constexpr const char* kTangentHeading = "Punkte mit waagrechter Tangente (f'(x)=0 und VZW von f'):";
inline constexpr const char* kNoTangent = "Keine Punkte mit f'(x)=0 und Vorzeichenwechsel von f' gefunden";
inline constexpr const char* kInflectionHeading = "Wendepunkte (f''(x)=0 und VZW von f''):";
inline constexpr const char* kNoInflection =
    "Keine Punkte mit f''(x)=0 und Vorzeichenwechsel von f'' gefunden";
inline constexpr const char* kAxisSymmetry = "Achsensymmetrisch zu x = ";
inline constexpr const char* kPointSymmetry = "Punktsymmetrisch zu S(";
inline constexpr const char* kLocal = "(lokal)";

// The value table.
inline constexpr const char* kTableHeader = " x       f(x)           f'(x)";

// The Simpson integral's input lines in the memo.
inline constexpr const char* kLowerBoundLabel = "Integralgrenze x1 =";
inline constexpr const char* kUpperBoundLabel = "Integralgrenze x2 =";
inline constexpr const char* kStripsLabel = "Simpsonschritte pro Einheit n =";
inline constexpr const char* kLowerBoundDefault = "Integralgrenze x1 = -5";
inline constexpr const char* kUpperBoundDefault = "Integralgrenze x2 =  5";
inline constexpr const char* kStripsDefault = "Simpsonschritte pro Einheit n = 100";
inline constexpr const char* kWrongIntegralValues = "Falsche Werte für x1, x2 oder n";
inline constexpr const char* kNoIntegralAtPole = "Integral existiert nicht: Polstelle bei x = ";
inline constexpr const char* kExactIntegral = "exakt (aus der Stammfunktion): ";
inline constexpr const char* kGap = "Lücke bei x = ";
inline constexpr const char* kGapReason = " (f ist dort nicht definiert)";
inline constexpr const char* kJump = "Sprungstelle bei x = ";
inline constexpr const char* kReversed = " (Grenzen vertauscht)";

// The window's help text of "?", one entry per memo line.
inline constexpr const char* kHelpLines[] = {
    "Geben Sie das Intervall [a,b] ein, in dem",
    "die Nullstellen liegen sollen.",
    "",
    "Damit alle Nullstellen erfasst werden,",
    "muss noch der minimale Abstand d der",
    "Nullstellen angegeben werden.",
    "Das Programm prüft dann von a bis b",
    "mit der Schrittweite d, ob ein",
    "Vorzeichenwechsel vorkommt.",
    "Sobald dies erkannt wurde,",
    "wird die Nullstelle berechnet",
    "(Intervallhalbierungsverfahren.)",
    "",
    "Bei entdeckten Hoch-, Tief- , Wendepunkten und Polstellen",
    "wird lokal auf Symmetrie geprüft. (10 Werte)",
};

// What "Stop" shows when it ends a run.
inline constexpr const char* kStopped = "Abbruch";

// Refusals of numbers that would never let a loop end.
inline constexpr const char* kStepNotPositive = "Die Schrittweite muss eine Zahl größer als 0 sein!";
inline constexpr const char* kStepTooSmall =
    "Die Schrittweite ist für dieses Intervall zu klein: x + Schrittweite ergibt wieder x.";
inline constexpr const char* kBoundsNoNumbers = "Die Intervallgrenzen müssen Zahlen sein!";

}  // namespace lumatik::discusstexts

#pragma once

// The calculator window's own texts, in UTF-8 as the window shows them.
// Blanks inside the lines line up in the fixed-pitch memo: keep them.

namespace lumatik {

// Lines end with a lone CR, as in every message box of the program.
inline constexpr const char* kExamplesMessage =
    "Alle Standardfunktionen sind verfügbar. Zusätzlich: \r"
    "Siehe Menü \"Hinweise\" und Fenster \"Verlauf\".\r"
    "\r"
    "Schreiben Sie den Rechenausdruck in das erste Feld und klicken Sie \"Rechne\" an!\r"
    "(Statt Menü \"Rechne\" genügt auch; Eingabetaste betätigen.)\r"
    "\r"
    "oder: Holen Sie aus dem Fenster \"Verlauf\" durch Mausklick auf eine Zeile hoch.\r"
    "Klicken Sie -falls sinnvoll- auf \"PFZ\" oder \"als Wurzel\"\r"
    "\r"
    "Die Größe des Fensters \"Verlauf\" wird mit Menü \"Verlauf...\" geändert.";

// "Beispiele" fills the history with these; a click recalls the part before "=".
inline constexpr const char* kExamples[] = {
    "2*8,5+4*(27.3-3/2)  =(Komma oder Punkt für Dezimalzahlen)",
    "1'1/2+4'5/22      =(gemischte Zahlen mit Hochkomma oder \"#\")",
    "sqrt(32/225)*sqrt(21)   = statt \"sqrt\" auch \"wur\" möglich",
    "sin(45°)    = (oder)  si_(45) Winkel im Gradmaß",
    "sin(Pi/4)   = interessant \"als Wurzel\"",
    "tan(Pi/12)  = 0,267 949 192 431 122 706 = 2-sqrt(3)",
    "2^19-1      = interessant PFZ",
    "PrZ(2^16)   = die 65536. Primzahl",
    "fak(15)     = 15!",
    "Hier k = 6",
    "nue(6)      = (n über k) n als Parameter gesetzt",
    "Bin(6)      = (n über k)*p^k*(1-p)^(n-k)",
    "BiS(6)      = Summe (n über i) .... (i = 0 bis k)",
    "Phi(1)      = Wahrscheinlichkeitsintegral (sieheHinweise)",
    "GSU(1)      = Gauß'sche Summenfunktion (siehe Hinweise)",
    "AGM(6)      = Aritmetisch-Geometrisches Mittel von a und x",
};

// "Hinweis": the function overview, one line per entry.
inline constexpr const char* kHintLines[] = {
    "In das erste Feld einen passenden Term eingeben und auf \"Rechne\" klicken!,",
    "Gegebenenfalls auf \"PFZ\" und \"alsWurzel\".",
    "",
    "Siehe auch \"Beispiele\"",
    "",
    "Folgende Funktionen sind implementiert:",
    "",
    "       Standardfunktionen",
    "",
    "abs(x) wur(x)=sqrt(x) sgn(x)   Betrag,Wurzel,Signum",
    "int(x) rou(x)=round(x) exp(x)  Gaußsche Klammerfunktion,Runde, e hoch x",
    "ln(x)  lg(x)  lb(x)            nat. Logarithmus,10-Logarithmus, 2-Lograithmus",
    "PrZ(x)                         die x.te Primzahl PrZ(1)=2 ... PrZ(6)=13 ...",
    "",
    "       trigonometrische Funktionen",
    "",
    "sin(x) cos(x) tan(x)           im Bogenmaß",
    "si_(x) co_(x) ta_(x)           im Gradmaß (Hier Zum Beispiel LEx=1/90)",
    "",
    "       Arcus-Funktionen",
    "",
    "atn(x) asn(x) acs(x)           Ergebnis: Bogenmaß",
    "at_(x) as_(x) ac_(x)           Ergebnis: Gradmaß",
    "",
    "       Statistik",
    "",
    "fak(x) nue(x)                  Fakultät, n ueber x (n als Parameter)",
    "Bin(x)                         (n über x)*p^x*q^(n-x) (n und p als Parameter",
    "BiS(x)                         P(X<=x) bei Binominialverteilung",
    "Phi(x)                         Wahrscheinlichkeitsintegral = 2/sqrt(2*Pi)*Int_von(0)bis(x)  (exp(-t^2/2))dt",
    "GSU(x)                         Gausssche Summenfunktion    = 1/sqrt(2*Pi)*Int_von(-oo)bis(x)(exp(-t^2/2))dt",
    "AGM(x)                         Arithmetisch-Geometrisches Mittel M(a,x) (a Parameter)",
    "Weitere Funktionen gewünsch: Spezialversion anfordern bei.",
};

inline constexpr const char* kRecallMessage =
    "Bei jedem Klick auf \"Rechne\" wird der Rechenausdruck mit Rechnung im Feld \"Verlauf\" gespeichert. Wenn Du die Rechnung abändern willst, dann klicke auf die Zeile im \"Verlaufsfeld\", um den Rechenausdruck zurückzuholen!";

}  // namespace lumatik

#pragma once

// The function input window's own texts (UTF-8 here; the windows convert
// them). A lone \r is a line break in the plotter's messages.

namespace lumatik::plottexts {

inline constexpr const char* kDefaultFunction = "1/3*x^3-3*x";

inline constexpr const char* kHinweise =
    "Bei Klick auf das Schaubild erscheint oder verschwindet das Menü.\r\r"
    "Beliebig viele Funktionen können gezeichnet werden. Siehe Liste.\r"
    "Wenn Schaubild der Ableitung gewünscht: Kästchen aktivieren.\r"
    "Die Längeneinheiten der x- und y-Achse bei LEx und LEy eingeben.\r"
    "Soll O(0|0) nicht in der Mitte M(..|..) sein: Koordinaten von M ändern!\r\r"
    "Folgende Funktionen sind implementiert:\r\r"
    "       Standardfunktionen\r\r"
    "abs(x) wur(x)=sqrt(x) sgn(x)   Betrag,Wurzel,Signum\r"
    "int(x) rou(x)=round(x) exp(x)  Gaußsche Klammerfunktion,Runde, e hoch x\r"
    "ln(x)  lg(x)  lb(x)            nat. Logarithmus,10-Logarithmus, 2-Lograithmus\r"
    "PrZ(x)                         die x.te Primzahl PrZ(1)=2 ... PrZ(6)=13 ...\r\r"
    "       trigonometrische Funktionen\r\r"
    "sin(x) cos(x) tan(x)           im Bogenmaß\r"
    "si_(x) co_(x) ta_(x)           im Gradmaß (Hier Zum Beispiel LEx=1/90)\r\r"
    "       Arcus-Funktionen\r\r"
    "atn(x) asn(x) acs(x)           Ergebnis: Bogenmaß\r"
    "at_(x) as_(x) ac_(x)           Ergebnis: Gradmaß\r\r"
    "       Statistik\r\r"
    "fak(x) nue(x)                  Fakultät, n ueber x (n als Parameter)\r"
    "Bin(x)                         (n über x)*p^x*q^(n-x) (n und p als Parameter\r"
    "BiS(x)                         P(X<=x) bei Binominialverteilung\r"
    "Phi(x)                         Wahrscheinlichkeitsintegral = 2/sqrt(2*Pi)*Int_von(0)bis(x)  "
    "(exp(-t^2/2))dt\r"
    "GSU(x)                         Gausssche Summenfunktion    = 1/sqrt(2*Pi)*Int_von(-oo)bis(x)"
    "(exp(-t^2/2))dt\r"
    "AGM(x)                         Arithmetisch-Geometrisches Mittel M(a,x) (a Parameter)\r"
    "Weitere Funktionen gewünsch: Spezialversion anfordern bei.";

inline constexpr const char* kSchrittweiteCaption = "Eingabe Schrittweite";
inline constexpr const char* kSchrittweiteLabel = "Funktionswerte pro cm";
inline constexpr const char* kSchrittweiteText =
    "Geben Sie an, wieviel Funktionswerte pro cm berechnet werden sollen.\r"
    "Je mehr, um so genauer und langsamer.\rEmpfehlung: 50 bis 400.";
inline constexpr const char* kSehrWenig = "sehr wenig!";
inline constexpr const char* kLangeWartezeiten = "Machen Sie sich auf lange Wartezeiten bereit!";

inline constexpr const char* kTextEinfuegen =
    "Klicke mit der rechten Maustaste an die Position, bei der der Text erscheinen soll.\r"
    "Achtung: In der Liste kann der Text wieder gelöscht werden!\r(Entsprechende Zeile löschen!)";

inline constexpr const char* kMitAbleitung =
    "Das Kästchen \"auch Ableitung\" ist aktiviert.\r"
    "Sie sehen das Schaubild der Ableitung in roter Farbe.\r"
    "Das Skipt wird unter \"Datei|Liste\" bearbeitet.\r"
    "Durch Mausklick auf das Schaubild entfernen Sie störende eingeblendete Fenster\r"
    "oder holen das Menü wieder zurück!";
inline constexpr const char* kAbschnittweise =
    "Hinter dem Funktionsterm kann das Intervall [a;b], auf dem \r"
    "die Funktion definiert ist, angegeben werden.\r"
    "In der Liste sind die Abschnitte der Funktion angegeben.";
inline constexpr const char* kMitParameter = "Zwischen Term und Parameter müssen mindestens zwei Leerzeichen sein!";

inline constexpr const char* kMenuHint =
    "Das Menü wird mit \"KLick auf beliebige Stelle des Schaubildes\" an der alten Stelle eingeblendet.";

}  // namespace lumatik::plottexts

#include "discuss/discussion_examples.h"

#include "shell/codepage.h"

namespace lumatik {

namespace {

constexpr const char* kWholeRational = "2*x^4-20*x^3+70*x^2-100*x+47";

const std::array<DiscussionExample, 9> kExamples{{
    {"Beispiel ganzr. Funktion", kWholeRational, "-5", "5", "1/5", false},
    {"Beispiel gebr. rat. Polstellen", "1/(x^2 - 2)", "-5", "5", "1/5", false},
    {"Beispiel trigonometrische Funktion", "-cos(2*x)+2*sin(x)-1/2", "-5", "5", "1/5", false},
    {"Beispiel e-Funktion", "x*exp(2-x)", "-5", "5", "1/5", false},
    {"Beispiel ln-Funktion", "2*ln(x)/x", "-5", "5", "1/5", false},
    {"Beispiel falsche Eingabe", kWholeRational, "-5", "5", "1", false},
    {"Beispiel unstetige Funktion", "x/5 - int(x/5) - 1/2", "-5", "5", "1/5", false},
    {"Beispiel y=(x-2)^2", "(x-2)^2", "-5", "5", "1/5", false},
    {"Beispiel Integral", "-x^4+8/3*x^3-16/9*x^2+24/9*x-7/9", "-5", "5", "1/5", true},
}};

}  // namespace

const std::array<DiscussionExample, 9>& DiscussionExamples() { return kExamples; }

const DiscussionExample* FindDiscussionExample(const std::string& caption) {
  for (const DiscussionExample& example : kExamples)
    if (caption == example.caption) return &example;
  return nullptr;
}

std::string ExampleMessage(const DiscussionExample& example) {
  const std::string caption = example.caption;
  if (caption == "Beispiel ganzr. Funktion")
    return Cp1252("Sie sehen am Schaubild, dass die Nullstellen der Funktion\r") + example.function + "\r" +
           "zwischen -5 und 5 liegen und der minimale Abstand " +
           Cp1252("zweier Nullstellen größer als 1/5 ist. \r\r") +
           "Die Funktion wird beim ersten Arbeitsblatt eingeben." +
           Cp1252("Dort können Sie auch die Längeneinheiten und den Mittelpunkt ") +
           Cp1252("des Schaubildes so lange verändern, bis Sie einen Überblick ") +
           Cp1252("über alle Nullstellen haben. Meistens genügt die Maßstabsveränderung ") +
           Cp1252("über \"+\" und \"-\" auf dem Arbeitsbalatt hier.\r\r") +
           "Die Werte -5, 5 und 1/5 werden hier eingetragen. \r\r" +
           "Klick auf \"Rechne\" ermittelt nun alle Nullstellen.";
  if (caption == "Beispiel y=(x-2)^2")
    return Cp1252(
        "Die Funktion hat keinen Vorzeichenwechsel. Die Nullstelle wird zufällig auf Grund des Wechsels "
        "des Monotonieverhaltens gefunden.");
  if (caption == "Beispiel unstetige Funktion") return "Zwar Vorzeichenwechsel aber keine Nullstelle";
  if (caption == "Beispiel falsche Eingabe")
    return Cp1252(
        "Der Abstand der Nullstellen ist zu groß eingeben. Hier ist der Abstand = 1. Dadurch werden "
        "zwei Nullstellen nicht entdeckt! (Das Programm sucht Vorzeichenwechel im angegeben "
        "Intervall.)");
  if (caption == "Beispiel gebr. rat. Polstellen")
    return Cp1252("Vorzeichenwechsel an Polstellen können zu falschen Ergebnissen führen.\r\n(Hier nicht!)");
  return "";
}

std::string ExampleListLine(const DiscussionExample& example) {
  return std::string("Text -2 5 12 |f(x)=") + example.function;
}

std::vector<std::string> IntegralExampleLines() {
  return {"Integralgrenze x1 = 1/3", "Integralgrenze x2 = 7/3", "Simpsonschritte pro Einheit n = 500"};
}

std::string IntegralExampleMessage() {
  return Cp1252("Der Tafel wurde zugefügt x1 = 1/3 und x2 = 7/3 (Nullstellen)\r") +
         "Damit wird das Integral von 1/3 bis 7/3 berechnet.";
}

}  // namespace lumatik

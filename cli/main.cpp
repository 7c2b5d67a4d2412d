// lumatik-cli: the program's computations without windows, for scripts and
// tests. Each command runs the same core functions as the window it mirrors.

#include <iostream>
#include <new>
#include <string>

#include "commands.h"
#include "geometry/geometry_commands.h"

namespace {

void PrintUsage() {
  std::cout << "lumatik-cli – Schulmathematik auf der Kommandozeile\n"
               "\n"
               "  lumatik-cli calc [--decimal=,|.] [--param name=term]... [--error] [--pfz | --root] TERM\n"
               "      rechnet TERM wie \"Rechne\" im Rechner und gibt die Verlaufszeile aus;\n"
               "      --pfz: die Zeile von \"PFZ\", --root: der Text von \"Als Wurzel\"\n"
               "\n"
               "  lumatik-cli plot [--lex T] [--ley T] [--mx T] [--my T] [--steps N] [--derivative] [--all]\n"
               "                   [--screen] [--size BxH] --out DATEI.png (--list DATEI | ZEILE...)\n"
               "      zeichnet Zeilen der Funktionsliste wie das Schaubild in ein PNG-Bild\n"
               "\n"
               "  lumatik-cli worksheet --area N [--decimal=,|.] --command \"MENÜPUNKT\" [DATEI]\n"
               "      führt einen Menüpunkt des Arbeitsblatts aus und gibt das Blatt aus\n"
               "\n"
               "  lumatik-cli discuss [--decimal=,|.] [--from A] [--to B] [--step D] [--table]\n"
               "                      [--integral X1,X2,N] TERM\n"
               "      Kurvendiskussion wie \"Diskussion\": Nullstellen, Extrem- und Wendepunkte, Symmetrie;\n"
               "      --table hängt die Wertetafel an, --integral das Simpson-Integral\n"
               "\n"
               "  lumatik-cli draw3d [--size BxH] [--screen] [--beispiel] [--standard] [--change MENÜPUNKT]...\n"
               "                     --out DATEI.png [BLATT]\n"
               "      zeichnet die 3D-Szene des Arbeitsblatts wie \"Zeichne\" in ein PNG-Bild\n"
               "\n"
               "  lumatik-cli --version\n"
               "      zeigt die Version\n"
               "\n"
               "Beispiele:\n"
               "  lumatik-cli calc \"-5/2*(14/22-17/21) +1.2\"\n"
               "  lumatik-cli calc --param x=5 --param a=1/3 --param b=-3 \"a*x^3+b*x\"\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h") {
    PrintUsage();
    return 0;
  }
  if (std::string(argv[1]) == "--version") {
    std::cout << "lumatik-cli " LUMATIK_VERSION "\n";
    return 0;
  }
  const std::string command = argv[1];
  // The geometry's worksheet commands are found through the command table.
  lumatik::BindGeometryCommands();
  lumatik::cli::Arguments args(argv + 2, argv + argc);
  // The computations turn every failure of their input into a message;
  // running out of memory is the one thing that ends a command.
  try {
    if (command == "calc") return lumatik::cli::RunCalc(args);
    if (command == "plot") return lumatik::cli::RunPlot(args);
    if (command == "worksheet") return lumatik::cli::RunWorksheet(args);
    if (command == "discuss") return lumatik::cli::RunDiscuss(args);
    if (command == "draw3d") return lumatik::cli::RunDraw3d(args);
  } catch (const std::bad_alloc&) {
    std::cerr << "Nicht genug Arbeitsspeicher\n";
    return 1;
  }
  std::cerr << "Unbekannter Befehl: " << command << "\n";
  PrintUsage();
  return 2;
}

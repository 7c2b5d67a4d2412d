// lumatik-cli plot: draws plot lines into a picture file the way the input
// window's redraw draws them into the graph window.

#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "commands.h"
#include "picture_output.h"
#include "expr/evaluate.h"
#include "plot/plotlist.h"
#include "plot/plotredraw.h"
#include "shell/codepage.h"
#include "shell/settingsfiles.h"

namespace lumatik::cli {

namespace {

void PrintPlotUsage() {
  std::cerr << "lumatik-cli plot [--lex T] [--ley T] [--mx T] [--my T] [--steps N] [--derivative] [--all]\n"
               "                 [--screen] [--size BxH] [--decimal=,|.] --out DATEI.png|.svg|.pdf\n"
               "                 (--list DATEI | ZEILE...)\n"
               "  zeichnet die Zeilen wie \"Schaubild\"; die erste Zeile steht im Funktionsfeld.\n"
               "  Schwarz auf Weiß, mit --screen Weiß auf Schwarz; Standardgröße 1600x1200.\n"
               "  Das Format folgt der Endung von --out: PNG, SVG oder PDF.\n";
}

}  // namespace

int RunPlot(Arguments args) {
  if (TakeFlag(args, "help")) {
    PrintPlotUsage();
    return 0;
  }
  if (!ApplyDecimalOption(args)) return 2;
  PlotFieldTexts fields;
  fields.lex = Utf8ToCp1252(TakeOption(args, "lex").value_or("1"));
  fields.ley = Utf8ToCp1252(TakeOption(args, "ley").value_or("1"));
  fields.x0 = Utf8ToCp1252(TakeOption(args, "mx").value_or("0"));
  fields.y0 = Utf8ToCp1252(TakeOption(args, "my").value_or("0"));
  RedrawOptions options;
  if (const auto steps = TakeOption(args, "steps")) {
    try {
      options.steps = std::stoi(*steps);
    } catch (const std::logic_error&) {  // no number, or out of range
      std::cerr << "--steps erwartet eine ganze Zahl\n";
      return 2;
    }
  }
  options.derivative = TakeFlag(args, "derivative");
  options.all = TakeFlag(args, "all");
  const bool screen = TakeFlag(args, "screen");
  options.blackCurves = !screen;
  int width = 1600;
  int height = 1200;
  if (const auto size = TakeOption(args, "size"); size && !ParsePictureSize(*size, width, height)) {
    std::cerr << "--size erwartet BREITExHÖHE, zum Beispiel 1600x1200\n";
    return 2;
  }
  const auto out = TakeOption(args, "out");
  const auto listFile = TakeOption(args, "list");
  if (!out) {
    PrintPlotUsage();
    return 2;
  }

  std::vector<std::string> list;
  if (listFile) {
    std::string refusal;
    if (!ReadTextLines(*listFile, list, &refusal)) {
      std::cerr << "Liste nicht lesbar: " << *listFile << "\n" << Cp1252ToUtf8(refusal) << "\n";
      return 1;
    }
    if (!args.empty()) {
      std::cerr << "Entweder --list oder Zeilen\n";
      return 2;
    }
  } else {
    for (const std::string& line : args) list.push_back(Utf8ToCp1252(line));
  }
  if (list.empty()) {
    PrintPlotUsage();
    return 2;
  }
  fields.function = list.front();

  const auto app = EnsureGuiApplication();
  RouteMessagesToStderr();
  MathErrorText().clear();
  AddCurrentToList(fields.function, list);

  const bool written = WritePictureFile(*out, width, height, screen, [&](Canvas& canvas) {
    ClearCanvas(canvas, screen ? kBlack : kWhite, width, height);
    RedrawPlotList(list, fields, options, canvas, PlotFrame{0, width, height});
  });
  if (!written) return 1;
  if (!MathErrorText().empty()) std::cerr << Cp1252ToUtf8(MathErrorText()) << "\n";
  return 0;
}

}  // namespace lumatik::cli

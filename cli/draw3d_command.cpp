// lumatik-cli draw3d: draws the scene lines of a worksheet into a picture
// file as "Zeichne" draws them into the graph window, and prints the
// worksheet as the drawing leaves it (with the points it computed).

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "commands.h"
#include "draw3d/scene_commands.h"
#include "draw3d/scene_view.h"
#include "picture_output.h"
#include "shell/codepage.h"
#include "shell/settingsfiles.h"

namespace lumatik::cli {

namespace {

void PrintDraw3dUsage() {
  std::cerr << "lumatik-cli draw3d [--size BxH] [--screen] [--decimal=,|.] [--beispiel] [--standard]\n"
               "                   [--change MEN\xC3\x9CPUNKT]... --out DATEI.png|.svg|.pdf [BLATT]\n"
               "  zeichnet die Szene des Arbeitsblatts wie \"Zeichne\" und gibt das Blatt danach aus.\n"
               "  --beispiel: vorher \"Beispiele\" mit \"Ok\" (die angebotene Zeile kommt dazu).\n"
               "  Schwarz auf Wei\xC3\x9F, mit --screen wie am Bildschirm; Standardgr\xC3\xB6\xC3\x9F" "e 1600x1200.\n"
               "  Das Format folgt der Endung von --out: PNG, SVG oder PDF.\n"
               "  --standard: danach \"Zeichne mit Standardeinheiten\"; --change: ein Punkt des\n"
               "  Kontextmen\xC3\xBCs des Schaubilds, z.B. --change \"Alpha vergr\xC3\xB6\xC3\x9F" "ern\".\n";
}

// Line breaks of the hint dialog (CR) as a terminal wants them.
std::string WithLineFeeds(std::string text) {
  for (char& c : text) {
    if (c == '\r') c = '\n';
  }
  return text;
}

}  // namespace

int RunDraw3d(Arguments args) {
  if (TakeFlag(args, "help")) {
    PrintDraw3dUsage();
    return 0;
  }
  if (!ApplyDecimalOption(args)) return 2;
  const bool screen = TakeFlag(args, "screen");
  const bool example = TakeFlag(args, "beispiel");
  const bool standardUnits = TakeFlag(args, "standard");
  std::vector<ViewChange> changes;
  for (const std::string& caption : TakeRepeatedOption(args, "change")) {
    const auto change = ViewChangeByCaption(Utf8ToCp1252(caption));
    if (!change) {
      std::cerr << "Das Kontextmen\xC3\xBC hat keinen Punkt \"" << caption << "\"\n";
      return 2;
    }
    changes.push_back(*change);
  }
  SceneTarget target;
  if (const auto size = TakeOption(args, "size"); size && !ParsePictureSize(*size, target.width, target.height)) {
    std::cerr << "--size erwartet BREITExH\xC3\x96HE, zum Beispiel 1600x1200\n";
    return 2;
  }
  const auto out = TakeOption(args, "out");
  if (!out || args.size() > 1) {
    PrintDraw3dUsage();
    return 2;
  }
  std::vector<std::string> lines;
  std::string refusal;
  if (!args.empty() && !ReadTextLines(args.front(), lines, &refusal)) {
    std::cerr << "Datei nicht lesbar: " << args.front() << '\n' << Cp1252ToUtf8(refusal) << '\n';
    return 1;
  }
  // "Zeichne" on an empty worksheet runs "Beispiele"; its line is taken as offered.
  if (example || lines.empty()) {
    const std::string proposal = ProposedExampleLine(lines);
    if (!proposal.empty()) AcceptExampleLine(lines, proposal);
  }

  const auto app = EnsureGuiApplication();
  RouteMessagesToStderr();
  const SceneColours colours = screen ? ScreenColours() : PaperColours();
  std::optional<SceneDrawing> drawing;
  const bool written = WritePictureFile(*out, target.width, target.height, screen, [&](Canvas& canvas) {
    drawing = DrawWorksheetScene(lines, std::nullopt, false, canvas, target, colours);
    if (standardUnits) drawing = DrawWorksheetScene(drawing->lines, drawing->view, true, canvas, target, colours);
    for (const ViewChange change : changes) {
      drawing = DrawWithChangedView(drawing->lines, drawing->view, change, canvas, target, colours);
    }
  });
  if (!written) return 1;
  if (!drawing->hint.empty()) std::cerr << Cp1252ToUtf8(WithLineFeeds(drawing->hint)) << '\n';
  for (const std::string& line : drawing->lines) PrintLine(line);
  return 0;
}

}  // namespace lumatik::cli

// The 3-D scene: worksheet lines drawn as "Zeichne" draws them, on the
// recording canvas, then with some of the graph window's view changes.
// Input: one byte of options ("Zeichne mit Standardeinheiten", screen or
// paper colours, how many view changes), one byte for the picture size,
// four bytes choosing the view changes, then the worksheet, one
// line per line.
// Contract: every coordinate within the pixel limit, pens and fonts in
// their ranges, the worksheet keeps its number of lines and each rewritten
// line stays a line of sensible length, no INF or NAN in a header or a
// rewritten point that the user did not type, the engine's messages only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "draw3d/scene_colours.h"
#include "draw3d/scene_commands.h"
#include "expr/evaluate.h"
#include "fuzz_support.h"
#include "plot/recording_canvas.h"

namespace lumatik::fuzz {
namespace {

// Enough lines for objects to meet in one picture; few enough for every
// input to stay far inside the time limit.
constexpr std::size_t kMaxLines = 6;
// A rewritten line adds at most the computed corners of a parallelepiped.
constexpr std::size_t kLongestGrowth = 600;

SceneTarget TargetOf(std::uint8_t choice) {
  // The sizes the command line accepts (16 x 12 to 10000 pixels) and the
  // screen sizes of common monitors.
  static const SceneTarget targets[] = {{1600, 1200}, {16, 12}, {1920, 1080}, {10000, 10000},
                                        {640, 480},   {17, 9999}, {1280, 1024}, {300, 2000}};
  return targets[choice % 8];
}

void CheckDrawing(const RecordingCanvas& canvas, const std::vector<std::string>& lines,
                  const std::optional<SceneDrawing>& drawing, const std::string& typed) {
  CheckCanvasOps(canvas, typed);
  const bool typedNonFinite = ShowsNonFinite(typed);
  if (drawing) {
    Require(drawing->lines.size() == lines.size(), "Zeilenzahl geaendert", typed);
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& rewritten = drawing->lines[i];
      Require(rewritten.size() <= lines[i].size() + kLongestGrowth, "Zeile waechst", typed + "\n-> " + rewritten);
      // The lines come split at LF; a rewritten line must not split again.
      Require(rewritten.find('\n') == std::string::npos, "Zeilenumbruch in einer Zeile",
              typed + "\n-> " + rewritten);
      Require(typedNonFinite || !ShowsNonFinite(rewritten), "INF/NAN in einer Zeile", typed + "\n-> " + rewritten);
    }
  }
  RequireEngineMessage(typed);
}

}  // namespace
}  // namespace lumatik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  using namespace lumatik::fuzz;
  if (size < 6) return 0;
  const std::uint8_t options = data[0];
  const SceneTarget target = TargetOf(data[1]);
  const std::size_t changeCount = (options >> 2) % 5;
  const auto fields = SplitFields(data + 6, size - 6, 1);
  std::vector<std::string> lines = SplitLines(fields[0]);
  if (lines.size() > kMaxLines) lines.resize(kMaxLines);

  ResetEngine("");
  const SceneColours colours = (options & 2) != 0 ? ScreenColours() : PaperColours();
  RecordingCanvas canvas;
  std::optional<SceneDrawing> drawing = DrawWorksheetScene(lines, std::nullopt, false, canvas, target, colours);
  CheckDrawing(canvas, lines, drawing, fields[0]);
  if (!drawing) return 0;
  if ((options & 1) != 0) {
    canvas.clear();
    const std::vector<std::string> drawn = drawing->lines;
    drawing = DrawWorksheetScene(drawn, drawing->view, true, canvas, target, colours);
    CheckDrawing(canvas, drawn, drawing, fields[0]);
  }
  for (std::size_t i = 0; i < changeCount && drawing; ++i) {
    canvas.clear();
    const std::vector<std::string> drawn = drawing->lines;
    const auto change = static_cast<ViewChange>(data[2 + i] % 12);
    drawing = DrawWithChangedView(drawn, drawing->view, change, canvas, target, colours);
    CheckDrawing(canvas, drawn, drawing, fields[0]);
  }
  return 0;
}

// The plot list, taken apart and drawn on the recording canvas as the
// input window's redraw draws it (the picture export and printing draw
// the same lines with 50 values per cm). Input: one byte of
// options (derivative, "Alle", colours, values per cm), one byte for the
// frame, the fields "units-x units-y centre-x centre-y" as one line, LF,
// then the list, one line per line.
// Contract: every coordinate within the pixel limit, pen and font sizes in
// their ranges, no INF or NAN in a text the user did not type, the engine's
// messages only.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "expr/evaluate.h"
#include "fuzz_support.h"
#include "plot/plotlist.h"
#include "plot/plotredraw.h"
#include "plot/plotrender.h"
#include "plot/recording_canvas.h"
#include "shell/text_helpers.h"

namespace lumatik::fuzz {
namespace {

// Enough lines for keyword lines to inherit pens and fonts from each
// other; few enough that every input stays well inside the time limit.
constexpr std::size_t kMaxLines = 6;

PlotFrame FrameOf(std::uint8_t choice) {
  // Screens, pictures and pages of the sizes the command line accepts
  // (16 x 12 to 10000 pixels), and a window not shown yet.
  static const PlotFrame frames[] = {{0, 640, 480}, {0, 160, 120}, {25, 1600, 400}, {0, 300, 900},
                                     {-7, 17, 13},  {0, 0, 0},     {3, 16, 1200},   {0, 1920, 1080}};
  return frames[choice % 8];
}

std::string FieldOr(const std::string& line, int n, const char* fallback) {
  const std::string word = NthWord(line, n);
  return word.empty() ? fallback : word;
}

void CheckDrawing(const RecordingCanvas& canvas, const std::string& typed) {
  CheckCanvasOps(canvas, typed);
  RequireEngineMessage(typed);
}

}  // namespace
}  // namespace lumatik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  using namespace lumatik::fuzz;
  if (size < 2) return 0;
  const std::uint8_t options = data[0];
  const PlotFrame frame = FrameOf(data[1]);
  const auto fields = SplitFields(data + 2, size - 2, 2);
  std::vector<std::string> list = SplitLines(fields[1]);
  if (list.size() > kMaxLines) list.resize(kMaxLines);
  const std::string typed = fields[0] + "\n" + fields[1];

  ResetEngine("");
  PlotFieldTexts texts;
  texts.lex = FieldOr(fields[0], 1, "1");
  texts.ley = FieldOr(fields[0], 2, "1");
  texts.x0 = FieldOr(fields[0], 3, "0");
  texts.y0 = FieldOr(fields[0], 4, "0");
  texts.function = list.empty() ? std::string() : list.front();
  AddCurrentToList(texts.function, list);

  RedrawOptions redraw;
  redraw.derivative = (options & 1) != 0;
  redraw.all = (options & 2) != 0;
  redraw.blackCurves = (options & 4) != 0;
  // From -2 to 9 values per cm: the window's dialog accepts any count.
  redraw.steps = static_cast<int>((options >> 3) % 12) - 2;

  RecordingCanvas canvas;
  ClearCanvas(canvas, redraw.blackCurves ? kWhite : kBlack, frame.width, frame.height);
  RedrawPlotList(list, texts, redraw, canvas, frame);
  CheckDrawing(canvas, typed);
  return 0;
}

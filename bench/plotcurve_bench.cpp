// What one function line costs the redraw: the samples, the midpoints that
// look for poles between them, and the halvings at the cuts.

#include <benchmark/benchmark.h>

#include <string>

#include "expr/evaluate.h"
#include "plot/plotrender.h"
#include "plot/recording_canvas.h"

namespace {

using namespace lumatik;

void DrawOnce(const std::string& line, const char* ley, benchmark::State& state) {
  ParamLine() = " ";
  PlotFieldTexts fields;
  fields.ley = ley;
  fields.function = line;
  const PlotPen pen{PenStyle::Solid, 1, kWhite};
  for (auto _ : state) {
    RecordingCanvas canvas;
    DrawPlotLine(false, line, canvas, pen, PlotFrame{0, 1920, 1080}, 100, false, fields);
    benchmark::DoNotOptimize(canvas.ops().size());
  }
}

// A smooth curve: one midpoint per sample.
void BM_DrawSmoothCurve(benchmark::State& state) { DrawOnce("1/3*x^3-3*x", "1", state); }
BENCHMARK(BM_DrawSmoothCurve);

// A pole between two samples inside the band, and gaps where ln fails.
void BM_DrawPoleAndGaps(benchmark::State& state) { DrawOnce("1/(x-0,005)+ln(x^2-1)", "1/100", state); }
BENCHMARK(BM_DrawPoleAndGaps);

// Jumps are searched down to the search's depth before they are joined.
void BM_DrawSawtooth(benchmark::State& state) { DrawOnce("3*(x/2+1/3-int(x/2+1/3))", "1", state); }
BENCHMARK(BM_DrawSawtooth);

}  // namespace

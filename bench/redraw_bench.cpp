// Redraw/*: the full redraw of a plot list into an offscreen 1920x1080
// picture, as the graph window draws it (white on black, "Alle" checked).
//   Redraw/BeispielListe/N  "Beispiel Liste" at N values per cm
//   Redraw/Garbage/1000     1000 lines of random bytes

#include <benchmark/benchmark.h>

#include <QImage>

#include <random>
#include <string>
#include <vector>

#include "bench/bench_application.h"
#include "expr/evaluate.h"
#include "plot/paint/plot_picture.h"
#include "plot/plotredraw.h"
#include "shell/codepage.h"

namespace {

using namespace lumatik;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

void Redraw(benchmark::State& state, const std::vector<std::string>& list, const PlotFieldTexts& fields,
            int valuesPerCm) {
  EnsureApplication();
  QImage picture = NewPlotPicture(QSize(kWidth, kHeight), Qt::black);
  CanvasState canvasState;
  const RedrawOptions options{true, false, false, valuesPerCm};
  for (auto _ : state) {
    ParamLine() = " ";
    MathErrorText().clear();
    PaintPlot(picture, canvasState, [&](Canvas& canvas) {
      ClearCanvas(canvas, kBlack, kWidth, kHeight);
      RedrawPlotList(list, fields, options, canvas, PlotFrame{0, kWidth, kHeight});
    });
    benchmark::DoNotOptimize(picture.constBits());
  }
}

// The input window's "Beispiel Liste": its lines and its units.
void BeispielListe(benchmark::State& state) {
  const std::vector<std::string> list{"x",   "x^2", "x^3",
                                      "x^4", "x^5", "1/x",
                                      "1/x^2", "Text -15 2,5  12 |Die Funktionen  x - > x, x^2, x^3, x^4, x^5",
                                      "Text -15 2,25 12 |sowie  x - > 1/x, 1/x^2"};
  PlotFieldTexts fields;
  fields.lex = "1/2";
  fields.ley = "2";
  fields.function = list.front();
  Redraw(state, list, fields, static_cast<int>(state.range(0)));
}

// Lines of random bytes without line breaks, 1 to 60 long: nearly all are
// function lines whose term the engine refuses.
void Garbage(benchmark::State& state) {
  std::mt19937 random(1234);
  std::uniform_int_distribution<int> length(1, 60);
  std::uniform_int_distribution<int> byte(1, 255);
  std::vector<std::string> list;
  for (int i = 0; i < state.range(0); ++i) {
    std::string line;
    for (int n = length(random); n > 0; --n) {
      char c;
      do c = static_cast<char>(byte(random));
      while (c == '\r' || c == '\n');
      line += c;
    }
    list.push_back(line);
  }
  PlotFieldTexts fields;
  fields.function = list.front();
  Redraw(state, list, fields, 100);
}

const int kRegistered = [] {
  benchmark::RegisterBenchmark("Redraw/BeispielListe", BeispielListe)
      ->Arg(400)
      ->Arg(100)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("Redraw/Garbage", Garbage)->Arg(1000)->Unit(benchmark::kMillisecond);
  return 0;
}();

}  // namespace

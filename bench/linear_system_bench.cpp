// How fast "Rechne Lin. Gl.-System allgemein" answers in exact fractions:
// the largest system the worksheet takes (25 unknowns, 25 equations) with
// large denominators, so that the integers of the elimination grow long.

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "expr/evaluate.h"
#include "worksheet/linear_system.h"
#include "worksheet/worksheet.h"

namespace {

using namespace lumatik;

std::vector<std::string> FractionSystem(int n) {
  std::mt19937 random(25);
  std::uniform_int_distribution<long> numerator(-999999999, 999999999);
  std::uniform_int_distribution<long> denominator(1, 999999);
  std::vector<std::string> lines{"n=" + std::to_string(n) + " m=" + std::to_string(n)};
  for (int r = 0; r < n; ++r) {
    std::string line;
    for (int j = 0; j <= n; ++j) {
      line += std::to_string(numerator(random)) + "/" + std::to_string(denominator(random)) + (j < n ? " " : "");
    }
    lines.push_back(line);
  }
  return lines;
}

void BM_ExactFractionSystem(benchmark::State& state) {
  ParamLine() = " ";
  const std::vector<std::string> lines = FractionSystem(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Worksheet sheet(lines, 1);
    SolveLinearSystem(sheet);
    benchmark::DoNotOptimize(sheet.lineCount());
  }
}
BENCHMARK(BM_ExactFractionSystem)->Arg(8)->Arg(25)->Unit(benchmark::kMillisecond);

}  // namespace

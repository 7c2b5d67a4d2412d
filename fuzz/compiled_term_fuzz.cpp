// The compiled form against the text evaluator. Input: term, LF, parameter
// line, LF, x. CompiledTerm(term)(x), its row form and the cached form must
// give EvalTermAt's value to the last of the 80 bits, leave the same
// MathErrorText, show the same message boxes and leave the same parameter
// lines behind, with either decimal separator.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "expr/compiled_term.h"
#include "expr/evaluate.h"
#include "fuzz_support.h"

namespace lumatik::fuzz {
namespace {

// What one road of evaluation leaves behind.
struct Outcome {
  std::vector<Extended> values;
  std::string message;
  std::vector<std::string> boxes;
  std::vector<std::string> paramLines;
  std::string paramLine;
};

Outcome Finish(std::vector<Extended> values) {
  return {std::move(values), MathErrorText(), ShownMessages(), ParamLines().lines(), ParamLine()};
}

std::string Describe(const std::string& term, const Extended* xs) {
  return term + "\nx = " + std::to_string(static_cast<double>(xs[0])) + ", " +
         std::to_string(static_cast<double>(xs[1])) + ", " + std::to_string(static_cast<double>(xs[2]));
}

void RequireSame(const Outcome& text, const Outcome& compiled, const char* road, const std::string& detail) {
  Require(text.values.size() == compiled.values.size(), road, detail);
  for (std::size_t i = 0; i < text.values.size(); ++i)
    Require(SameBits(text.values[i], compiled.values[i]), road, detail + "\nWert " + std::to_string(i));
  Require(text.message == compiled.message, road, detail + "\n" + text.message + "\n" + compiled.message);
  Require(text.boxes == compiled.boxes, road, detail + "\nMeldungsfenster");
  Require(text.paramLines == compiled.paramLines, road, detail + "\nParameterzeilen");
  Require(text.paramLine == compiled.paramLine, road, detail + "\nParameterzeile");
}

}  // namespace
}  // namespace lumatik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  using namespace lumatik::fuzz;
  const auto fields = SplitFields(data, size, 3);
  const std::string& term = fields[0];
  const Extended x = ReadX(fields[2]);
  // Three points: the one given, its negative and a point beside it, so a
  // row evaluation meets changes of sign and of the messages on the way.
  const Extended xs[3] = {x, -x, x + 0.5L};
  const std::string detail = Describe(term, xs);

  for (const char separator : {',', '.'}) {
    ResetEngine(fields[1], separator);
    std::vector<Extended> values;
    for (const Extended xi : xs) values.push_back(EvalTermAt(term, xi));
    const Outcome text = Finish(values);

    ResetEngine(fields[1], separator);
    const CompiledTerm compiled(term);
    values.clear();
    for (const Extended xi : xs) values.push_back(compiled(xi));
    RequireSame(text, Finish(values), "CompiledTerm weicht ab", detail);

    ResetEngine(fields[1], separator);
    Extended ys[3] = {};
    CompiledTerm(term).evaluate(xs, ys, 3);
    RequireSame(text, Finish({ys[0], ys[1], ys[2]}), "Zeilenform weicht ab", detail);

    ResetEngine(fields[1], separator);
    values.clear();
    for (const Extended xi : xs) values.push_back(FastEvalTermAt(term, xi));
    RequireSame(text, Finish(values), "FastEvalTermAt weicht ab", detail);
  }
  return 0;
}

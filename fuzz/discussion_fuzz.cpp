// The curve discussion on a short interval: the scan with its refinements,
// then the value table and the Simpson integral over the same interval.
// Input: three bytes for the interval's start, its width and the number of
// steps, then the function field's text (term, interval, parameters).
// Contract: the scan and the table end within their steps; the points
// found are finite and lie in the interval; no line shows INF or NAN; the
// engine's messages only.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "discuss/curve_scan.h"
#include "discuss/discuss_texts.h"
#include "discuss/discussion_input.h"
#include "discuss/simpson_integral.h"
#include "discuss/term_function.h"
#include "discuss/value_table.h"
#include "expr/evaluate.h"
#include "fuzz_support.h"
#include "shell/text_helpers.h"

namespace lumatik::fuzz {
namespace {

void RequireReadable(const std::vector<std::string>& lines, bool typedNonFinite, const std::string& what) {
  for (const std::string& line : lines)
    if (!typedNonFinite && ShowsNonFinite(line)) Fail("INF/NAN in der Diskussion", what + "\n-> " + line);
  RequireEngineMessage(what);
}

}  // namespace
}  // namespace lumatik::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumatik;
  using namespace lumatik::fuzz;
  if (size < 3) return 0;
  // From -32 to 31.75, 1/8 to 4 wide, 1 to 32 steps: every step may
  // refine a point and test symmetry with some 50 evaluations, which must
  // stay far below the time limit in the instrumented build.
  const double a = static_cast<std::int8_t>(data[0]) / 4.0;
  const double b = a + (1 + data[1] % 32) / 8.0;
  const int count = 1 + data[2] % 32;
  const double d = (b - a) / count;
  const std::string functionText = SplitFields(data + 3, size - 3, 2)[0];
  const std::string what = functionText + "\n[" + std::to_string(a) + ";" + std::to_string(b) + "] d=" +
                           std::to_string(d);
  const bool typedNonFinite = ShowsNonFinite(functionText);
  ResetEngine("");
  Require(StepRefusal(a, b, d).empty(), "Schrittweite abgelehnt", what);

  // The doubles may round one step more; a few spare steps, no more.
  const long long allowed = count + 3;
  long long steps = 0;
  const KeepGoing keepGoing = [&steps, allowed] { return ++steps <= allowed; };

  const DiscussionTerm term = PrepareDiscussionTerm(functionText);
  const auto discussion =
      DiscussCurve(EngineTermFunction(term.term, term.paramLine), term.term, a, b, d, keepGoing);
  Require(discussion.has_value(), "Abtastung endet nicht", what);
  RequireReadable(discussion->lines, typedNonFinite, what);
  for (const FoundPoint& point : discussion->points) {
    Require(std::isfinite(point.x) && std::isfinite(point.y), "Punkt nicht endlich", what);
    if (!(point.x >= a - d && point.x <= b + d))
      Fail("Punkt ausserhalb des Intervalls", what + "\n-> x=" + std::to_string(static_cast<double>(point.x)));
  }

  steps = 0;
  const auto rows = ValueTableLines(EngineTermFunction(term.term, term.paramLine), a, b, d, keepGoing);
  Require(rows.has_value(), "Wertetafel endet nicht", what);
  RequireReadable(*rows, typedNonFinite, what);

  const std::vector<std::string> memo = {std::string(discusstexts::kLowerBoundLabel) + " " + FloatText18(a),
                                         std::string(discusstexts::kUpperBoundLabel) + " " + FloatText18(b)};
  const IntegralOutcome integral = IntegralPress(memo, term);
  RequireReadable(integral.appendedLines, typedNonFinite, what);
  RequireReadable({integral.message}, typedNonFinite, what);
  return 0;
}

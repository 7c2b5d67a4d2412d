#include "discuss/discussion_input.h"

#include <algorithm>
#include <cmath>

#include "discuss/discuss_texts.h"
#include "expr/evaluate.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"

namespace lumatik {

DiscussionTerm PrepareDiscussionTerm(const std::string& functionText) {
  DiscussionTerm prepared;
  SplitTermAndParams(functionText, prepared.term);
  prepared.paramLine = ParamLine();
  const auto bracket = prepared.term.find('[');
  if (bracket != std::string::npos) prepared.term = Trim(prepared.term.substr(0, bracket));
  return prepared;
}

ScanNumbers ReadScanNumbers(const std::string& from, const std::string& to, const std::string& step) {
  ScanNumbers numbers;
  numbers.a = EvalTermGuarded(from);
  numbers.b = EvalTermGuarded(to);
  numbers.d = EvalTermGuarded(step);
  return numbers;
}

std::string StepRefusal(Extended a, Extended b, Extended d) {
  // The scan holds its positions as doubles, the table as extended: the
  // tests in doubles cover both.
  const double da = static_cast<double>(a);
  const double db = static_cast<double>(b);
  const double dd = static_cast<double>(d);
  if (!std::isfinite(da) || !std::isfinite(db)) return Cp1252(discusstexts::kBoundsNoNumbers);
  if (!std::isfinite(dd) || !(dd > 0)) return Cp1252(discusstexts::kStepNotPositive);
  const double largest = std::max(std::fabs(da), std::fabs(db));
  if (da <= db && !(largest + dd > largest)) return Cp1252(discusstexts::kStepTooSmall);
  return "";
}

}  // namespace lumatik

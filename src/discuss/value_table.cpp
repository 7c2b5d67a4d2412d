#include "discuss/value_table.h"

#include <cmath>

#include "discuss/discuss_texts.h"
#include "discuss/number_patterns.h"
#include "exact/fractions.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

constexpr int kValueColumn = 8;
constexpr int kSlopeColumn = 25;

// Pads to the column, and keeps one blank after a text that reaches it.
std::string ToColumn(const std::string& line, int column) {
  return line.size() < static_cast<std::size_t>(column) ? PadRight(line, column) : line + " ";
}

}  // namespace

std::optional<std::vector<std::string>> ValueTableLines(const TermFunction& f, Extended a, Extended b,
                                                        Extended d, const KeepGoing& keepGoing,
                                                        const SlopeFunction& slopes) {
  std::vector<std::string> lines{discusstexts::kTableHeader};
  // A row counts up to a billionth of a step beyond b: the rounding of k·d.
  const Extended tolerance = 1e-9L * d;
  for (long long k = 0;; ++k) {
    Extended x = a + static_cast<Extended>(k) * d;
    if (x > b + tolerance) break;
    if (std::fabs(x - b) <= tolerance) x = b;
    if (!keepGoing()) return std::nullopt;
    const TermValue y = f(x);
    if (y.failed) continue;
    std::string line = ToColumn(DecimalsText(x, 3), kValueColumn);
    line += DecimalsText(y.value, 3) + FractionSuffix(y.value);
    line = ToColumn(line, kSlopeColumn) + DecimalsText(SlopeAt(f, slopes, x), 3);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace lumatik

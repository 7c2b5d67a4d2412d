#include "discuss/value_table.h"

#include "discuss/discuss_texts.h"
#include "discuss/number_patterns.h"
#include "exact/fractions.h"
#include "shell/luhilf.h"

namespace lumatik {

namespace {

constexpr int kValueColumn = 8;
constexpr int kSlopeColumn = 25;

}  // namespace

std::optional<std::vector<std::string>> ValueTableLines(const TermFunction& f, Extended a, Extended b,
                                                        Extended d, const KeepGoing& keepGoing) {
  std::vector<std::string> lines{discusstexts::kTableHeader};
  for (Extended x = a; x <= b; x += d) {
    if (!keepGoing()) return std::nullopt;
    const TermValue y = f(x);
    if (y.failed) continue;
    std::string line = PadRight(DecimalsText(x, 3), kValueColumn);
    line += DecimalsText(y.value, 3) + FractionSuffix(y.value);
    line = PadRight(line, kSlopeColumn) + DecimalsText(SlopeAt(f, x), 3);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace lumatik

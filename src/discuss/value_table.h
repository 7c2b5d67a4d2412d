#pragma once

// "Wertetafel": x, f(x) and f'(x) from a to b in steps of d, three
// decimals each; a row whose value cannot be computed is left out.

#include <optional>
#include <string>
#include <vector>

#include "discuss/curve_scan.h"
#include "discuss/term_function.h"
#include "shell/extended.h"

namespace lumatik {

// The header line and one line per row. The rows lie at a + k·d, and b is
// a row when it is one of them up to rounding. The columns keep at least
// one blank between them however long a text is. keepGoing is asked once
// per row; false ends the table without a result. The step must have
// passed StepRefusal.
std::optional<std::vector<std::string>> ValueTableLines(const TermFunction& f, Extended a, Extended b,
                                                        Extended d, const KeepGoing& keepGoing,
                                                        const SlopeFunction& slopes = {});

}  // namespace lumatik

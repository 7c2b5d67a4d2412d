#pragma once

// Points with a horizontal tangent: where the first difference of the scan
// changes sign, a window of half-width h around x is narrowed until the
// high or low point is located ("H(x|y)", "T(x|y)"). On the way, a point
// where |f| < 1e-15 is noted as a zero without sign change ("N(x|0)").

#include "discuss/discussion_run.h"

namespace lumatik {

// Ends once h < 1e-15 or the left half-step no longer changes f; values
// beyond 10000 or neighbour differences beyond 20 (a pole) give nothing.
Finding RefineExtremum(DiscussionRun& run, Extended x, Extended h);

}  // namespace lumatik

#pragma once

// Pole tracking: where |f| grows beyond 8, the scan window [x, x + w] is
// searched for a change of sign and for a change of direction of f. The
// places found write nothing; the symmetry test runs there.

#include "discuss/discussion_run.h"

namespace lumatik {

// Halves the window towards a change of sign of f, 20 levels deep.
void TrackPoleSign(DiscussionRun& run, int depth, Extended x, Extended w);

// Splits the window in thirds while f is not monotone in it, 20 levels
// deep. A window where f does not change at all holds no turn, and the
// whole search visits at most kMaxTurnWindows windows: a flat or noisy f
// would otherwise branch into 3^20 windows.
void TrackPoleTurn(DiscussionRun& run, int depth, Extended x, Extended w);

inline constexpr int kMaxTurnWindows = 300;

}  // namespace lumatik

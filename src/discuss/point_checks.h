#pragma once

// The checks behind each point of the discussion: the place where f, f' or
// f'' changes sign between two scan points, whether f (or f') is
// continuous there, and what a failed or jumping place is - a removable
// gap, a jump or a pole.

#include <functional>
#include <optional>

#include "discuss/discussion_run.h"

namespace lumatik {

// A quantity of the term at x (f, f' or f''); nothing where it fails.
using Quantity = std::function<std::optional<Extended>(Extended x)>;

Quantity ValueOf(const DiscussionRun& run);
Quantity FirstDerivativeOf(const DiscussionRun& run);
Quantity SecondDerivativeOf(const DiscussionRun& run);

// -1, 0 or +1.
inline int SignOf(Extended v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

// Halves [left, right], where q has the sign leftSign at left and the
// opposite sign at right, down to neighbouring extended numbers. The place
// where q vanishes or changes sign; nothing when q fails on the way.
std::optional<Extended> SignChangeOf(const Quantity& q, Extended left, Extended right, int leftSign);

// Whether q is continuous at x, seen from the distance delta: q is known
// at x ± delta and x ± delta/16, and the difference across the narrower
// window is at most half the one across the wider. A smooth q shrinks it
// with the window, a jump keeps it, a pole or a cusp of f makes it grow.
bool LooksContinuous(const Quantity& q, Extended x, Extended delta);

// Whether f has a limit at a place where it cannot be computed.
bool HasLimit(const DiscussionRun& run, Extended x, Extended delta);

// The place of a jump of f between left and right (where f changes by
// more than its slopes allow), or nothing when the change shrinks away
// with the window (f is only steep) or grows without bound (a pole).
std::optional<Extended> JumpBetween(const DiscussionRun& run, Extended left, Extended right);

}  // namespace lumatik

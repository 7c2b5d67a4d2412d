#pragma once

// Inflection points: where the second difference of the scan changes sign,
// a ladder of seven points with spacing h/2 around x is searched for the
// change, and the window narrowed until the second difference vanishes
// there ("W(x|y;slope)").

#include "discuss/discussion_run.h"

namespace lumatik {

// Narrows the window [x - h, x + h/2] with h halved at each level, towards
// the change of sign of the ladder's second differences. It ends where a
// second difference below 1e-15 lies between two of opposite signs in a
// window narrower than 1e-6, or where the whole ladder is that flat. A
// window without such a change gives nothing, and neither does a jump of f:
// once h < 1e-15, f may vary by at most 1e-6 across the window.
Finding RefineInflection(DiscussionRun& run, Extended x, Extended h);

// "W(x|y;slope)" with four decimals each; a slope below 1e-15 (a saddle
// point) also enters the entry into the tangent list. Runs the symmetry
// test at x. Empty when f fails at x.
Finding InflectionText(DiscussionRun& run, Extended x);

}  // namespace lumatik

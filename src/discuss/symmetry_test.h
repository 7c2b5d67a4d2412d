#pragma once

// The local symmetry test. It runs at found high, low and inflection points
// and at tracked poles, compares twelve pairs of values at the distances
// 1 + k·d on both sides, and stops for the run at its first success.

#include "discuss/discussion_run.h"

namespace lumatik {

// Axis, then point symmetry at x; without success and with tries left it
// tries once more at a simple fraction near x (within 0.001).
void TestSymmetry(DiscussionRun& run, int tries, Extended x);

// At least 10 of the 12 pairs agree within 1e-6.
bool TestAxisSymmetry(DiscussionRun& run, Extended x0);

// At least 10 of the 12 pairs lie symmetric to (x0|y0) within 1e-4.
bool TestPointSymmetry(DiscussionRun& run, Extended x0, Extended y0);

}  // namespace lumatik

#pragma once

// Zeros with a sign change: the interval of one scan step is halved until
// it is narrower than 1e-15 (or its ends are neighbouring doubles), and the
// midpoint counts as a zero when |f| is at most 1e-6 there; a sign change
// across a pole fails that test.

#include "discuss/discussion_run.h"

namespace lumatik {

// The zero between p < q, where f(p) and f(q) have opposite signs. The ends
// are carried as doubles, the final midpoint computed in extended. An end
// where f is exactly 0 is the zero at once.
Finding BisectZero(DiscussionRun& run, double p, double q);

// The entry text for a zero at m without its number: x with up to 14
// decimals, a short fraction, "|0" and the slope there ("1,5=3/2|0;-2").
// Empty when f fails at m or |f(m)| exceeds 1e-6.
Finding ZeroAt(DiscussionRun& run, Extended m);

}  // namespace lumatik

#pragma once

// The sign-change tests of the scan and its refinements.

#include "shell/extended.h"

namespace lumatik {

// The tolerant test of the extremum search: one value at or below zero and
// the other at or above it. Two zeros count as a change.
inline bool ChangesSign(Extended a, Extended b) { return (a <= 0 && b >= 0) || (a >= 0 && b <= 0); }

// -1, 0 or +1; values within `noise` of zero count as zero.
inline int SignBeyond(Extended value, Extended noise) {
  if (value > noise) return 1;
  if (value < -noise) return -1;
  return 0;
}

// A sign change that a zero cannot fake: both values clearly on opposite sides.
inline bool ChangesSignStrictly(int before, int after) { return before * after < 0; }

}  // namespace lumatik

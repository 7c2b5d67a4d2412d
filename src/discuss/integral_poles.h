#pragma once

// Simpson's rule over an interval that is first searched for poles: a
// place where f cannot be computed and has no limit, or where its values
// grow without bound between two points of the sum. A place without f but
// with a limit (a removable gap, also at a bound) counts with its limit.

#include <optional>

#include "discuss/term_function.h"

namespace lumatik {

struct SimpsonSums {
  Extended coarse = 0;  // with the given strips
  Extended fine = 0;    // with twice as many
  std::optional<Extended> pole;  // where the integral does not exist
};

SimpsonSums SimpsonWithPoles(const TermFunction& f, Extended x1, Extended x2, long long strips);

}  // namespace lumatik

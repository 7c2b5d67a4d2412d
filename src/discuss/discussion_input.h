#pragma once

// What the discussion takes from its inputs: the term of the plotter's
// function field and the numbers of the interval edits, with the refusal
// of numbers that would never let a loop end.

#include <string>

#include "shell/extended.h"

namespace lumatik {

struct DiscussionTerm {
  std::string term;       // as written in the worked text
  std::string paramLine;  // the parameter line it is evaluated with
};

// Parameters after a double blank become the parameter line (for the whole
// engine, as for a plot line); an interval suffix "[a;b]" is cut off and the
// blanks around the rest removed: the discussion, the value table and the
// integral all work on the interval of their own edits, and a term with the
// suffix left on could not be evaluated at all.
DiscussionTerm PrepareDiscussionTerm(const std::string& functionText);

// The interval and the step, each read as a term; a term the engine cannot
// evaluate gives the engine's value for it.
struct ScanNumbers {
  Extended a = 0;
  Extended b = 0;
  Extended d = 0;
};
ScanNumbers ReadScanNumbers(const std::string& from, const std::string& to, const std::string& step);

// The hint that refuses a scan or table from a with step d, or "" when the
// loop will end: the step must be a positive number that still moves every
// x of the interval on.
std::string StepRefusal(Extended a, Extended b, Extended d);

}  // namespace lumatik

#pragma once

// "Integral": the definite integral of the discussed function by Simpson's
// rule. Its inputs are lines of the window's memo that the user edits in
// place; a press without the bounds writes the input lines with defaults
// and explains, the next press computes and appends the result with the
// difference to half the strips as its error estimate.

#include <optional>
#include <string>
#include <vector>

#include "discuss/discussion_input.h"
#include "shell/extended.h"

namespace lumatik {

// The text after the first "=" of the lowest memo line that contains the
// label; nothing for a missing line or one with only blanks after "=".
struct IntegralInputs {
  std::optional<std::string> x1;
  std::optional<std::string> x2;
  std::optional<std::string> n;
};
IntegralInputs FindIntegralInputs(const std::vector<std::string>& memoLines);

// The strips N for the integral from x1 to x2 with n strips per unit:
// |x2 - x1|·n rounded, at least 100, even, and at most kMaxSimpsonStrips
// (with twice as many for the finer sum, beyond it the work would freeze
// the window and add no accuracy an extended value can show).
long long SimpsonStrips(Extended x1, Extended x2, Extended n);
inline constexpr long long kMaxSimpsonStrips = 100000;

// What one press of "Integral" does.
struct IntegralOutcome {
  std::vector<std::string> appendedLines;  // default lines, or the result's two lines
  std::string message;                     // for a message box when not empty (lone CR breaks lines)
  bool moveWindowToTop = false;            // while the bounds are still to be filled in
};
IntegralOutcome IntegralPress(const std::vector<std::string>& memoLines, const DiscussionTerm& term);

// The result's two lines for bounds written as x1Text and x2Text.
std::vector<std::string> IntegralResultLines(const DiscussionTerm& term, const std::string& x1Text,
                                             const std::string& x2Text, Extended x1, Extended x2,
                                             long long strips);

}  // namespace lumatik

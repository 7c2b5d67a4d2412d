#pragma once

// The curve discussion's scan: from a to b in steps of d it watches the
// signs of f, of its first and of its second difference, hands each change
// to its refinement and finally writes the worked list of zeros, points
// with a horizontal tangent, inflection points and the symmetry found.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "discuss/discussion_run.h"

namespace lumatik {

// Asked once per scan step; false ends the run without a result. The window
// lets the user interface work here and answers false after "Stop".
using KeepGoing = std::function<bool()>;

struct DiscussionResult {
  std::vector<std::string> lines;  // the memo's new text, line by line
  std::vector<FoundPoint> points;  // the points behind the entries, in the text's order
};

// One run, driven step by step. The scan positions and the neighbouring
// values are doubles; the refinements compute in extended.
class CurveScan {
 public:
  // d must be a positive number that moves x on (CheckScanNumbers).
  CurveScan(TermFunction f, std::string term, double a, double b, double d);

  bool finished() const { return finished_; }
  // One step from x to x + d.
  void step();
  // The worked text; settles a zero found on the last scan point first.
  DiscussionResult result();

 private:
  struct Sample {
    double value = 0;  // 0 where f failed, as the scan counts it
    bool known = false;
  };
  Sample sample(Extended x) const;
  void watchSecondDifference(double ddy, double noise);
  void watchZero(Sample next, double xn);
  Finding addNumberedZero(const Finding& zero);  // the entry as written
  void addBisectedZero(const Finding& zero, double yn);

  DiscussionRun run_;
  std::string term_;
  double a_;
  double b_;
  double d_;
  bool finished_ = false;

  double x_;
  Sample y_;
  double yBefore_ = 0;         // the value at x - d
  double p_ = 0;               // the previous first difference
  int previousCurvature_ = 0;  // sign of the previous second difference

  // A scan point where f is exactly 0 waits for the next value to show
  // whether f changes sign there.
  std::optional<double> pendingZero_;
  int signBeforeZero_ = 0;

  // The last zero found by halving, to recognise a double root whose value
  // on a scan point is rounding noise of the wrong sign: the two steps
  // beside that point then both find a "zero" next to it.
  long long stepIndex_ = 0;
  long long lastBisectionStep_ = -2;
  Finding lastBisectedZero_;

  // Scan points where the second difference vanishes wait for the sign
  // after them.
  int flatCount_ = 0;
  double flatStart_ = 0;
  int curvatureBeforeFlat_ = 0;
};

// The whole run: nothing when keepGoing answers false.
std::optional<DiscussionResult> DiscussCurve(TermFunction f, const std::string& term, double a, double b,
                                             double d, const KeepGoing& keepGoing);

}  // namespace lumatik

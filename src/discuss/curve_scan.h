#pragma once

// The curve discussion's scan: from a to b in steps of d it samples f, f'
// and f'' (exact derivatives where the term allows, difference quotients
// otherwise), halves each change of sign of one of them down to its place,
// confirms there that f is continuous, and writes the worked list of
// zeros, points with a horizontal tangent, inflection points, gaps, jumps
// and the symmetry found.

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

// One run, driven step by step: each step samples one scan point a + k·d
// (and b itself last); result() then works through the samples.
class CurveScan {
 public:
  // d must be a positive number that moves x on (StepRefusal). A reversed
  // interval is scanned from its smaller end, and the text says so.
  CurveScan(TermFunction f, SlopeFunction slopes, std::string term, double a, double b, double d);

  bool finished() const { return finished_; }
  void step();
  DiscussionResult result();

 private:
  struct Sample {
    Extended x = 0;
    TermValue f;
    TermSlopes s;
  };
  // The sign a quantity had at the last sample, and where.
  struct Watch {
    int sign = 0;
    Extended x = 0;
  };
  enum class Kind { Zero, Turn, Inflection };

  void fillMissingSlopes();
  void watch(Kind kind, Watch& w, std::size_t k, Extended value);
  // The sign of f, f' or f'' at x, 0 where it is lost in the rounding.
  int signAt(Kind kind, Extended x) const;
  static Extended noise(Kind kind, Extended y, Extended d1);
  void confirm(Kind kind, Extended x, int leftSign);
  void confirmZero(Extended x, int leftSign);
  Extended SharpenedMultipleZero(Extended x, Extended fx) const;
  void confirmTurn(Extended x, int leftSign);
  void confirmInflection(Extended x);
  void checkFailedPoint(Extended x);
  void checkJump(const Sample& left, const Sample& right);
  Extended probeDistance(Extended x) const;

  DiscussionRun run_;
  std::string term_;
  double a_;
  double b_;
  double d_;
  bool reversed_ = false;
  bool finished_ = false;
  long long nextIndex_ = 0;
  std::vector<Sample> samples_;
  std::string firstMessage_;  // the engine's message at the first failed point
  std::vector<std::string> notes_;  // gaps and jumps
};

// The whole run: nothing when keepGoing answers false.
std::optional<DiscussionResult> DiscussCurve(TermFunction f, const std::string& term, double a, double b,
                                             double d, const KeepGoing& keepGoing,
                                             SlopeFunction slopes = {});

}  // namespace lumatik

#pragma once

// The record one discussion run shares between its routines: the term, the
// step and the lists of entries found so far. Nothing survives into the
// next run.

#include <string>
#include <vector>

#include "discuss/term_function.h"
#include "shell/extended.h"

namespace lumatik {

enum class PointKind { Zero, TouchingZero, High, Low, Inflection };

// A point behind an entry of the worked text, for the plot list.
struct FoundPoint {
  PointKind kind = PointKind::Zero;
  Extended x = 0;
  Extended y = 0;
};

// A refinement's answer: the entry text (empty when nothing was found
// there) and the point it names.
struct Finding {
  std::string text;
  FoundPoint point;
};

struct DiscussionRun {
  TermFunction f;
  SlopeFunction slopes;  // exact f' and f'' where the term has them
  Extended step = 0;  // d, the minimal distance of the points sought

  // Entries each preceded by CR LF, as they are written under their heading.
  std::string zeroList;
  int zeroCount = 0;
  std::string tangentList;
  std::string inflectionList;
  // Empty until one symmetry has been found; then no further test runs.
  std::string symmetryText;

  std::vector<FoundPoint> points;
};

// Appends CR LF + entry to a list and remembers its point.
void AddEntry(DiscussionRun& run, std::string& list, const Finding& finding);

// The same unless the list holds the entry's text already.
void AddEntryOnce(DiscussionRun& run, std::string& list, const Finding& finding);

}  // namespace lumatik

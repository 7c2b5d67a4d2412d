#pragma once

// The list window's "OK": the edited lines become the plot list.

#include <string>
#include <vector>

namespace lumatik {

struct TakenOverList {
  std::vector<std::string> plotList;
  std::string functionText;  // the memo's first line, unless that was dropped
};

// Empty text lines ("Text ... |") and blank lines are dropped.
TakenOverList TakeOverListLines(const std::vector<std::string>& memoLines);

}  // namespace lumatik

#include "expr/term_split.h"

#include "expr/sign_positions.h"

namespace lumatik {

SplitScan ScanForSplits(const std::string& s) {
  SplitScan scan;
  for (auto& p : scan.position) p = std::string::npos;
  int depth = 0;
  for (std::size_t i = s.size(); i-- > 0;) {
    if (s[i] == ')') ++depth;
    if (s[i] == '(') --depth;
    if (depth != 0 || i == 0 || IsSignPosition(s, i)) continue;
    for (int op = 0; op < kOperatorCount; ++op)
      if (scan.position[op] == std::string::npos && IsOperatorChar(static_cast<Operator>(op), s[i]))
        scan.position[op] = i;
  }
  scan.surplus = depth;
  return scan;
}

std::string BracketMessage(const std::string& s, int surplus) {
  return s + "|" + std::to_string(surplus) + " Klammern zu viel!";
}

}  // namespace lumatik

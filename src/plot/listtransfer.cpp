#include "plot/listtransfer.h"

#include "plot/plotlist.h"
#include "shell/text_helpers.h"

namespace lumatik {

TakenOverList TakeOverListLines(const std::vector<std::string>& memoLines) {
  TakenOverList result;
  for (std::size_t i = 0; i < memoLines.size(); ++i) {
    const std::string& line = memoLines[i];
    if (IsEmptyTextLine(line) || IsBlank(line)) continue;
    result.plotList.push_back(line);
    if (i == 0) result.functionText = line;
  }
  return result;
}

}  // namespace lumatik

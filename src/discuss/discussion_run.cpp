#include "discuss/discussion_run.h"

namespace lumatik {

void AddEntry(DiscussionRun& run, std::string& list, const Finding& finding) {
  list += "\r\n" + finding.text;
  run.points.push_back(finding.point);
}

void AddEntryOnce(DiscussionRun& run, std::string& list, const Finding& finding) {
  if (list.find(finding.text) != std::string::npos) return;
  AddEntry(run, list, finding);
}

}  // namespace lumatik

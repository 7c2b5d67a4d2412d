#pragma once

// Plain-text printing of the plot list: every line is a print job of its
// own, indented by six blanks, and a last job ejects the page. Text printers
// print such raw jobs as they come.

#include <string>
#include <vector>

namespace lumatik {

// Where raw jobs go. Failures are silent: without a printer nothing happens.
class RawPrintSink {
 public:
  virtual ~RawPrintSink() = default;
  virtual void sendJob(const std::string& bytes) = 0;
};

// The jobs for a list: "      " + line + CR LF each, then a form feed.
std::vector<std::string> RawPrintJobs(const std::vector<std::string>& lines);

void RawPrintText(const std::vector<std::string>& lines, RawPrintSink& sink);

// Sends each job raw to the default printer through CUPS's "lp" command.
class LpRawPrintSink : public RawPrintSink {
 public:
  void sendJob(const std::string& bytes) override;
};

}  // namespace lumatik

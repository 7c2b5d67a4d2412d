#pragma once

// Plain-text printing of the plot list: every line is a print job of its
// own, indented by six blanks, and a last job ejects the page. Text printers
// print such raw jobs as they come.

#include <string>
#include <vector>

namespace lumatik {

// Where raw jobs go; sendJob tells whether the printing system took the job.
class RawPrintSink {
 public:
  virtual ~RawPrintSink() = default;
  [[nodiscard]] virtual bool sendJob(const std::string& bytes) = 0;
};

// The jobs for a list: "      " + line + CR LF each, then a form feed.
std::vector<std::string> RawPrintJobs(const std::vector<std::string>& lines);

// Sends the jobs in order and stops at the first one that is refused, so a
// printer that is missing gets no further jobs. Returns whether all went out.
[[nodiscard]] bool RawPrintText(const std::vector<std::string>& lines, RawPrintSink& sink);

// Sends each job raw to the default printer through CUPS's "lp" command; a
// job went out when lp read all of it and ended with status 0.
class LpRawPrintSink : public RawPrintSink {
 public:
  [[nodiscard]] bool sendJob(const std::string& bytes) override;
};

}  // namespace lumatik

#pragma once

// One run of a worksheet command: the memo's lines go in, the command reads
// its input from them and appends its worked solution, and the hints it
// wants shown are collected for the window (or the command line) to show.

#include <functional>
#include <string>
#include <vector>

namespace lumatik {

struct WorksheetNotice {
  enum class Kind {
    Hint,     // the hint dialog with its "Ok" button
    Message,  // a plain message box
  };
  Kind kind = Kind::Hint;
  std::string text;  // Windows-1252; a lone CR or CR LF breaks the line
};

// Long systems need a horizontal scroll bar; the window switches them.
enum class WorksheetScrollBars { Unchanged, VerticalOnly, Both };

class Worksheet {
 public:
  explicit Worksheet(std::vector<std::string> lines = {}, int area = 0);

  int area() const { return area_; }
  const std::vector<std::string>& lines() const { return lines_; }
  int lineCount() const { return static_cast<int>(lines_.size()); }

  // Line `number` counted from 1, as the worked solutions count them; the
  // empty string beyond the last line, as a memo answers.
  std::string line(int number) const;
  void setLine(int number, const std::string& text);

  // A worksheet that holds nothing but blanks counts as empty: the
  // commands then write their example.
  bool isEmpty() const;

  // Adds one memo entry; CR LF (or a lone LF) inside it starts new lines.
  void append(const std::string& entry);
  // Keeps the first `count` lines and deletes the rest.
  void keepFirstLines(int count);
  void deleteLine(int number);
  void clear() { lines_.clear(); }
  void replaceLines(std::vector<std::string> lines) { lines_ = std::move(lines); }

  void hint(const std::string& text);
  void message(const std::string& text);
  const std::vector<WorksheetNotice>& notices() const { return notices_; }

  void setScrollBars(WorksheetScrollBars bars) { scrollBars_ = bars; }
  WorksheetScrollBars scrollBars() const { return scrollBars_; }

  // A question with "Ok" and "Abbrechen" in the middle of a long command;
  // the asker sees the lines written so far. Without an asker (the command
  // line, the tests) every question is answered "no", so no command waits
  // for an answer that cannot come.
  using Asker = std::function<bool(const std::string& question, const std::vector<std::string>& linesSoFar)>;
  void setAsker(Asker asker) { asker_ = std::move(asker); }
  bool ask(const std::string& question) const { return asker_ ? asker_(question, lines_) : false; }

  // The text the user has selected in the memo (Windows-1252).
  void setSelectedText(std::string text) { selectedText_ = std::move(text); }
  const std::string& selectedText() const { return selectedText_; }

 private:
  std::vector<std::string> lines_;
  int area_ = 0;
  std::vector<WorksheetNotice> notices_;
  WorksheetScrollBars scrollBars_ = WorksheetScrollBars::Unchanged;
  Asker asker_;
  std::string selectedText_;
};

}  // namespace lumatik

#pragma once

// The nine examples of the plotter's menu "Diskussion": the function each
// one discusses, the interval it sets, and what it says.

#include <array>
#include <string>
#include <vector>

namespace lumatik {

struct DiscussionExample {
  const char* caption;   // the menu item (UTF-8)
  const char* function;  // the function text
  const char* from;
  const char* to;
  const char* step;
  bool integral;  // "Beispiel Integral" computes the integral after the run
};

// In menu order.
const std::array<DiscussionExample, 9>& DiscussionExamples();

// The example of a menu caption (UTF-8), or nullptr.
const DiscussionExample* FindDiscussionExample(const std::string& caption);

// The message shown before the run (lone CR breaks lines; empty for none),
// as Windows-1252 text.
std::string ExampleMessage(const DiscussionExample& example);

// The plot list of an example: one text line naming the function.
std::string ExampleListLine(const DiscussionExample& example);

// What "Beispiel Integral" appends to the memo after the run, and the
// message it shows after computing (Windows-1252).
std::vector<std::string> IntegralExampleLines();
std::string IntegralExampleMessage();

}  // namespace lumatik

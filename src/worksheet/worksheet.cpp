#include "worksheet/worksheet.h"

#include "shell/text_helpers.h"

namespace lumatik {

Worksheet::Worksheet(std::vector<std::string> lines, int area) : lines_(std::move(lines)), area_(area) {}

std::string Worksheet::line(int number) const {
  if (number < 1 || number > lineCount()) return std::string();
  return lines_[number - 1];
}

void Worksheet::setLine(int number, const std::string& text) {
  if (number < 1) return;
  if (number > lineCount()) lines_.resize(number);
  lines_[number - 1] = text;
}

bool Worksheet::isEmpty() const {
  for (const std::string& text : lines_) {
    if (!IsBlank(text)) return false;
  }
  return true;
}

void Worksheet::append(const std::string& entry) {
  std::string current;
  for (std::size_t i = 0; i < entry.size(); ++i) {
    const char c = entry[i];
    if (c == '\r' && i + 1 < entry.size() && entry[i + 1] == '\n') continue;
    if (c == '\n') {
      lines_.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  lines_.push_back(current);
}

void Worksheet::keepFirstLines(int count) {
  if (count < 0) count = 0;
  if (count < lineCount()) lines_.resize(count);
}

void Worksheet::deleteLine(int number) {
  if (number >= 1 && number <= lineCount()) lines_.erase(lines_.begin() + (number - 1));
}

void Worksheet::hint(const std::string& text) { notices_.push_back({WorksheetNotice::Kind::Hint, text}); }

void Worksheet::message(const std::string& text) { notices_.push_back({WorksheetNotice::Kind::Message, text}); }

}  // namespace lumatik

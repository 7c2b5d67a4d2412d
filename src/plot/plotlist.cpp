#include "plot/plotlist.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "expr/evaluate.h"
#include "expr/term_normalise.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"

namespace lumatik {

namespace {

bool StartsWith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// Characters From..To of S, counted from 1; nothing when the range is empty.
std::string Range(const std::string& s, std::size_t from, std::size_t to) {
  if (from < 1 || to < from || from > s.size()) return {};
  return s.substr(from - 1, std::min(to, s.size()) - from + 1);
}

// 1-based position of the first C in S, or 0.
std::size_t PositionOf(const std::string& s, char c) {
  const auto p = s.find(c);
  return p == std::string::npos ? 0 : p + 1;
}

}  // namespace

PlotLineKind PlotLineKindOf(const std::string& line) {
  static const std::string kSmallSquare = Cp1252("Kästchen");
  if (StartsWith(line, "Text")) return PlotLineKind::Text;
  if (StartsWith(line, "Kreis")) return PlotLineKind::Circle;
  if (StartsWith(line, "Rechteck")) return PlotLineKind::Rectangle;
  if (StartsWith(line, "Strecke")) return PlotLineKind::Segment;
  if (StartsWith(line, kSmallSquare)) return PlotLineKind::SmallSquare;
  return PlotLineKind::Function;
}

FunctionLineParts SplitInterval(const std::string& line) {
  FunctionLineParts parts;
  std::string term;
  const std::size_t p = PositionOf(line, '[');
  if (p != 0) {
    term = Range(line, 1, p - 1);
    const std::size_t closing = PositionOf(line, ']');
    const std::size_t q = closing != 0 ? closing : line.size() + 1;
    const std::size_t semicolon = PositionOf(line, ';');
    const std::size_t s = semicolon != 0 ? semicolon : q;
    parts.lower = EvalTerm(Range(line, p + 1, s - 1));
    if (s < q) parts.upper = EvalTerm(Range(line, s + 1, q - 1));
    if (parts.lower > parts.upper) std::swap(parts.lower, parts.upper);
  } else {
    SplitTermAndParams(line, term);
  }
  // Every sample evaluates the term again; prepare it once.
  parts.term = RewriteWords(RemoveBlanks(term));
  return parts;
}

Extended KeywordArgument(const std::string& line, int n) { return EvalTerm(NthWord(line, n)); }

int TextLineFontSize(const std::string& line) {
  Extended size;
  try {
    size = KeywordArgument(line, 4);
  } catch (const std::runtime_error&) {
    size = 10;  // the parameter x cannot be read
  }
  // "not below 2" is false for a NaN as well, which then also gets 10.
  if (!(size >= 2)) size = 10;
  return static_cast<int>(std::nearbyint(std::min<Extended>(size, kMaxTextFontSize)));
}

std::string TextLineText(const std::string& line) {
  const auto bar = line.find('|');
  return bar == std::string::npos ? line : line.substr(bar + 1);
}

Colour CircleColourOf(const std::string& line) {
  if (line.find("ro") != std::string::npos) return kRed;
  if (line.find("schw") != std::string::npos) return kBlack;
  return kWhite;
}

bool IsEmptyTextLine(const std::string& line) {
  return StartsWith(line, "Text") && line.back() == '|';
}

std::vector<std::string> SplitTextLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(current);
      current.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

void AddCurrentToList(const std::string& current, std::vector<std::string>& list) {
  std::vector<std::string> merged;
  const std::string trimmed = Trim(current);
  if (!IsBlank(trimmed)) merged = SplitTextLines(trimmed);
  for (const std::string& item : list) {
    // The comparison is with the untrimmed item, the copy is trimmed.
    if (std::find(merged.begin(), merged.end(), item) == merged.end()) merged.push_back(Trim(item));
  }
  list.clear();
  for (std::string& line : merged) {
    if (!IsBlank(line)) list.push_back(std::move(line));
  }
}

}  // namespace lumatik

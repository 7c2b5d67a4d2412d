#include "geometry/geometry_text.h"

#include <cmath>

#include "exact/fractions.h"
#include "exact/rational.h"
#include "expr/exact_term.h"
#include "shell/floatformat.h"
#include "shell/text_helpers.h"
#include "worksheet/typed_value.h"

namespace lumatik {

std::string PointText(const std::string& sep, Extended x1, Extended x2, Extended x3) {
  return "(" + NumberTextMixed(x1) + sep + NumberTextMixed(x2) + sep + NumberTextMixed(x3) + ")";
}

std::string PointText(const std::string& sep, const Vec3& v) { return PointText(sep, v.x1, v.x2, v.x3); }

namespace {

// A coordinate to 4 places; one that rounds to zero is "0" (the grouped
// format leaves nothing of it, or a lone minus sign).
std::string CoordinateDecimal(Extended x) {
  const std::string text = FloatTextGrouped(4, x);
  return text.empty() || text == "-" ? "0" : text;
}

}  // namespace

std::string PointTextDecimal(const std::string& sep, const Vec3& v) {
  return "(" + CoordinateDecimal(v.x1) + sep + CoordinateDecimal(v.x2) + sep + CoordinateDecimal(v.x3) + ")";
}

std::string ParenNumberText(Extended x) {
  const std::string text = NumberTextMixed(x);
  return IsWholeNumber(x, 1e-12L) ? text : "(" + text + ")";
}

std::string PaddedNumberText(Extended x) { return PadRight(NumberTextMixed(x), 5); }

namespace {

bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
// Letters of names, with the umlauts of Windows-1252 ("Fußpunkt").
bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || static_cast<unsigned char>(c) >= 0x80;
}
bool IsNameChar(char c) { return IsLetter(c) || IsDigitChar(c); }
bool StartsNumber(char c) { return IsDigitChar(c) || c == '+' || c == '-' || c == ',' || c == '.'; }

// A word that begins a term: Pi, a word followed by an operator, or one
// followed by a bracket that holds no blank or bar - a function call such
// as "wur(3)"; "wurzel(3)" is a term that the engine cannot compute, not the
// name "wurzel" before the number 3.
bool BeginsTerm(const std::string& word, char next, bool callBracket) {
  if (word == "Pi" || callBracket) return true;
  return next != '\0' && std::string("+-*/^").find(next) != std::string::npos;
}

// The bracket that closes the one at `open`, before `end`; npos if none.
std::size_t ClosingBracket(const std::string& s, std::size_t open, std::size_t end) {
  int depth = 0;
  for (std::size_t i = open; i < end; ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0) return i;
  }
  return std::string::npos;
}

// Brackets around coordinates hold blanks or bars, those of a term never
// do ("alle Rechenausdrücke ohne Leerstelle").
bool IsFrame(const std::string& s, std::size_t open, std::size_t end) {
  const std::size_t close = ClosingBracket(s, open, end);
  if (close == std::string::npos) return true;
  return s.substr(open + 1, close - open - 1).find_first_of(" |") != std::string::npos;
}

// The end of the term that starts at `begin`: a blank, a bar, a bracket
// around coordinates or the bracket that closes an enclosing one.
std::size_t TermEnd(const std::string& s, std::size_t begin, std::size_t end) {
  int depth = 0;
  std::size_t i = begin;
  for (; i < end; ++i) {
    const char c = s[i];
    if (c == ' ' || c == '|') break;
    if (c == '(') {
      if (i > begin && IsFrame(s, i, end)) break;
      ++depth;
    } else if (c == ')') {
      if (depth == 0) break;
      --depth;
    }
  }
  return i;
}

// A number with its digits grouped by blanks, as the program writes
// decimals: "1 234,5", "-0,333 333 3", "1234 567" (a blank after the
// first digit is dropped in that format).
bool IsGroupedNumber(std::string text) {
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.erase(0, 1);
  std::vector<std::string> groups;
  std::size_t start = 0;
  for (std::size_t blank = text.find(' '); blank != std::string::npos; blank = text.find(' ', start)) {
    groups.push_back(text.substr(start, blank - start));
    start = blank + 1;
  }
  groups.push_back(text.substr(start));
  if (groups.size() < 2) return false;
  bool inFraction = false;
  for (std::size_t g = 0; g < groups.size(); ++g) {
    std::string group = groups[g];
    const bool last = g + 1 == groups.size();
    const std::size_t separator = group.find_first_of(",.");
    std::string fraction;
    if (separator != std::string::npos) {
      if (inFraction) return false;
      inFraction = true;
      fraction = group.substr(separator + 1);
      group.resize(separator);
      if (fraction.size() > 3 || (!last && fraction.size() != 3)) return false;
    } else if (inFraction) {
      fraction = group;
      group.clear();
      if (fraction.empty() || fraction.size() > 3 || (!last && fraction.size() != 3)) return false;
    }
    for (const char c : group + fraction) {
      if (!IsDigitChar(c)) return false;
    }
    if (!inFraction || separator != std::string::npos) {
      const std::size_t longest = g == 0 ? 4 : 3;
      if (group.empty() || group.size() > longest || (g > 0 && group.size() != 3)) return false;
    }
  }
  return true;
}

void AddItems(const std::string& s, std::size_t begin, std::size_t end, std::vector<std::string>& items);

// The coordinates of a point, separated by bars: each part between two bars
// is one grouped number, or is read like any other text.
void AddPointItems(const std::string& s, std::size_t begin, std::size_t end, std::vector<std::string>& items) {
  std::size_t partStart = begin;
  int depth = 0;
  for (std::size_t i = begin; i <= end; ++i) {
    if (i < end && s[i] == '(') ++depth;
    if (i < end && s[i] == ')') --depth;
    if (i < end && !(s[i] == '|' && depth == 0)) continue;
    const std::string part = Trim(s.substr(partStart, i - partStart));
    if (IsGroupedNumber(part)) {
      items.push_back(RemoveBlanks(part));
    } else {
      AddItems(s, partStart, i, items);
    }
    partStart = i + 1;
  }
}

// The content of brackets around coordinates: a point when bars separate
// its values at its own level.
void AddFrameItems(const std::string& s, std::size_t begin, std::size_t end, std::vector<std::string>& items) {
  int depth = 0;
  for (std::size_t i = begin; i < end; ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')') --depth;
    if (s[i] == '|' && depth == 0) {
      AddPointItems(s, begin, end, items);
      return;
    }
  }
  AddItems(s, begin, end, items);
}

void AddItems(const std::string& s, std::size_t begin, std::size_t end, std::vector<std::string>& items) {
  std::size_t i = begin;
  while (i < end) {
    const char c = s[i];
    if (c == '(' && IsFrame(s, i, end)) {
      const std::size_t close = ClosingBracket(s, i, end);
      const std::size_t contentEnd = close == std::string::npos ? end : close;
      AddFrameItems(s, i + 1, contentEnd, items);
      i = contentEnd + 1;
    } else if (c == '(' || StartsNumber(c)) {
      const std::size_t termEnd = TermEnd(s, i, end);
      items.push_back(s.substr(i, termEnd - i));
      i = termEnd;
    } else if (IsLetter(c)) {
      std::size_t wordEnd = i;
      while (wordEnd < end && IsNameChar(s[wordEnd])) ++wordEnd;
      const char next = wordEnd < end ? s[wordEnd] : '\0';
      if (BeginsTerm(s.substr(i, wordEnd - i), next, next == '(' && !IsFrame(s, wordEnd, end))) {
        const std::size_t termEnd = TermEnd(s, i, end);
        items.push_back(s.substr(i, termEnd - i));
        i = termEnd;
      } else {
        i = wordEnd;  // a name
      }
    } else {
      ++i;  // blanks, bars, "=", ":" and stray brackets separate
    }
  }
}

}  // namespace

std::vector<std::string> ValueItems(const std::string& line) {
  std::vector<std::string> items;
  AddItems(line, 0, line.size(), items);
  return items;
}

Extended LineValues::value(int n) {
  if (n < 1 || n > static_cast<int>(items_.size())) return 0;
  const std::string& item = items_[n - 1];
  const TypedValue typed = ReadTypedValue(item);
  if (!typed.computed && uncomputable_.empty()) {
    uncomputable_ = item;
    message_ = typed.message;
  }
  return typed.value;
}

Typed LineValues::typed(int n) {
  const Extended x = value(n);
  if (n < 1 || n > static_cast<int>(items_.size())) return Typed(x, mpq_class(0));
  if (std::optional<mpq_class> literal = ReadRationalLiteral(items_[n - 1])) return Typed(x, std::move(literal));
  // A term such as 2*3 or 1/2+0,25 is exact as well; sqrt(2) is not.
  if (std::optional<mpq_class> exact = ExactTermValue(items_[n - 1])) return Typed(x, std::move(exact));
  return Typed(x);
}

TypedVec3 LineValues::typedVec3(int first) { return {typed(first), typed(first + 1), typed(first + 2)}; }

Vec3 LineValues::vec3(int first) { return {value(first), value(first + 1), value(first + 2)}; }

PlaneEquation LineValues::plane() { return {value(1), value(2), value(3), value(4)}; }

std::string LineValues::hint(int lineNumber) const {
  return UncomputableValueHint(lineNumber, uncomputable_, message_);
}

std::string CoordinateEquationText(const PlaneEquation& e) {
  return NumberTextMixed(e.a) + "*x1" + SignChar(e.b) + ParenNumberText(std::fabs(e.b)) + "*x2" + SignChar(e.c) +
         ParenNumberText(std::fabs(e.c)) + "*x3=" + NumberTextMixed(e.d);
}

std::string PlaneCoefficientLine(const PlaneEquation& e, const std::string& equation) {
  return PaddedNumberText(e.a) + " " + PaddedNumberText(e.b) + " " + PaddedNumberText(e.c) + " " +
         PaddedNumberText(e.d) + "(Ebene E: " + equation + ")";
}

std::string TraceTriangleText(const PlaneEquation& e) {
  std::string text = "DREIECK der Spurpunkte ";
  if (e.a != 0) text += " S1" + PointText("|", e.d / e.a, 0, 0);
  if (e.b != 0) text += " S2" + PointText("|", 0, e.d / e.b, 0);
  if (e.c != 0) text += " S3" + PointText("|", 0, 0, e.d / e.c);
  return text;
}

bool GeometryHead(Worksheet& sheet, const std::string& example, bool keywordsFound, const std::string& hint) {
  if (sheet.isEmpty()) {
    sheet.clear();
    sheet.append(example);
    return false;
  }
  if (!keywordsFound) {
    sheet.hint(hint);
    return false;
  }
  return true;
}

}  // namespace lumatik

#include "draw3d/scene_line.h"

#include <algorithm>
#include <cmath>

#include "geometry/geometry_text.h"
#include "shell/codepage.h"
#include "shell/text_helpers.h"
#include "worksheet/typed_value.h"

namespace lumatik {

namespace {

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
// Letters of words, with the umlauts of Windows-1252.
bool IsWordLetter(char c) { return IsAsciiLetter(c) || static_cast<unsigned char>(c) >= 0x80; }
bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }

std::string AsciiLower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

// The bracket closing the one at `open`, or npos.
std::size_t MatchingBracket(const std::string& s, std::size_t open) {
  int depth = 0;
  for (std::size_t i = open; i < s.size(); ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0) return i;
  }
  return std::string::npos;
}

// Brackets around coordinates hold a blank or a bar (or are never closed);
// those of a term, such as sqrt(53), hold neither.
bool AroundCoordinates(const std::string& s, std::size_t open) {
  const std::size_t close = MatchingBracket(s, open);
  return close == std::string::npos || s.substr(open, close - open).find_first_of(" |") != std::string::npos;
}

// Digits from `pos` on; their count.
std::size_t DigitRun(const std::string& s, std::size_t pos) {
  std::size_t end = pos;
  while (end < s.size() && IsDigitChar(s[end])) ++end;
  return end - pos;
}

}  // namespace

bool BeginsWithWord(const std::string& line, const std::string& word) {
  if (line.compare(0, word.size(), word) != 0) return false;
  if (word.back() == ' ' || line.size() == word.size()) return true;
  return !IsWordLetter(line[word.size()]);
}

std::vector<SceneRow> SceneRowsOf(const std::string& line) {
  const std::string lower = AsciiLower(line);
  std::vector<SceneRow> rows;
  const auto add = [&rows](bool matches, SceneRow row) {
    if (matches) rows.push_back(row);
  };
  add(BeginsWithWord(lower, "punkt"), SceneRow::Point);
  add(BeginsWithWord(line, "PUNKT"), SceneRow::PointFloor);
  add(BeginsWithWord(lower, "strecke"), SceneRow::Segment);
  add(BeginsWithWord(lower, "gerade"), SceneRow::StraightLine);
  add(BeginsWithWord(line, "STRECKE") || BeginsWithWord(line, "GERADE"), SceneRow::FirstTwoFloor);
  add(BeginsWithWord(lower, "dreieck "), SceneRow::Triangle);
  add(BeginsWithWord(line, "DREIECK "), SceneRow::TriangleFloor);
  add(BeginsWithWord(lower, "tetraeder "), SceneRow::Tetrahedron);
  add(BeginsWithWord(line, "TETRAEDER "), SceneRow::TetrahedronFloor);
  add(BeginsWithWord(line, "PARALLELOGRAMM"), SceneRow::ParallelogramCapitals);
  add(BeginsWithWord(lower, "parallelogramm "), SceneRow::Parallelogram);
  add(BeginsWithWord(line, "SPAT"), SceneRow::ParallelepipedCapitals);
  add(BeginsWithWord(lower, "spat"), SceneRow::Parallelepiped);
  add(BeginsWithWord(lower, "vektor"), SceneRow::Vector);
  add(BeginsWithWord(lower, "kreis"), SceneRow::Circle);
  add(BeginsWithWord(lower, "kugel") && lower.find("kugel durch") == std::string::npos, SceneRow::Sphere);
  return rows;
}

PointName PointNameOf(const std::string& line, int n) {
  int seen = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '(' || !AroundCoordinates(line, i) || ++seen < n) continue;
    PointName name;
    if (i == 0 || line[i - 1] == ' ') return name;
    name.name = line[i - 1];
    if (i >= 2 && IsAsciiLetter(line[i - 2])) name.prefix = line[i - 2];
    return name;
  }
  return {};
}

std::string JoinGroupedAfterEquals(const std::string& line) {
  std::string s = line;
  int depth = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')') --depth;
    if (s[i] != '=' || depth != 0) continue;
    std::size_t pos = i + 1;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+')) ++pos;
    const std::size_t lead = DigitRun(s, pos);
    if (lead == 0 || lead > 3) continue;
    pos += lead;
    // Each further group: a blank and exactly three digits.
    while (pos + 3 < s.size() && s[pos] == ' ' && DigitRun(s, pos + 1) == 3) {
      s.erase(pos, 1);
      pos += 3;
    }
  }
  return s;
}

SceneLine::SceneLine(std::string text, int number)
    : rewritten(text), text_(std::move(text)), number_(number), items_(ValueItems(JoinGroupedAfterEquals(text_))) {}

std::optional<Extended> SceneLine::value(int n) {
  if (n < 1 || n > static_cast<int>(items_.size())) {
    mostValuesAsked_ = std::max(mostValuesAsked_, n);
    return std::nullopt;
  }
  const std::string& item = items_[n - 1];
  const TypedValue typed = ReadTypedValue(item);
  if (!typed.computed) {
    std::string note = "\"" + item + "\"" + Cp1252(" kann nicht berechnet werden");
    if (!typed.message.empty()) note += " (" + typed.message + ")";
    problem(note);
    return std::nullopt;
  }
  if (!std::isfinite(typed.value)) {
    problem("\"" + item + "\"" + Cp1252(" ist zu groß"));
    return std::nullopt;
  }
  return typed.value;
}

bool SceneLine::holdsNumbers() const {
  return std::any_of(items_.begin(), items_.end(), [](const std::string& item) {
    const TypedValue typed = ReadTypedValue(item);
    return typed.computed && std::isfinite(typed.value);
  });
}

std::optional<Vec3> SceneLine::point(int first) {
  // All three are read, so the hint names every missing one.
  const auto x1 = value(first);
  const auto x2 = value(first + 1);
  const auto x3 = value(first + 2);
  if (!x1 || !x2 || !x3) return std::nullopt;
  return Vec3{*x1, *x2, *x3};
}

void SceneLine::problem(const std::string& text) {
  if (std::find(problems_.begin(), problems_.end(), text) == problems_.end()) problems_.push_back(text);
}

std::vector<std::string> SceneLine::problems() const {
  std::vector<std::string> all;
  if (mostValuesAsked_ > 0) {
    all.push_back(Cp1252("es fehlen Zahlen (") + FloatText18(static_cast<Extended>(items_.size())) + " statt " +
                  FloatText18(mostValuesAsked_) + ")");
  }
  all.insert(all.end(), problems_.begin(), problems_.end());
  return all;
}

}  // namespace lumatik

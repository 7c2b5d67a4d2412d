#pragma once

// One line of the worksheet read as a scene line: which objects its keyword
// asks for, its values and the names of its points. Values are read as the
// geometry commands read theirs (ValueItems): names and words between the
// numbers are skipped, the brackets around a point's coordinates separate,
// a term keeps its own brackets ("r=1/2*sqrt(53)") and a point the program
// wrote with grouped digits ("U(12 345,5|0|1)") reads as that point.

#include <optional>
#include <string>
#include <vector>

#include "geometry/geometry_types.h"

namespace lumatik {

// What a scene line draws, in the order the keywords are tested; a line may
// ask for several (a keyword in capitals adds the perpendiculars to the
// floor, "PARALLELOGRAMM" and "SPAT" draw their object twice).
enum class SceneRow {
  Point,                   // "punkt", any case
  PointFloor,              // "PUNKT"
  Segment,                 // "strecke", any case
  StraightLine,            // "gerade", any case; trace points for "GERADE"
  FirstTwoFloor,           // "STRECKE" or "GERADE"
  Triangle,                // "dreieck ", any case
  TriangleFloor,           // "DREIECK "
  Tetrahedron,             // "tetraeder ", any case
  TetrahedronFloor,        // "TETRAEDER "
  ParallelogramCapitals,   // "PARALLELOGRAMM"
  Parallelogram,           // "parallelogramm ", any case
  ParallelepipedCapitals,  // "SPAT"
  Parallelepiped,          // "spat", any case
  Vector,                  // "vektor", any case
  Circle,                  // "kreis", any case
  Sphere,                  // "kugel", any case, but not "Kugel durch ..."
};

// The keyword stands at the start of the line and is a word of its own:
// "Punktprobe", "Vektoren" or "Spatprodukt" begin no object.
std::vector<SceneRow> SceneRowsOf(const std::string& line);

// True when the line begins with the word exactly as written ("GERADE").
bool BeginsWithWord(const std::string& line, const std::string& word);

// The name written at a line's n-th point: the character before the n-th
// bracket around coordinates (none when that is a blank), and the letter
// before it, so "S1(" and "Ma(" give two characters.
struct PointName {
  char name = 0;    // 0: no name
  char prefix = 0;  // 0: none
};
PointName PointNameOf(const std::string& line, int n);

// "r=12 345,678": a number after "=" whose thousands the program grouped
// with blanks, joined so that it reads as one value.
std::string JoinGroupedAfterEquals(const std::string& line);

class SceneLine {
 public:
  SceneLine(std::string text, int number);

  const std::string& text() const { return text_; }
  int number() const { return number_; }

  // Value n counted from 1; nothing when the line holds fewer values or the
  // engine cannot compute the term or its value is no finite number.
  std::optional<Extended> value(int n);
  // Values first, first + 1 and first + 2.
  std::optional<Vec3> point(int first);
  // The value, or 0 for one the line does not hold, as a default that the
  // drawing states in the hint.
  Extended valueOr0(int n) { return value(n).value_or(0); }

  // False for a line without a single number that can be read, such as
  // "Gerade in Kugel führt auf Gleichung 25*s^2-148*s+196=0": a sentence
  // that begins with a keyword, not an object.
  bool holdsNumbers() const;

  // The line as it goes back into the worksheet: computed points appended.
  std::string rewritten;

  // A part of the object that could not be drawn, for the hint.
  void problem(const std::string& text);
  // Everything the hint says about this line: the numbers that are missing
  // or cannot be computed and the parts that could not be drawn.
  std::vector<std::string> problems() const;

 private:
  std::string text_;
  int number_ = 0;
  std::vector<std::string> items_;
  int mostValuesAsked_ = 0;  // the highest value number asked for beyond the line's values
  std::vector<std::string> problems_;
};

}  // namespace lumatik

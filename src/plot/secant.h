#pragma once

// From the secant to the tangent: each command turns the current function
// into a small plot list (the function, a red dot at P, a white dot at Q,
// the straight line as a term) and reports the slope for the fields Lm/Em.

#include <optional>
#include <string>
#include <vector>

#include "shell/extended.h"

namespace lumatik {

// The input window's fields the commands read and write.
struct SecantFields {
  std::string function;  // the function field's text
  std::string x0 = "1";  // Ex0
  std::string x = "2";   // Ex
  std::string lex = "1";  // ELEx
  std::string ley = "1";  // ELEy
  std::string mx = "0";   // Ex000
  std::string my = "0";   // Ey000
};

struct SecantDrawing {
  std::string slopeCaption;           // the caption of Lm
  std::string slopeText;              // Em
  std::vector<std::string> plotList;  // replaces the plot list
};

// "4/5*x-3/4": the slope, "*x", the sign and the absolute intercept.
std::string LineTerm(Extended m, Extended b);
// "0,8=4/5": up to five decimals and a short fraction.
std::string SlopeText(Extended m);
// The dots are 1/20 cm wide along x: their radius is 1/N user units.
long long DotDivisor(const std::string& lexText);

// Each returns nothing, after saying why through ShowMessage, when the
// construction does not exist (x equal to x0 leaves no secant) or its line
// cannot be written (a slope that overflows, an x0 so large that the
// tangent's step vanishes).
std::optional<SecantDrawing> DrawSecant(const SecantFields& fields);
std::optional<SecantDrawing> DrawTangent(const SecantFields& fields);
std::optional<SecantDrawing> DrawNormal(const SecantFields& fields);

// "Zeichne Sekante mit 1/2dx": the new text of Ex, halfway to x0.
std::string HalvedX(const SecantFields& fields);

// "Lupe": units and centre so that P sits in the middle and the secant is
// one centimetre wide (and high, where the function rises or falls).
std::optional<SecantFields> Magnify(const SecantFields& fields);

// "Sekante löschen": units 1, centre 0.
SecantFields ClearedSecant(const SecantFields& fields);

// The four examples of the menu, by their captions.
struct SecantExample {
  const char* caption;  // UTF-8
  const char* function;
  const char* x0;
  const char* x;
  bool resetsCentre;
};
const std::vector<SecantExample>& SecantExamples();
SecantFields ApplyExample(const SecantExample& example, const SecantFields& fields);

// The message box of "Hinweis" (lines separated by a lone CR).
std::string SecantHintText();

}  // namespace lumatik

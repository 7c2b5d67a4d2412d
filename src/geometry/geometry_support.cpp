#include "geometry/geometry_support.h"

#include <cmath>

#include "shell/codepage.h"
#include "shell/floatformat.h"

namespace lumatik {

namespace {

constexpr Extended kLargestInput = 1e300L;

bool InRange(Extended x) { return std::isfinite(x) && std::fabs(x) <= kLargestInput; }

}  // namespace

std::string ClickTwiceAgainText() {
  return Cp1252("Klicken Sie \"Alles löschen\", dann noch zwei mal diesen Programmpunkt!");
}

bool ValuesComputed(Worksheet& sheet, std::initializer_list<std::pair<int, const LineValues*>> lines) {
  for (const auto& [lineNumber, values] : lines) {
    if (!values->computed()) {
      sheet.hint(values->hint(lineNumber));
      return false;
    }
  }
  return true;
}

bool InputsInRange(std::initializer_list<Extended> values, Worksheet& sheet) {
  for (Extended x : values) {
    if (!InRange(x)) {
      sheet.hint(Cp1252("Zahl zu groß: Beträge über 1E300 werden nicht gerechnet."));
      return false;
    }
  }
  return true;
}

bool InputsInRange(std::initializer_list<Vec3> points, Worksheet& sheet) {
  for (const Vec3& p : points) {
    if (!InputsInRange({p.x1, p.x2, p.x3}, sheet)) return false;
  }
  return true;
}

}  // namespace lumatik

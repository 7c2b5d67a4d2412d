#pragma once

// The discussion window's link to the plotter: "+" and "-" zoom and "->"
// and "<-" shift the plotter's picture and move the interval with it, and
// the points found can be taken into the plot list as circles.

#include <optional>
#include <string>
#include <vector>

#include "discuss/discussion_run.h"

namespace lumatik {

// The new texts of the plotter's unit ELEx and centre Ex000 and of the
// window's interval edits. The interval covers the 16 cm of the picture
// around its centre (ELEx is the length of one unit in cm); it stays as it
// is when the unit is 0 or no number.
struct MovedView {
  std::string lex;
  std::string x000;
  std::optional<std::string> from;
  std::optional<std::string> to;
  std::optional<std::string> step;  // only a zoom sets the step: a tenth of a unit
};

// "+" doubles the unit, "-" halves it.
MovedView ZoomedView(const std::string& lexText, const std::string& x000Text, bool zoomIn);
// "->" moves the centre 4 cm to the left, "<-" 4 cm to the right.
MovedView ShiftedView(const std::string& lexText, const std::string& x000Text, bool toTheRight);

// One plot-list line per point: "Kreis x y 1/20" with zeros red, high and
// low points black, inflection points white; the white ones first, the
// black ones last. Points named twice give one line.
std::vector<std::string> PointCircleLines(const std::vector<FoundPoint>& points);

// Appends the circle lines that the list does not hold yet.
void TakePointsIntoPlotList(const std::vector<FoundPoint>& points, std::vector<std::string>& list);

}  // namespace lumatik

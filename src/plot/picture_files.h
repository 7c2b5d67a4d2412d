#pragma once

// What a picture file of a drawing is: its format, chosen by the file
// name's extension, its size in pixels, and the colours a drawing made for
// the screen's black takes on white paper.

#include <optional>
#include <string>

#include "plot/canvas.h"

namespace lumatik {

enum class PictureFormat { Png, Svg, Pdf };

// ".svg" and ".pdf" in any case; every other name is a PNG file.
PictureFormat PictureFormatOf(const std::string& fileName);

// The extension a file of the format gets: ".png", ".svg", ".pdf".
std::string PictureExtension(PictureFormat format);

// The name with the format's extension, added unless it ends with it already.
std::string WithPictureExtension(const std::string& fileName, PictureFormat format);

struct PictureSize {
  int width = 0;
  int height = 0;
};

// "1600x1200" (an "X" or a blank around the "x" is fine): at least 16 x 12
// and at most 10000 pixels either way.
std::optional<PictureSize> ParsePictureSize(const std::string& text);

// The screen draws light on black; paper takes the same drawing dark on
// white. For lines and texts black and white trade places, the screen's grid
// grey becomes the paper's silver, and the light yellow and cyan, which
// would vanish on white, become dark gold and dark cyan. Every other colour
// stays.
Colour OnPaper(Colour screen);
// Fills: the screen's black ground becomes the white paper; a filled shape
// (a circle of the plot list) keeps its colour, as the command line's
// picture shows it.
Colour FillOnPaper(Colour screen);

}  // namespace lumatik

#pragma once

// Where the screenshot tool's windows stand and which rectangle of the
// screen it copies. All values are screen pixels; a window's geometry is
// its outer frame, title bar included, as the user sees it.

namespace lumatik {

struct WindowRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const WindowRect&) const = default;
};

// "Markierungen": the capture window in the middle of the screen, the
// upper-left marker 100 pixels left of and above its corner, the lower-right
// marker 200 pixels right of and 100 pixels below it.
struct MarkerPlaces {
  int captureLeft = 0;
  int captureTop = 0;
  int upperLeftLeft = 0;
  int upperLeftTop = 0;
  int lowerRightLeft = 0;
  int lowerRightTop = 0;

  bool operator==(const MarkerPlaces&) const = default;
};

MarkerPlaces PlaceMarkers(int screenWidth, int screenHeight, int captureWidth, int captureHeight);

// The rectangle from the upper-left marker's corner to the lower-right
// marker's far corner. It never starts left of or above the screen and never
// ends beyond its right or lower edge; a marker that reached beyond an edge
// is moved back 100 pixels so that the user sees it again.
struct CapturePlan {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  int lowerRightLeft = 0;  // where the lower-right marker stands afterwards
  int lowerRightTop = 0;

  // An empty or inverted rectangle cannot be copied: "Fehler".
  bool copyable() const { return width >= 1 && height >= 1; }
  bool operator==(const CapturePlan&) const = default;
};

CapturePlan PlanCapture(const WindowRect& upperLeftMarker, const WindowRect& lowerRightMarker, int screenWidth,
                        int screenHeight);

}  // namespace lumatik

#include "screenshot/capture_geometry.h"

#include <algorithm>

namespace lumatik {

namespace {

// Integer division that truncates towards zero, as the window placement has
// always done; a window wider than the screen gets a negative left edge.
int HalfOf(int value) { return value / 2; }

}  // namespace

MarkerPlaces PlaceMarkers(int screenWidth, int screenHeight, int captureWidth, int captureHeight) {
  MarkerPlaces places;
  places.captureLeft = HalfOf(screenWidth - captureWidth);
  places.captureTop = HalfOf(screenHeight - captureHeight);
  places.upperLeftLeft = places.captureLeft - 100;
  places.upperLeftTop = places.captureTop - 100;
  places.lowerRightLeft = places.captureLeft + 200;
  places.lowerRightTop = places.captureTop + 100;
  return places;
}

CapturePlan PlanCapture(const WindowRect& upperLeftMarker, const WindowRect& lowerRightMarker, int screenWidth,
                        int screenHeight) {
  CapturePlan plan;
  plan.lowerRightLeft = lowerRightMarker.left;
  plan.lowerRightTop = lowerRightMarker.top;
  const int x1 = std::max(upperLeftMarker.left, 0);
  const int y1 = std::max(upperLeftMarker.top, 0);
  int x2 = lowerRightMarker.left + lowerRightMarker.width;
  int y2 = lowerRightMarker.top + lowerRightMarker.height;
  if (x2 > screenWidth) {
    x2 = screenWidth;
    plan.lowerRightLeft -= 100;
  }
  if (y2 > screenHeight) {
    y2 = screenHeight;
    plan.lowerRightTop -= 100;
  }
  plan.x = x1;
  plan.y = y1;
  plan.width = x2 - x1;
  plan.height = y2 - y1;
  return plan;
}

}  // namespace lumatik

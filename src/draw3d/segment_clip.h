#pragma once

// Cutting a segment of the picture to the picture's rectangle 0..maxX x
// 0..maxY. Ends are rounded to whole pixels first; then each end that lies
// outside is moved along the segment onto the border it crosses, in the
// order left, right, top, bottom (first end before second end each time),
// with whole-number arithmetic: the product of two differences divided by
// the third, truncated. A segment that misses the picture is not drawn at
// all, so nothing of it piles up along the border.

#include <cstdint>
#include <optional>

#include "draw3d/projection.h"

namespace lumatik {

struct PixelSegment {
  std::int64_t x1 = 0;
  std::int64_t y1 = 0;
  std::int64_t x2 = 0;
  std::int64_t y2 = 0;
  friend bool operator==(const PixelSegment&, const PixelSegment&) = default;
};

enum class ClipOutcome {
  Visible,
  Outside,   // the segment misses the picture
  TooLarge,  // an end is no finite number, or both ends lie so far away
             // that extended precision cannot place the part in between
};

struct ClippedSegment {
  ClipOutcome outcome = ClipOutcome::Outside;
  PixelSegment segment;  // only for Visible
};

ClippedSegment ClipToPicture(PixelPosition from, PixelPosition to, int maxX, int maxY);

// Beyond this distance from the picture an end is first brought nearer
// along the segment, so the whole-number steps cannot overflow.
inline constexpr long double kNearPixels = 1e7L;
// Beyond this distance both ends together cannot be placed precisely.
inline constexpr long double kReliablePixels = 1e15L;

}  // namespace lumatik

#pragma once

// "Größe verändern": the picture scaled by a percentage the user types.

#include <optional>
#include <string>

#include "shell/extended.h"

namespace lumatik {

struct PictureSize {
  int width = 0;
  int height = 0;

  bool operator==(const PictureSize&) const = default;
};

// A pixel length as the program rounds it: to the nearest integer, ties to even.
Extended RoundTiesToEven(Extended value);

// The typed percentage, read as a decimal number with the locale's
// separator; no number gives nothing.
std::optional<Extended> PercentFromText(const std::string& text);

// round(w*p/100) x round(h*p/100). A size without pixels, or one too large
// to hold in memory, gives nothing and the picture stays as it is.
std::optional<PictureSize> ScaledSize(PictureSize size, Extended percent);

// The largest scaled picture: 32767 pixels a side and 64 million pixels in all.
inline constexpr int kMaxScaledSide = 32767;
inline constexpr long long kMaxScaledPixels = 64LL * 1000 * 1000;

}  // namespace lumatik

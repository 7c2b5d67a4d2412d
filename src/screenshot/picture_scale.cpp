#include "screenshot/picture_scale.h"

#include <cmath>

#include "shell/textconvert.h"

namespace lumatik {

Extended RoundTiesToEven(Extended value) {
  const Extended below = std::floor(value);
  const Extended fraction = value - below;
  if (fraction < 0.5L) return below;
  if (fraction > 0.5L) return below + 1;
  return std::fmod(below, 2.0L) == 0 ? below : below + 1;
}

std::optional<Extended> PercentFromText(const std::string& text) {
  try {
    const Extended percent = TextToFloat(text);
    if (!std::isfinite(percent)) return std::nullopt;
    return percent;
  } catch (const ConversionError&) {
    return std::nullopt;
  }
}

namespace {

std::optional<int> ScaledLength(int length, Extended percent) {
  const Extended scaled = RoundTiesToEven(static_cast<Extended>(length) * percent / 100);
  if (!std::isfinite(scaled) || scaled < 1 || scaled > kMaxScaledSide) return std::nullopt;
  return static_cast<int>(scaled);
}

}  // namespace

std::optional<PictureSize> ScaledSize(PictureSize size, Extended percent) {
  const std::optional<int> width = ScaledLength(size.width, percent);
  const std::optional<int> height = ScaledLength(size.height, percent);
  if (!width || !height) return std::nullopt;
  if (static_cast<long long>(*width) * *height > kMaxScaledPixels) return std::nullopt;
  return PictureSize{*width, *height};
}

}  // namespace lumatik

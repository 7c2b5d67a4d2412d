#include "plot/picture_files.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace lumatik {

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& end) {
  if (text.size() < end.size()) return false;
  return std::equal(end.begin(), end.end(), text.end() - static_cast<std::ptrdiff_t>(end.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
                    });
}

// A whole number that fills the text, with blanks around it.
std::optional<int> WholeNumber(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  const auto last = text.find_last_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const std::string digits = text.substr(first, last - first + 1);
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
  try {
    return std::stoi(digits);
  } catch (const std::out_of_range&) {
    return std::nullopt;
  }
}

}  // namespace

PictureFormat PictureFormatOf(const std::string& fileName) {
  if (EndsWithIgnoringCase(fileName, ".svg")) return PictureFormat::Svg;
  if (EndsWithIgnoringCase(fileName, ".pdf")) return PictureFormat::Pdf;
  return PictureFormat::Png;
}

std::string PictureExtension(PictureFormat format) {
  switch (format) {
    case PictureFormat::Svg:
      return ".svg";
    case PictureFormat::Pdf:
      return ".pdf";
    case PictureFormat::Png:
      break;
  }
  return ".png";
}

std::string WithPictureExtension(const std::string& fileName, PictureFormat format) {
  const std::string extension = PictureExtension(format);
  return EndsWithIgnoringCase(fileName, extension) ? fileName : fileName + extension;
}

std::optional<PictureSize> ParsePictureSize(const std::string& text) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return std::nullopt;
  const auto width = WholeNumber(text.substr(0, x));
  const auto height = WholeNumber(text.substr(x + 1));
  constexpr int kLargest = 10000;
  if (!width || !height || *width < 16 || *height < 12 || *width > kLargest || *height > kLargest) return std::nullopt;
  return PictureSize{*width, *height};
}

Colour OnPaper(Colour screen) {
  switch (screen) {
    case kBlack:
      return kWhite;
    case kWhite:
      return kBlack;
    case kGridGrey:
      return kGridSilver;
    case kYellow:
      return 0x0080C0;  // dark gold
    case 0xFFFF00:      // cyan
      return 0xA0A000;
    default:
      return screen;
  }
}

Colour FillOnPaper(Colour screen) { return screen == kBlack ? kWhite : screen; }

}  // namespace lumatik

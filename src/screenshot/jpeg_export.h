#pragma once

// JPEG files of the captured picture, compressed by libjpeg.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lumatik {

// The qualities of the eleven "Speichern als JPG-Datei" items, top to bottom.
inline constexpr std::array<int, 11> kJpegQualities = {100, 90, 80, 70, 60, 50, 40, 30, 20, 10, 5};

// "Speichern als JPG-Datei (5%)".
std::string JpegItemCaption(int quality);

inline constexpr int kMinJpegQuality = 5;
inline constexpr int kMaxJpegQuality = 100;

// A picture as 8-bit red, green and blue values, row after row from the top,
// without padding between the rows.
struct RgbPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 3 bytes
};

struct JpegResult {
  bool ok = false;
  std::string error;  // libjpeg's or the file system's words when !ok
};

// Compresses the picture with the quality (5 to 100) and writes it to the
// file. Nothing ever ends the program here: a picture without pixels, a
// quality out of range, a file that cannot be written or a complaint from
// libjpeg all come back as a failure, and no half-written file is left.
JpegResult WriteJpegFile(const std::string& path, const RgbPicture& picture, int quality);

}  // namespace lumatik

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "screenshot/jpeg_export.h"
#include "shell/file_test_folder.h"

namespace lumatik {
namespace {

namespace fs = std::filesystem;

// A file read back with libjpeg: its size, the first luminance quantiser
// (which tells the quality it was written with) and its pixels.
struct ReadBack {
  int width = 0, height = 0, firstQuantiser = 0;
  std::vector<std::uint8_t> pixels;
};

ReadBack ReadJpeg(const fs::path& path) {
  ReadBack out;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return out;
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);  // a broken file ends the test program
  jpeg_create_decompress(&info);
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  out.firstQuantiser = info.quant_tbl_ptrs[0] ? info.quant_tbl_ptrs[0]->quantval[0] : 0;
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out.width = static_cast<int>(info.output_width);
  out.height = static_cast<int>(info.output_height);
  out.pixels.resize(static_cast<std::size_t>(out.width) * out.height * 3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out.pixels.data() + static_cast<std::size_t>(info.output_scanline) * out.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  std::fclose(file);
  return out;
}

// A picture with detail everywhere, so that the quality matters: a
// gradient with hashed noise.
RgbPicture TestPicture(int width, int height) {
  RgbPicture picture{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      for (const int c : {x * 255 / width, y * 255 / height, x + y})
        picture.pixels.push_back(static_cast<std::uint8_t>((c + (x * 7919 + y * 104729) % 64) % 256));
  return picture;
}

// The mean difference in brightness. JPEG keeps brightness at full
// resolution but halves the colour resolution even at quality 100, so only
// brightness can be compared pixel by pixel.
double MeanLumaDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
  if (a.size() != b.size() || a.empty()) return 1e9;
  const auto luma = [](const std::uint8_t* p) { return 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]; };
  double sum = 0;
  for (std::size_t i = 0; i + 2 < a.size(); i += 3) sum += std::abs(luma(&a[i]) - luma(&b[i]));
  return sum / static_cast<double>(a.size() / 3);
}

using JpegExportTest = testing::FileTest;

TEST_F(JpegExportTest, RoundTripAtBothEndsOfTheQualityRange) {
  const RgbPicture picture = TestPicture(123, 77);
  const fs::path low = folder / "low.jpg", high = folder / "high.jpg";
  ASSERT_TRUE(WriteJpegFile(low.string(), picture, 5).ok);
  ASSERT_TRUE(WriteJpegFile(high.string(), picture, 100).ok);

  const ReadBack lowBack = ReadJpeg(low), highBack = ReadJpeg(high);
  EXPECT_TRUE(lowBack.width == 123 && lowBack.height == 77 && highBack.width == 123 && highBack.height == 77);
  EXPECT_LT(fs::file_size(low), fs::file_size(high));
  // The IJG scaling: quality 100 quantises by 1, quality 5 multiplies the standard table's 16 by 10.
  EXPECT_EQ(highBack.firstQuantiser, 1);
  EXPECT_EQ(lowBack.firstQuantiser, 160);
  // Quality 100 keeps the picture nearly as it was, quality 5 visibly not.
  EXPECT_LT(MeanLumaDifference(highBack.pixels, picture.pixels), 3.0);
  EXPECT_GT(MeanLumaDifference(lowBack.pixels, picture.pixels), MeanLumaDifference(highBack.pixels, picture.pixels));
  EXPECT_FALSE(fs::exists(folder / "low.jpg.part"));  // no leftovers beside the files
}

struct RefusedCase {
  const char* name;
  RgbPicture picture;
  int quality;
};

TEST_F(JpegExportTest, RefusesWithoutWritingAnything) {
  const RefusedCase cases[] = {
      {"quality 4", TestPicture(8, 8), 4},
      {"quality 101", TestPicture(8, 8), 101},
      {"no pixels", RgbPicture{0, 0, {}}, 50},
      {"rows too short", RgbPicture{8, 8, std::vector<std::uint8_t>(8 * 8 * 3 - 1)}, 50},
  };
  for (const RefusedCase& c : cases) {
    const fs::path path = folder / "refused.jpg";
    const JpegResult result = WriteJpegFile(path.string(), c.picture, c.quality);
    EXPECT_FALSE(result.ok) << c.name;
    EXPECT_FALSE(result.error.empty()) << c.name;
    EXPECT_FALSE(fs::exists(path)) << c.name;
  }
}

// libjpeg refuses pictures wider than 65500 pixels: its error must not end
// the program, and an older file of the same name stays as it was.
TEST_F(JpegExportTest, LibjpegComplaintsComeBackAsFailures) {
  const fs::path path = folder / "keep.jpg";
  ASSERT_TRUE(WriteJpegFile(path.string(), TestPicture(8, 8), 50).ok);
  const std::uintmax_t before = fs::file_size(path);
  const RgbPicture wide{70000, 1, std::vector<std::uint8_t>(70000 * 3, 128)};
  for (const fs::path& target : {folder / "wide.jpg", path}) {
    const JpegResult result = WriteJpegFile(target.string(), wide, 50);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.empty());
    EXPECT_FALSE(fs::exists(target.string() + ".part"));
  }
  EXPECT_FALSE(fs::exists(folder / "wide.jpg"));
  ASSERT_TRUE(fs::exists(path));
  EXPECT_EQ(fs::file_size(path), before);
}

}  // namespace
}  // namespace lumatik

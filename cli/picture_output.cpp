#include "picture_output.h"

#include <stdexcept>

namespace lumatik::cli {

std::unique_ptr<QGuiApplication> EnsureGuiApplication() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  static int argc = 3;
  static char name[] = "lumatik-cli";
  static char option[] = "-platform";
  static char platform[] = "offscreen";
  static char* argv[] = {name, option, platform, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

bool ParsePictureSize(const std::string& text, int& width, int& height) {
  const auto x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  try {
    std::size_t used = 0;
    width = std::stoi(text.substr(0, x), &used);
    if (used != x) return false;
    height = std::stoi(text.substr(x + 1), &used);
    if (used != text.size() - x - 1) return false;
  } catch (const std::logic_error&) {  // std::stoi: no number, or out of range
    return false;
  }
  constexpr int kLargest = 10000;
  return width >= 16 && height >= 12 && width <= kLargest && height <= kLargest;
}

}  // namespace lumatik::cli

#include "picture_output.h"

#include <iostream>

#include "plot/paint/picture_writer.h"
#include "plot/picture_files.h"

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
  const auto size = lumatik::ParsePictureSize(text);
  if (!size) return false;
  width = size->width;
  height = size->height;
  return true;
}

bool WritePictureFile(const std::string& out, int width, int height, bool screen,
                      const std::function<void(Canvas&)>& drawing) {
  const QSize size(width, height);
  if (WritePicture(QString::fromStdString(out), PictureFormatOf(out), size, size, screen ? kBlack : kWhite, drawing))
    return true;
  std::cerr << "Bild nicht gespeichert: " << out << '\n';
  return false;
}

}  // namespace lumatik::cli

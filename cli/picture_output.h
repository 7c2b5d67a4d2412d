#pragma once

// What the drawing commands share: a GUI application for the painter's
// fonts, the picture size option and the picture file.

#include <QGuiApplication>
#include <functional>
#include <memory>
#include <string>

#include "plot/canvas.h"

namespace lumatik::cli {

// Text in the painter needs a GUI application; a command line has none, so
// it gets one without a display. Null when one exists already.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

// "1600x1200": at least 16 x 12 and at most 10000 pixels either way.
bool ParsePictureSize(const std::string& text, int& width, int& height);

// The drawing into the file --out names: PNG, or SVG or PDF by its
// extension. False (with the message on standard error) when it could not
// be written.
bool WritePictureFile(const std::string& out, int width, int height, bool screen,
                      const std::function<void(Canvas&)>& drawing);

}  // namespace lumatik::cli

#pragma once

// What the drawing commands share: a GUI application for the painter's
// fonts and the picture size option.

#include <QGuiApplication>
#include <memory>
#include <string>

namespace lumatik::cli {

// Text in the painter needs a GUI application; a command line has none, so
// it gets one without a display. Null when one exists already.
std::unique_ptr<QGuiApplication> EnsureGuiApplication();

// "1600x1200": at least 16 x 12 and at most 10000 pixels either way.
bool ParsePictureSize(const std::string& text, int& width, int& height);

}  // namespace lumatik::cli

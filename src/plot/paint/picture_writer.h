#pragma once

// A drawing written into a picture file. A PNG file holds pixels; an SVG or
// PDF file gets the same canvas operations as vector graphics, so lines
// stay lines and texts stay texts (to select and copy in a PDF viewer).

#include <QSize>
#include <QString>

#include <functional>

#include "plot/canvas.h"
#include "plot/picture_files.h"

namespace lumatik {

// The drawing was made for a surface of `drawn` pixels. A PNG file is
// `size` pixels; the drawing is scaled to fit it whole, centred on the
// background colour. SVG and PDF take the drawn size (one pixel is 1/96
// inch, as on the screen the point sizes of the texts are meant for). The
// file is replaced only once it is written whole; false when it could not be.
bool WritePicture(const QString& path, PictureFormat format, QSize drawn, QSize size, Colour background,
                  const std::function<void(Canvas&)>& drawing);

}  // namespace lumatik

// A graph as a picture: drawn on a 623 x 465 QImage through the QPainter
// surface, and written to a file, a 24-bit Windows bitmap (".bmp", as the
// Graphics tab saves it) or a PNG picture (".png", for sharing). The window
// and the batch command share both, so their files are the same.
#pragma once

#include <QImage>
#include <string>

#include "graphs/show_graphics.h"

namespace tervala {

// The whole picture of `input.Kind` (frame, axes, the kind's painter).
QImage DrawGraphPicture(const GraphInput& input, DrawnGraph* drawn = nullptr);

// The same picture for a screen: `zoom` times as large in the screen's
// logical pixels, drawn at `pixelRatio` device pixels to each of them.
QImage DrawGraphOnScreen(const GraphInput& input, double zoom, double pixelRatio);

enum class PictureFileType { Bitmap, Png, Unknown };

// The extension of `path` with its dot, in lower case; empty when it has none.
std::string LowerCaseExtension(const std::string& path);

// By the extension of `path`, in any letter case: ".bmp" or ".png".
PictureFileType PictureFileTypeOf(const std::string& path);

// Writes `picture` to `path` as a whole: a failure leaves an existing file as
// it was. Bitmaps are written with 24 bits per pixel. False when the type is
// unknown or the file could not be written.
bool SaveGraphPicture(const QImage& picture, const std::string& path, PictureFileType type);

}  // namespace tervala

// The picture of the fit diagnostics (the search sum over the grid, the best
// point and the confidence region) painted with Qt: a QImage for the window
// and PNG files, a vector drawing for SVG files. The window and the batch
// command share both, so their files are the same.
#pragma once

#include <QImage>
#include <string>

#include "graphs/objective_map.h"

namespace tervala {

QImage DrawObjectiveMapImage(const ObjectiveMap& map);

enum class MapFileType { Png, Svg, Unknown };

// By the extension of `path`, in any letter case: ".png" or ".svg".
MapFileType MapFileTypeOf(const std::string& path);

// Writes the picture to `path` as a whole: a failure leaves an existing file
// as it was. False when the type is unknown or the file could not be written.
bool SaveObjectiveMap(const ObjectiveMap& map, const std::string& path);

}  // namespace tervala

// The texts a graph writes into its plot panel: axis captions (some chosen by
// the factor the axis was scaled with, 1, 10, 100 or 1000), legends and the
// coefficient of explanation R square, each at its pixel position and colour.
#pragma once

#include <array>
#include <string>

#include "graphs/drawing_surface.h"
#include "graphs/show_graphics.h"

namespace tervala {

// The caption below the horizontal axis sits on this pixel row.
inline constexpr int kHorizontalCaptionY = 415;
// Where "R square = ..." is written, and the least R square worth showing:
// a fit that explains half of the variation or less is not advertised.
inline constexpr int kRSquareX = 445, kRSquareY = 60;
inline constexpr double kRSquareShownAbove = 0.5;

// Captions for the factors 1, 10, 100 and 1000, in that order. An empty text
// means that factor has no caption of its own.
using FactorCaptions = std::array<const char*, 4>;

// The caption of `factor`, or the caption of factor 1 when that factor has
// none of its own.
std::string CaptionForFactor(const FactorCaptions& captions, int factor);

// Writes `text` at (x, y) in `colour`; the font colour stays set.
void WriteText(PlotCanvas& canvas, int x, int y, const std::string& text, Rgb colour);

// "T i m e" below the horizontal axis, in the default colour.
void WriteTimeCaption(PlotCanvas& canvas);

// "R square = 0.87" (general format) when R square is above 0.5, else nothing.
void WriteRSquare(PlotCanvas& canvas);

}  // namespace tervala

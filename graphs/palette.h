// The colours of a graph: the colour palette for the screen and colour
// bitmaps, and the black-and-white palette for printing (white panel, black
// lines and texts).
#pragma once

#include "graphs/drawing_surface.h"

namespace tervala {

inline constexpr Rgb kSilver{192, 192, 192};
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kDarkBlue{0, 0, 139};
inline constexpr Rgb kCyan{0, 255, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kSkyBlue{166, 202, 240};
inline constexpr Rgb kGrey{128, 128, 128};

struct Palette {
    Rgb Background;              // the picture around the plot panel
    Rgb TitleText;               // first title and footer
    Rgb Panel;                   // the plot panel
    Rgb Default;                 // pen, second title, tick numbers, default texts in the panel
    Rgb Observed;                // marks of observed values and their legend
    Rgb SecondLine;              // second line of a graph, trend texts, quadratic trend
    Rgb AnalysisRechargeBars;    // recharge bars of the analysis rain graph (kind 3)
    Rgb PredictionRechargeBars;  // recharge bars of the prediction rain graph (kind 4)
    Rgb RechargeLegend;
    Rgb RainLegend;
};

Palette ColourPalette();
Palette BlackAndWhitePalette();
// colourMode true: the colour palette; false: black and white.
Palette PaletteFor(bool colourMode);

}  // namespace tervala

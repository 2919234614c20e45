#include "graphs/palette.h"

namespace tervala {

Palette ColourPalette() {
    Palette p;
    p.Background = kSilver;
    p.TitleText = kBlack;
    p.Panel = kDarkBlue;
    p.Default = kWhite;
    p.Observed = kCyan;
    p.SecondLine = kYellow;
    p.AnalysisRechargeBars = kSkyBlue;
    p.PredictionRechargeBars = kSkyBlue;
    p.RechargeLegend = kSkyBlue;
    p.RainLegend = kWhite;
    return p;
}

Palette BlackAndWhitePalette() {
    Palette p;
    p.Background = kSilver;
    p.TitleText = kBlack;
    p.Panel = kWhite;
    p.Default = kBlack;
    p.Observed = kBlack;
    p.SecondLine = kBlack;
    // Silver bars keep the black rain outline of kind 3 visible over them.
    p.AnalysisRechargeBars = kSilver;
    p.PredictionRechargeBars = kBlack;
    p.RechargeLegend = kBlack;
    p.RainLegend = kGrey;
    return p;
}

Palette PaletteFor(bool colourMode) {
    return colourMode ? ColourPalette() : BlackAndWhitePalette();
}

}  // namespace tervala

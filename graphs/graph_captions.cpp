#include "graphs/graph_captions.h"

#include "model/number_text.h"

namespace tervala {

std::string CaptionForFactor(const FactorCaptions& captions, int factor) {
    int index = 0;
    switch (factor) {
        case 10:
            index = 1;
            break;
        case 100:
            index = 2;
            break;
        case 1000:
            index = 3;
            break;
        default:
            index = 0;
            break;
    }
    const char* caption = captions[index];
    if (caption == nullptr || caption[0] == '\0') caption = captions[0];
    return caption;
}

void WriteText(PlotCanvas& canvas, int x, int y, const std::string& text, Rgb colour) {
    canvas.Surface.SetFontColour(colour);
    canvas.Surface.TextOut(x, y, text);
}

void WriteTimeCaption(PlotCanvas& canvas) {
    WriteText(canvas, 520, kHorizontalCaptionY, "T i m e", canvas.Colours.Default);
}

void WriteRSquare(PlotCanvas& canvas) {
    const double rSquare = canvas.Input.Values.Trend.RSquare;
    if (rSquare > kRSquareShownAbove) {
        WriteText(canvas, kRSquareX, kRSquareY, "R square = " + FormatGeneral(rSquare),
                  canvas.Colours.Default);
    }
}

}  // namespace tervala

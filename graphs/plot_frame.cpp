#include "graphs/plot_frame.h"

#include "model/number_text.h"

namespace tervala {

void DrawFrame(DrawingSurface& surface, const Palette& palette, const std::string& title1,
               const std::string& title2) {
    surface.SetFont(kFrameFontName, kFrameFontSize);
    surface.SetFontColour(palette.TitleText);
    surface.SetFillColour(palette.Background);
    surface.FillRect(0, 0, kPictureWidth, kPictureHeight);
    surface.TextOut(kTitle1X, kTitle1Y, title1);
    surface.TextOut(kFooterX, kFooterY, kFooterText);

    surface.SetFillColour(palette.Panel);
    surface.FillRect(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom);

    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenWidth(1);
    surface.SetPenColour(palette.Default);
    surface.SetFontColour(palette.Default);
    surface.TextOut(kTitle2X, kTitle2Y, title2);

    surface.MoveTo(kAxisLeft, kAxisBottom);
    surface.LineTo(kAxisLeft, kAxisTop);
    surface.MoveTo(kAxisLeft, kAxisBottom);
    surface.LineTo(kAxisRight, kAxisBottom);
}

std::string TickText(double value, int decimals) {
    std::string text = FormatFixed(value, decimals + 2, decimals);
    if (text.find_first_of("123456789") == std::string::npos) {
        text = FormatFixed(0.0, decimals + 2, decimals);
    }
    return text;
}

void DrawVerticalTicks(DrawingSurface& surface, const AxisScale& axis) {
    const int n = axis.Intervals;
    for (int i = 0; i <= n; ++i) {
        double share = static_cast<double>(i) / n;
        int y = static_cast<int>(RoundHalfEven(share * axis.Length + kAxisTop));
        surface.MoveTo(kAxisLeft, y);
        surface.LineTo(kAxisLeft - 4, y);
        std::string text = TickText(axis.Upper - share * (axis.Upper - axis.Lower), axis.Decimals);
        TextExtent extent = surface.MeasureText(text);
        int halfHeight = static_cast<int>(RoundHalfEven(extent.Height / 2.0));
        surface.TextOut(kAxisLeft - 6 - extent.Width, y - halfHeight, text);
    }
}

void DrawHorizontalTicks(DrawingSurface& surface, const AxisScale& axis) {
    const int n = axis.Intervals;
    for (int i = 0; i <= n; ++i) {
        double share = static_cast<double>(i) / n;
        int x = static_cast<int>(RoundHalfEven(share * axis.Length + kAxisLeft));
        surface.MoveTo(x, kAxisBottom);
        surface.LineTo(x, kAxisBottom + 5);
        std::string text = TickText(axis.Lower + (axis.Upper - axis.Lower) * i / n, axis.Decimals);
        int textX = static_cast<int>(RoundHalfEven(share * axis.Length + (kAxisLeft - 8)));
        surface.TextOut(textX, kAxisBottom + 10, text);
    }
}

}  // namespace tervala

#include "graphs/show_graphics.h"

#include "graphs/plot_frame.h"

namespace tervala {

DrawnGraph ShowGraphics(DrawingSurface& surface, const GraphInput& input,
                        const GraphPainter* painter) {
    const Palette palette = PaletteFor(input.ColourMode);
    DrawnGraph drawn;
    DrawFrame(surface, palette, input.Data.Title1, input.Data.Title2);

    if (input.Rows() <= 0) {
        TextExtent extent = surface.MeasureText(kNoRowsText);
        int x = (kAxisLeft + kAxisRight - extent.Width) / 2;
        int y = (kAxisTop + kAxisBottom - extent.Height) / 2;
        surface.TextOut(x, y, kNoRowsText);
        return drawn;
    }

    drawn.HasRows = true;
    drawn.Axes = ComputeAxes(input.Kind, input.Series(), input.Rows());
    drawn.Pixels = MapToPixels(drawn.Axes, input.Series(), input.Rows());
    PlotCanvas canvas{surface, palette, drawn.Axes, drawn.Pixels, input};
    if (painter) painter->DrawTexts(canvas);
    DrawVerticalTicks(surface, drawn.Axes.Y);
    DrawHorizontalTicks(surface, drawn.Axes.X);
    if (painter) painter->DrawSeries(canvas);
    return drawn;
}

}  // namespace tervala

// Kind 7: calculated against observed runoff (or head) of an analysis, with
// the line on which the calculation would equal the observation.
#include "graphs/axis_scale.h"
#include "graphs/graph_captions.h"
#include "graphs/graph_catalogue.h"
#include "graphs/painter_rows.h"
#include "graphs/plot_frame.h"
#include "graphs/plot_primitives.h"

namespace tervala {

namespace {

constexpr FactorCaptions kObservedCaptions = {"Runoff observed", "Runoff observed * 10",
                                              "Runoff observed * 100", "Runoff observed * 1000"};
constexpr FactorCaptions kCalculatedCaptions = {"Runoff calculated (mm/t)",
                                                "Runoff calculated * 10", "Runoff calculated * 100",
                                                "Runoff calculated * 1000"};

int Round(double value) { return ToPixel(RoundHalfEven(value)); }

}  // namespace

void CalculatedAgainstObservedGraph::DrawTexts(PlotCanvas& canvas) const {
    const Rgb text = canvas.Colours.Default;
    const bool head = canvas.Input.HeadMode();
    if (head) {
        WriteText(canvas, 410, kHorizontalCaptionY, "Hydraulic head observed (mm)", text);
    } else {
        WriteText(canvas, 470, kHorizontalCaptionY,
                  CaptionForFactor(kObservedCaptions, canvas.Axes.X.Factor), text);
    }
    WriteText(canvas, 82, 60,
              head ? std::string("Hydralic head calculated (mm)")
                   : CaptionForFactor(kCalculatedCaptions, canvas.Axes.Y.Factor),
              text);
    WriteText(canvas, 95, 75, " ---  Obs = Calc", text);
    WriteRSquare(canvas);
}

void CalculatedAgainstObservedGraph::DrawSeries(PlotCanvas& canvas) const {
    const PixelSeries& p = canvas.Pixels;
    DrawingSurface& surface = canvas.Surface;
    // The horizontal pixel series holds the observed values: the reader put
    // them in place of the times.
    const int joined = JoinedRows(RowsHeldByAll(canvas, {&p.X, &p.Calculated}));
    surface.SetFont(kFrameFontName, kFrameFontSize);
    surface.SetFontColour(canvas.Colours.Observed);
    for (int k = 0; k < joined; ++k) DrawBullet(surface, p.X[k], p.Calculated[k]);

    // Obs = Calc from the smallest to the largest observation, in the scaled
    // units of each axis.
    const AxisScale& x = canvas.Axes.X;
    const AxisScale& y = canvas.Axes.Y;
    const double xSpan = x.Upper - x.Lower;
    const double ySpan = y.Upper - y.Lower;
    surface.SetPenColour(canvas.Colours.Default);
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenWidth(1);
    surface.MoveTo(Round((x.DataMin - x.Lower) * x.Length / xSpan) + kAxisLeft,
                   kAxisBottom - Round((y.DataMin - y.Lower) * y.Length / ySpan));
    surface.LineTo(Round((x.DataMax - x.Lower) * x.Length / xSpan) + kAxisLeft,
                   (kAxisBottom - 5) - Round((x.DataMax - y.Lower) * y.Length / ySpan));
}

}  // namespace tervala

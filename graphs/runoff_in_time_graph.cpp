// Kind 1: observed and calculated runoff (or head) of an analysis in time.
#include "graphs/graph_captions.h"
#include "graphs/graph_catalogue.h"
#include "graphs/painter_rows.h"
#include "graphs/plot_primitives.h"

namespace tervala {

namespace {

constexpr FactorCaptions kRunoffCaptions = {"Discharge/runoff (mm/t)", "Discharge or runoff * 10",
                                            "Discharge or runoff * 100",
                                            "Discharge or runoff * 1000"};

}  // namespace

void RunoffInTimeGraph::DrawTexts(PlotCanvas& canvas) const {
    const Palette& colours = canvas.Colours;
    WriteTimeCaption(canvas);
    std::string caption = canvas.Input.HeadMode()
                              ? std::string("Hydraulic head (mm)")
                              : CaptionForFactor(kRunoffCaptions, canvas.Axes.Y.Factor);
    WriteText(canvas, 82, 60, caption, colours.Default);
    WriteRSquare(canvas);
    WriteText(canvas, 95, 75, " o  observed", colours.Observed);
    WriteText(canvas, 95, 90, "--- calculated", colours.Default);
}

void RunoffInTimeGraph::DrawSeries(PlotCanvas& canvas) const {
    const PixelSeries& p = canvas.Pixels;
    DrawingSurface& surface = canvas.Surface;
    const int joined = JoinedRows(RowsHeldByAll(canvas, {&p.X, &p.Observed, &p.Calculated}));
    for (int k = 0; k < joined; ++k) {
        surface.SetPenColour(canvas.Colours.Observed);
        DrawOpenCircle(surface, p.X[k + 1], p.Observed[k]);
        surface.SetPenColour(canvas.Colours.Default);
        DrawSegment(surface, p.X[k + 1], p.Calculated[k], p.X[k + 2], p.Calculated[k + 1]);
    }
}

}  // namespace tervala

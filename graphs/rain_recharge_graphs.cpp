// Kinds 3 and 4: rain (step outlines) and recharge (bars) in time, of an
// analysis and of a prediction.
#include "graphs/graph_captions.h"
#include "graphs/graph_catalogue.h"
#include "graphs/painter_rows.h"
#include "graphs/plot_primitives.h"

namespace tervala {

namespace {

void WriteRainRechargeLegends(PlotCanvas& canvas) {
    const Palette& colours = canvas.Colours;
    WriteTimeCaption(canvas);
    WriteText(canvas, 85, 60, " Rain/irrigation in mm/t", colours.RainLegend);
    WriteText(canvas, 86, 75, " Recharge in mm/t", colours.RechargeLegend);
    // The tick numbers keep the default colour.
    canvas.Surface.SetFontColour(colours.Default);
}

}  // namespace

void AnalysisRainRechargeGraph::DrawTexts(PlotCanvas& canvas) const {
    WriteRainRechargeLegends(canvas);
}

void AnalysisRainRechargeGraph::DrawSeries(PlotCanvas& canvas) const {
    const PixelSeries& p = canvas.Pixels;
    DrawingSurface& surface = canvas.Surface;
    const int joined = JoinedRows(RowsHeldByAll(canvas, {&p.X, &p.Rain, &p.Recharge}));
    // The recharge of a time step reaches the main reservoir over the step
    // that follows it: both are drawn one row later.
    surface.SetFillColour(canvas.Colours.AnalysisRechargeBars);
    for (int k = 0; k < joined; ++k) DrawBar(surface, p.X[k + 1], p.X[k + 2], p.Recharge[k]);
    surface.SetPenWidth(2);
    for (int k = 0; k < joined; ++k) {
        DrawStepOutline(surface, p.X[k + 1], p.X[k + 2], p.Rain[k], 388);
    }
}

void PredictionRainRechargeGraph::DrawTexts(PlotCanvas& canvas) const {
    WriteRainRechargeLegends(canvas);
}

void PredictionRainRechargeGraph::DrawSeries(PlotCanvas& canvas) const {
    const PixelSeries& p = canvas.Pixels;
    DrawingSurface& surface = canvas.Surface;
    const int joined = JoinedRows(RowsHeldByAll(canvas, {&p.X, &p.Rain, &p.Recharge}));
    surface.SetFillColour(canvas.Colours.PredictionRechargeBars);
    for (int k = 0; k < joined; ++k) DrawBar(surface, p.X[k], p.X[k + 1], p.Recharge[k]);
    for (int k = 0; k < joined; ++k) DrawStepOutline(surface, p.X[k], p.X[k + 1], p.Rain[k], 389);
}

}  // namespace tervala

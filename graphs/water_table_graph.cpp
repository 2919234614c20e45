// Kind 5: the water table of a prediction in time (the storage of the main
// reservoir when the prediction is no drainage run).
#include "graphs/graph_captions.h"
#include "graphs/graph_catalogue.h"
#include "graphs/painter_rows.h"
#include "graphs/plot_primitives.h"

namespace tervala {

namespace {

// Heads in mm; scaled tenfold they read as cm, a hundredfold as dm.
constexpr FactorCaptions kStorageCaptions = {"Water storage (predicted, mm)",
                                             "Water storage (predicted, cm)",
                                             "Water storage (predicted, dm)", ""};
constexpr FactorCaptions kWaterTableCaptions = {"Water table height (predicted, mm)",
                                                "Water table height (predicted, cm)",
                                                "Water table height (predicted, dm)", ""};

}  // namespace

void WaterTableGraph::DrawTexts(PlotCanvas& canvas) const {
    WriteTimeCaption(canvas);
    const FactorCaptions& captions =
        canvas.Input.Data.PredictionMode ? kStorageCaptions : kWaterTableCaptions;
    WriteText(canvas, 86, 60, CaptionForFactor(captions, canvas.Axes.Y.Factor),
              canvas.Colours.Default);
}

void WaterTableGraph::DrawSeries(PlotCanvas& canvas) const {
    const PixelSeries& p = canvas.Pixels;
    const int joined = JoinedRows(RowsHeldByAll(canvas, {&p.X, &p.Head}));
    for (int k = 0; k < joined; ++k) {
        DrawSegment(canvas.Surface, p.X[k], p.Head[k], p.X[k + 1], p.Head[k + 1]);
    }
}

}  // namespace tervala

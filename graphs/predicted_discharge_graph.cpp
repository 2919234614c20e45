// Kind 2: the discharge of a prediction in time.
#include "graphs/graph_captions.h"
#include "graphs/graph_catalogue.h"
#include "graphs/painter_rows.h"
#include "graphs/plot_primitives.h"

namespace tervala {

void PredictedDischargeGraph::DrawTexts(PlotCanvas& canvas) const {
    WriteTimeCaption(canvas);
    // Discharges so small that they are shown a thousandfold have no caption.
    const char* caption = nullptr;
    switch (canvas.Axes.Y.Factor) {
        case 1:
            caption = "Discharge (predicted) in mm/t";
            break;
        case 10:
            caption = "Discharge (predicted) in 0.1 mm/t";
            break;
        case 100:
            caption = "Discharge (predicted) *100 in 0.01 mm/t";
            break;
        default:
            break;
    }
    if (caption) WriteText(canvas, 80, 50, caption, canvas.Colours.Default);
}

void PredictedDischargeGraph::DrawSeries(PlotCanvas& canvas) const {
    const PixelSeries& p = canvas.Pixels;
    const int joined = JoinedRows(RowsHeldByAll(canvas, {&p.X, &p.Discharge}));
    for (int k = 0; k < joined; ++k) {
        DrawSegment(canvas.Surface, p.X[k], p.Discharge[k], p.X[k + 1], p.Discharge[k + 1]);
    }
}

}  // namespace tervala

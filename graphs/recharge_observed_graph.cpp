// Kind 9: the recharge derived by the first reservoir and the measured runoff
// (or the measured head in decimetres) in time, both on the recharge's scale,
// so the delay and damping by the main reservoir can be seen.
#include "graphs/graph_captions.h"
#include "graphs/graph_catalogue.h"
#include "graphs/painter_rows.h"
#include "graphs/plot_primitives.h"

namespace tervala {

void RechargeObservedInTimeGraph::DrawTexts(PlotCanvas& canvas) const {
    WriteTimeCaption(canvas);
    WriteText(canvas, 82, 40, "Recharge derived (mm/t) ----------", canvas.Colours.Default);
    // Left in the second line's colour: the tick numbers take it too.
    WriteText(canvas, 82, 55,
              canvas.Input.HeadMode() ? "Hydr. head measured  (dm) - - - - -"
                                      : "RunOff measured  (mm/t) - - - - -",
              canvas.Colours.SecondLine);
}

void RechargeObservedInTimeGraph::DrawSeries(PlotCanvas& canvas) const {
    const PixelSeries& p = canvas.Pixels;
    DrawingSurface& surface = canvas.Surface;
    const std::vector<int>& second = canvas.Input.HeadMode() ? p.LastHeadDm : p.Observed;
    const int joined = JoinedRows(RowsHeldByAll(canvas, {&p.X, &p.Recharge, &second}));
    for (int k = 0; k < joined; ++k) {
        surface.SetPenColour(canvas.Colours.Default);
        surface.SetPenStyle(PenStyle::Solid);
        DrawSegment(surface, p.X[k], p.Recharge[k], p.X[k + 1], p.Recharge[k + 1]);
        surface.SetPenColour(canvas.Colours.SecondLine);
        surface.SetPenStyle(PenStyle::Dotted);
        DrawSegment(surface, p.X[k], second[k], p.X[k + 1], second[k + 1]);
    }
}

}  // namespace tervala

// Kind 8: observed runoff (or head) against the recharge of each time step,
// with the least-squares line and the quadratic trend of the fit file: the
// shape of the curve tells how the drainage system answers a recharge.
#include <algorithm>

#include "graphs/graph_captions.h"
#include "graphs/graph_catalogue.h"
#include "graphs/linear_trend.h"
#include "graphs/painter_rows.h"
#include "graphs/plot_frame.h"
#include "graphs/plot_primitives.h"

namespace tervala {

namespace {

// The quadratic trend is drawn as ten chords over the horizontal range.
constexpr int kTrendChords = 10;

}  // namespace

void ObservedAgainstRechargeGraph::DrawTexts(PlotCanvas& canvas) const {
    const Rgb text = canvas.Colours.Default;
    WriteText(canvas, 480, kHorizontalCaptionY, "Recharge (mm/t)", text);
    WriteText(canvas, 82, 60,
              canvas.Input.HeadMode() ? "Hydraulic Head (mm)" : "Discharge observed", text);
}

void ObservedAgainstRechargeGraph::DrawSeries(PlotCanvas& canvas) const {
    const PixelSeries& p = canvas.Pixels;
    const GraphSeries& s = canvas.Input.Series();
    const Palette& colours = canvas.Colours;
    DrawingSurface& surface = canvas.Surface;

    const int rows = RowsHeldByAll(canvas, {&p.RechargeX, &p.Observed});
    surface.SetFontColour(colours.Default);
    for (int k = 0; k < rows; ++k) DrawBullet(surface, p.RechargeX[k], p.Observed[k]);

    const bool quadratic = canvas.Input.Values.Trend.TrendValid;
    WriteText(canvas, 95, 75, " o   observed", colours.Default);
    WriteText(canvas, 95, 90, "---  trend line", colours.Default);
    if (quadratic) WriteText(canvas, 95, 105, "---  quadr. trend", colours.SecondLine);

    // The horizontal axis is scaled to the rain, so the lines run from no
    // recharge to the largest rain G of the report.
    const double g = HorizontalRange(canvas.Input.Kind, s, canvas.Input.Rows()).Max;
    surface.SetPenStyle(PenStyle::Solid);
    surface.SetPenWidth(1);

    std::optional<LinearTrend> linear = ComputeLinearTrend(s.Recharge, s.Observed, rows);
    if (linear) {
        surface.SetPenColour(colours.Default);
        const double endY = linear->At(g);
        surface.MoveTo(canvas.Px(0), canvas.Py(linear->At(0)));
        // A steep line would leave the top of the plot: it is cut at three
        // tenths of the way.
        if (endY * canvas.Axes.Y.Factor > canvas.Axes.Y.Upper) {
            surface.LineTo(canvas.Px(0.3 * g), canvas.Py(0.3 * endY));
        } else {
            surface.LineTo(canvas.Px(g), canvas.Py(endY));
        }
    }

    if (quadratic) {
        const TrendResults& t = canvas.Input.Values.Trend;
        int px[kTrendChords + 1];
        int py[kTrendChords + 1];
        for (int j = 0; j <= kTrendChords; ++j) {
            const double x = j * g / kTrendChords;
            const double q = t.TrendA * x * x + t.TrendB * x + t.TrendC;
            px[j] = canvas.Px(x);
            py[j] = canvas.Py(q);
        }
        surface.SetPenColour(colours.SecondLine);
        // Chords that would end above the top of the vertical axis are left out.
        for (int j = 0; j < kTrendChords; ++j) {
            surface.MoveTo(px[j], py[j]);
            if (py[j + 1] > kAxisTop) surface.LineTo(px[j + 1], py[j + 1]);
        }
    }
}

}  // namespace tervala

// The eight graphs of a report, one painter each: what a graph kind puts into
// the fixed frame (captions and legends before the ticks; bars, lines, marks
// and trend lines after them). Analysis reports give kinds 1, 3, 7, 8 and 9,
// prediction reports kinds 2, 4 and 5. Values are in report units (mm, mm per
// time unit, the user's time unit); every position is a pixel of the picture.
//
// Rows: N is NrOfData; unless a kind says otherwise rows k = 0 .. N - 3 are
// drawn, each joined to the row after it, so nothing is drawn below 3 rows.
#pragma once

#include <memory>

#include "graphs/show_graphics.h"
#include "model/graph_kind.h"

namespace tervala {

// Kind 1: observed runoff (or head) as open circles, calculated as a line;
// the value of row k is placed at the time of row k + 1.
class RunoffInTimeGraph : public GraphPainter {
  public:
    void DrawTexts(PlotCanvas& canvas) const override;
    void DrawSeries(PlotCanvas& canvas) const override;
};

// Kind 2: the predicted discharge as a line in time.
class PredictedDischargeGraph : public GraphPainter {
  public:
    void DrawTexts(PlotCanvas& canvas) const override;
    void DrawSeries(PlotCanvas& canvas) const override;
};

// Kind 3: recharge as bars and rain as step outlines of an analysis, each
// placed one time step later (between the times of rows k + 1 and k + 2).
class AnalysisRainRechargeGraph : public GraphPainter {
  public:
    void DrawTexts(PlotCanvas& canvas) const override;
    void DrawSeries(PlotCanvas& canvas) const override;
};

// Kind 4: recharge as bars and rain as step outlines of a prediction, between
// the times of rows k and k + 1.
class PredictionRainRechargeGraph : public GraphPainter {
  public:
    void DrawTexts(PlotCanvas& canvas) const override;
    void DrawSeries(PlotCanvas& canvas) const override;
};

// Kind 5: the predicted water table (or storage) as a line in time.
class WaterTableGraph : public GraphPainter {
  public:
    void DrawTexts(PlotCanvas& canvas) const override;
    void DrawSeries(PlotCanvas& canvas) const override;
};

// Kind 7: calculated against observed runoff (or head) as bullets, with the
// line of equality.
class CalculatedAgainstObservedGraph : public GraphPainter {
  public:
    void DrawTexts(PlotCanvas& canvas) const override;
    void DrawSeries(PlotCanvas& canvas) const override;
};

// Kind 8: observed runoff (or head) against recharge as bullets of every row,
// with the least-squares line and the quadratic trend of the fit file.
class ObservedAgainstRechargeGraph : public GraphPainter {
  public:
    void DrawTexts(PlotCanvas& canvas) const override;
    void DrawSeries(PlotCanvas& canvas) const override;
};

// Kind 9: recharge as a solid line and the measured runoff (or the head in
// decimetres) as a dotted second line in time, on the scale of the recharge.
class RechargeObservedInTimeGraph : public GraphPainter {
  public:
    void DrawTexts(PlotCanvas& canvas) const override;
    void DrawSeries(PlotCanvas& canvas) const override;
};

// The painter of a graph kind.
std::unique_ptr<GraphPainter> PainterFor(GraphKind kind);

// Draws the whole picture of `input.Kind` with its painter.
DrawnGraph DrawGraph(DrawingSurface& surface, const GraphInput& input);

}  // namespace tervala

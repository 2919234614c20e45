// Drawing a graph of a report: the fixed frame, both axes scaled to the
// series, their ticks and numbers, and what the graph kind puts into the
// frame (its captions, legends, bars, lines and marks), painted by one
// painter per kind on any drawing surface.
#pragma once

#include <string>

#include "graphs/compute_axes.h"
#include "graphs/drawing_surface.h"
#include "graphs/palette.h"
#include "graphs/pixel_mapping.h"
#include "model/data_set.h"
#include "model/graph_kind.h"
#include "model/program_values.h"

namespace tervala {

// What a drawing reads: the series and titles the graph readers left in the
// data set, R square and the trend of the fit file, the kind and the palette.
struct GraphInput {
    const TDMOmbrel& Data;
    const ProgramValues& Values;
    GraphKind Kind;
    bool ColourMode = true;

    int Rows() const { return Data.NrOfData; }
    const GraphSeries& Series() const { return Data.Graph; }
    // A head analysis: captions speak of hydraulic head, kind 9 draws the
    // last head in decimetres.
    bool HeadMode() const { return Data.TaggedMode() == DataMode::HeadAnalysis; }
};

// Everything a graph kind paints with.
struct PlotCanvas {
    DrawingSurface& Surface;
    const Palette& Colours;
    const PlotAxes& Axes;
    const PixelSeries& Pixels;
    const GraphInput& Input;

    int Px(double value) const { return PixelX(Axes.X, value); }
    int Py(double value) const { return PixelY(Axes.Y, value); }
};

// One per graph kind.
class GraphPainter {
  public:
    virtual ~GraphPainter() = default;
    // Drawing step 5, after the frame and before the ticks: the horizontal-
    // axis caption, titles and legends. A font colour left set here colours
    // the tick numbers.
    virtual void DrawTexts(PlotCanvas& canvas) const = 0;
    // Drawing step 8, after the ticks: bars, series, marks and trend lines.
    virtual void DrawSeries(PlotCanvas& canvas) const = 0;
};

// What the last drawing computed; the captions of a kind choose their texts
// by the factors.
struct DrawnGraph {
    bool HasRows = false;
    PlotAxes Axes;
    PixelSeries Pixels;
};

// Shown in the panel instead of a plot when the report gave no rows.
inline constexpr const char* kNoRowsText = "The report holds no data rows for this graph.";

// Redraws the whole picture (nothing of an earlier one remains): frame, axes
// from ComputeAxes, pixel series from MapToPixels, then the painter's texts,
// the ticks and the painter's series. Without a painter only frame, axes and
// ticks are drawn. Without rows the frame says that nothing is there.
DrawnGraph ShowGraphics(DrawingSurface& surface, const GraphInput& input,
                        const GraphPainter* painter);

}  // namespace tervala

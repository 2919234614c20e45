// Both axes of a graph, scaled from the series the graph kind draws: which
// series fix the vertical range and which the horizontal one.
#pragma once

#include "graphs/axis_scale.h"
#include "model/data_set.h"
#include "model/graph_kind.h"

namespace tervala {

struct PlotAxes {
    AxisScale X;  // horizontal, 500 pixels
    AxisScale Y;  // vertical, 320 pixels
};

// The ranges per kind (vertical | horizontal):
//  1 calculated and observed | time      2 discharge | time
//  3 rain and recharge | time            4 rain | time
//  5 head | time                         7 calculated and observed | the same
//  8 observed | rain                     9 recharge | time
// For kind 7 the time series already holds the observed values (the reader
// put them there). `rows` is NrOfData.
DataRange VerticalRange(GraphKind kind, const GraphSeries& series, int rows);
DataRange HorizontalRange(GraphKind kind, const GraphSeries& series, int rows);

PlotAxes ComputeAxes(GraphKind kind, const GraphSeries& series, int rows);

}  // namespace tervala

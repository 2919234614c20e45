// The data of the graph on screen, column by column as it is drawn: what
// "Copy graph data" puts on the clipboard for a spreadsheet. Values in report
// units (mm, mm per time unit, the user's time unit t), the head of graph 9
// in decimetres as it is drawn there.
#pragma once

#include "graphs/show_graphics.h"
#include "model/series_table.h"

namespace tervala {

// The series graph `input.Kind` draws from the rows read for it.
SeriesTable GraphDataTable(const GraphInput& input);

}  // namespace tervala

// How many rows of the pixel series a graph painter may draw: NrOfData, or
// fewer when a series the painter needs holds fewer entries (a report that
// lacks the column), so no painter ever reads past a series.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "graphs/show_graphics.h"

namespace tervala {

inline int RowsHeldByAll(const PlotCanvas& canvas,
                         std::initializer_list<const std::vector<int>*> series) {
    int rows = canvas.Input.Rows();
    for (const std::vector<int>* s : series) rows = std::min(rows, static_cast<int>(s->size()));
    return std::max(rows, 0);
}

// Rows k = 0 .. N - 3 are drawn, each joined to a later row: N - 2 of them,
// none below 3 rows.
inline int JoinedRows(int rows) { return rows >= 3 ? rows - 2 : 0; }

}  // namespace tervala

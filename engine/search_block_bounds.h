// Guaranteed lower bounds of the search sums over a block of grid points, the
// interval enclosures the fast searches drop blocks with (BlockBoundExceeds
// in fast_search.h, the models' intervals in discharge_search_model.h and
// head_search_model.h), for callers that need every grid point below some
// limit rather than the best one.
#pragma once

#include <vector>

#include "engine/search_grid.h"

namespace tervala {

// True when every grid point of the block (slopes i0..i1, intercepts j0..j1)
// has a search sum above `limit`. Otherwise `reached` is the bound over all
// rows (0 when no useful bound exists). invDelta[k] is 1 / d.delta[k].
bool DischargeBlockAbove(const SearchSeries& d, const std::vector<double>& invDelta, int i0, int i1,
                         int j0, int j1, double limit, double& reached);
// The same for a head block of slopes i0..i1, intercepts j0..j1 and
// porosities p0..p1.
bool HeadBlockAbove(const SearchSeries& d, int i0, int i1, int j0, int j1, int p0, int p1,
                    double limit, double& reached);

}  // namespace tervala

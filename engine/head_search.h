// The alpha search of the head analysis and its reconstruction. The second
// reservoir turns recharge (mm per step) into a water table head:
// H[k] = H[k-1] * E + (1 - E) * Rech[k] / (P * alpha / 50), E = exp(-alpha * dt),
// with alpha = B * H[k-1] + F (per time unit) and P the drainable porosity in
// percent (P / 50 is the porosity fraction the report prints). The search
// takes the grid point (B, F, P) whose calculated head is closest to the
// observed one in the sum of squared deviations.
#pragma once

#include <vector>

#include "engine/analysis.h"
#include "engine/search_grid.h"
#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

inline constexpr double kHeadInitialBest = 1000000000;
inline constexpr double kHeadDeviationCap = 10000;
inline constexpr double kHeadCappedTerm = 100000;
// Recharge term of a step whose alpha is exactly 0.
inline constexpr double kHeadTermWithoutAlpha = 10000;

using HeadSearchData = SearchSeries;

HeadSearchData MakeHeadSearchData(const AnalysisState& a);

// Both searches end early, with `stopped` set and no winner, when
// progress.StopRequested() answers true: the plain loop at its next grid
// point, the fast search once the tiles under way are done.
// The reference: every grid point in loop order, every row.
SearchWinner SearchHeadPlain(const HeadSearchData& data, const HeadGrid& grid,
                             RunProgress& progress);
// The same winner, best sum and progress lines, found faster (see
// fast_search.h). threads 0 means one per usable processor.
SearchWinner SearchHeadFast(const HeadSearchData& data, const HeadGrid& grid, RunProgress& progress,
                            int threads, VectorLevel vectors = VectorLevel::Best);

// The search and the reconstruction with the coefficients and porosity
// found (Ssq and SumMeas for the statistics); a search stopped on request
// sets s.Flags.RunStopped and does nothing more.
void SearchAlphaHead(Session& s, RunProgress& progress, const SearchOptions& options);

}  // namespace tervala

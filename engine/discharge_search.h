// The alpha search of the discharge analysis and its reconstruction. The
// second reservoir turns recharge (mm per step) into discharge (mm per time
// unit): Q[k] = Q[k-1] * E + (1 - E) * Rech[k], E = exp(-alpha * dt), with
// alpha = A * Q[k-1] + C (per time unit, never negative). The search takes the
// grid point (A, C) whose calculated discharge is closest to the observed one
// in the sum of squared deviations.
#pragma once

#include <vector>

#include "engine/analysis.h"
#include "engine/search_grid.h"
#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

// A grid point is taken only when its sum falls below this.
inline constexpr double kDischargeInitialBest = 1000000;
// A deviation of this or more (mm per time unit) counts as kDischargeCappedTerm.
inline constexpr double kDischargeDeviationCap = 1000;
inline constexpr double kDischargeCappedTerm = 100000;

using DischargeSearchData = SearchSeries;

DischargeSearchData MakeDischargeSearchData(const AnalysisState& a);

// Both searches end early, with `stopped` set and no winner, when
// progress.StopRequested() answers true: the plain loop at its next grid
// point, the fast search once the tiles under way are done.
// The reference: every grid point in loop order, every row.
SearchWinner SearchDischargePlain(const DischargeSearchData& data, const DischargeGrid& grid,
                                  RunProgress& progress);
// The same winner, best sum and progress lines, found faster (see
// fast_search.h). threads 0 means one per usable processor.
SearchWinner SearchDischargeFast(const DischargeSearchData& data, const DischargeGrid& grid,
                                 RunProgress& progress, int threads,
                                 VectorLevel vectors = VectorLevel::Best);

// The search and the reconstruction with the coefficients found (Ssq and
// SumMeas for the statistics); a search stopped on request sets
// s.Flags.RunStopped and does nothing more.
void SearchAlphaDischarge(Session& s, RunProgress& progress, const SearchOptions& options);

}  // namespace tervala

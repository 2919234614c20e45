// The fast alpha search, one machinery for the discharge and the head
// analysis. It finds exactly the winner of the plain loop (SearchDischargePlain,
// SearchHeadPlain): the same grid point and the same best sum, bit for bit,
// with the same progress lines in the same order.
//
// A model (discharge_search_model.h, head_search_model.h) gives its grid, the
// step of a grid point, and an interval that holds the calculated value of
// every point of a block of the grid; everything else is here.
#pragma once

#include <functional>

#include "engine/lane_bounds.h"
#include "engine/reservoir_step.h"
#include "engine/search_grid.h"
#include "engine/search_parallel.h"
#include "model/messages.h"

namespace tervala {

// Lower bound of the sums of every grid point of `box`, stepped through the
// rows: an interval that holds the calculated value of every point of the
// box, and the smallest term any of them can add at each row (exact squares
// of the interval's ends: rounding is monotone, so the computed deviation of
// every point lies between the deviations computed from the interval's ends).
// True as soon as the bound exceeds the limit: no point of the box can win.
// Otherwise `reached` is the bound over all rows (0 when the interval grew
// too wide to say anything).
template <class Model>
bool BlockBoundExceeds(const SearchSeries& d, const typename Model::Rows& rows, const GridBox& box,
                       const SharedLimit& limit, double& reached) {
    double c[Model::kCoefficients];
    Model::Coefficients(box, c);
    const double* meas = d.meas.data();
    double lo = d.first, hi = d.first;
    double bound = 0;
    double l = limit.Get();
    for (int k = 2; k <= d.n; ++k) {
        Model::Step(rows, k, c, lo, hi);
        if (!(hi < kBlockBoundHuge)) {
            reached = 0;
            return false;
        }
        bound += LeastSearchTerm(meas[k] - hi, meas[k] - lo, Model::kCap, Model::kCapped);
        if (bound > l) {
            l = limit.Get();
            if (bound > l) return true;
        }
    }
    reached = bound;
    return false;
}

// The winner of the plain loop over `grid`, found faster; threads 0 means one
// per usable processor. Stops once the tiles under way are done when
// progress.StopRequested() answers true, with `stopped` set and no winner.
template <class Model>
SearchWinner SearchFast(const SearchSeries& d, const GridBox& grid, RunProgress& progress,
                        int threads, VectorLevel vectors = VectorLevel::Best);

// Every grid point of `grid` whose sum (the plain loop's, bit for bit) is at
// most `limit`, each handed once to inside(worker, i, j, p), with worker
// below SearchThreadCount(threads): the same tiles, bounds and kernels as
// SearchFast at a limit that never moves. False when stop() answered true
// between tiles (the points found until then were handed on).
template <class Model>
bool EnumerateFast(const SearchSeries& d, const GridBox& grid, double limit, int threads,
                   const std::function<void(int, int, int, int)>& inside,
                   const std::function<bool()>& stop);

}  // namespace tervala

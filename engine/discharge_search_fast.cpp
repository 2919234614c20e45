// The fast discharge search. It finds exactly the winner of the plain loop
// (SearchDischargePlain): the same grid point and the same best sum, bit for
// bit, with the same progress lines in the same order.
//
// Why the result is the same:
// - Every grid point that could win is evaluated with the very arithmetic of
//   the plain loop (reservoir_step.h), so its complete sum has the same bits.
// - A point is given up only when a lower bound of its sum exceeds the
//   smallest complete sum already known (or reaches the initial best sum).
//   Its sum is then strictly above the best sum and the point cannot win.
//   Points whose sum equals the best are never given up, and the candidates
//   are compared by sum, then by loop index, so ties go to the earliest point
//   as in the plain loop, whatever order threads evaluate points in.
// - Lower bounds come from the point's own partial sum (terms are >= 0 and
//   rounding is monotone, so a partial sum never exceeds the complete sum)
//   or, for a whole block of grid points, from an interval enclosure of the
//   discharge of every point of the block (see DischargeBlockBound).
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/discharge_search.h"
#include "engine/reservoir_step.h"
#include "engine/search_block_bounds.h"
#include "engine/search_parallel.h"

namespace tervala {

namespace {

// Sum of squared deviations of grid point (A, C). Gives up as soon as the
// partial sum exceeds `limit` and returns that partial sum.
double PointSum(const DischargeSearchData& d, double A, double C, double limit) {
    double q = d.first;
    double ssq = 0;
    for (int k = 2; k <= d.n; ++k) {
        q = DischargeNext(q, DischargeAlpha(A, C, q), d.delta[k], d.rech[k]);
        ssq += SearchTerm(d.meas[k], q, kDischargeDeviationCap, kDischargeCappedTerm);
        if (ssq > limit) return ssq;
    }
    return ssq;
}

struct GridPoint {
    int i, j;
    int64_t index;
};

// Evaluates points four at a time: the four recursions are independent, so
// the processor overlaps their exponentials.
class LaneEvaluator {
  public:
    LaneEvaluator(const DischargeSearchData& d, SharedLimit& limit, Candidate& best)
        : d_(d), limit_(limit), best_(best) {}

    void Evaluate(const std::vector<GridPoint>& points) {
        constexpr int kLanes = 4;
        struct Lane {
            double A, C, q, ssq;
            int k;
            int64_t index;
            bool active = false;
        } lanes[kLanes];
        size_t next = 0;
        auto refill = [&](Lane& lane) {
            if (next >= points.size()) {
                lane.active = false;
                return;
            }
            const GridPoint& p = points[next++];
            lane.A = DischargeSlope(p.i);
            lane.C = DischargeIntercept(p.j);
            lane.q = d_.first;
            lane.ssq = 0;
            lane.k = 2;
            lane.index = p.index;
            lane.active = true;
        };
        for (Lane& lane : lanes) refill(lane);
        double limit = limit_.Get();
        int active = 0;
        for (Lane& lane : lanes) active += lane.active;
        const int n = d_.n;
        while (active > 0) {
            for (Lane& lane : lanes) {
                if (!lane.active) continue;
                const int k = lane.k;
                if (k > n) {
                    // Complete: a candidate.
                    if (lane.ssq <= limit) {
                        best_.Offer(lane.index, lane.ssq);
                        limit_.Lower(lane.ssq);
                        limit = limit_.Get();
                    }
                    refill(lane);
                    if (!lane.active) --active;
                    continue;
                }
                lane.q = DischargeNext(lane.q, DischargeAlpha(lane.A, lane.C, lane.q), d_.delta[k],
                                       d_.rech[k]);
                lane.ssq +=
                    SearchTerm(d_.meas[k], lane.q, kDischargeDeviationCap, kDischargeCappedTerm);
                lane.k = k + 1;
                if (lane.ssq > limit) {
                    limit = limit_.Get();
                    if (lane.ssq > limit) {
                        refill(lane);
                        if (!lane.active) --active;
                    }
                }
            }
        }
    }

  private:
    const DischargeSearchData& d_;
    SharedLimit& limit_;
    Candidate& best_;
};

// Lower bound of the sums of every grid point of a block [i0, i1] x [j0, j1],
// stepped through the rows together: an interval [lo, hi] that holds the
// calculated discharge of every point of the block, and the smallest term
// any point can add at each row. The block is given up as soon as the bound
// exceeds the limit.
//
// The interval follows the shape of the step. With q the discharge before
// the step, alpha = A q + C (never negative) and E = exp(-alpha dt), the step
// is q' = R + (q - R) E, and alpha grows with A, C and q. Below the recharge
// (q <= R) q' grows with q and with alpha, so when R lies above the whole
// interval the corners (A_lo, C_lo, lo) and (A_hi, C_hi, hi) give the new
// interval. Above the recharge q' falls with alpha and, as a function of q,
// rises up to a peak (where alpha leaves 0, or where (q - R) A dt = 1) and
// falls after it: its highest value over the interval is at the peak or at
// an end (with A_lo, C_lo), its lowest at an end (with A_hi, C_hi). When R
// lies inside the interval both parts are joined. The corners are computed
// with the same double arithmetic as the points; both differ from exact
// arithmetic by a few units in the last place (a peak found by rounded
// division loses even less), which the margin covers many times over. The
// deviations and their squares are then bounded from the interval without
// any margin: rounding is monotone, so the computed deviation of every point
// lies between the deviations computed from the interval's ends.
class DischargeBlockBound {
  public:
    DischargeBlockBound(const DischargeSearchData& d, const std::vector<double>& invDelta, int i0,
                        int i1, int j0, int j1)
        : d_(d),
          invDelta_(invDelta),
          aLo_(DischargeSlope(i0)),
          aHi_(DischargeSlope(i1)),
          cLo_(DischargeIntercept(j0)),
          cHi_(DischargeIntercept(j1)),
          cMag_(std::max(std::fabs(cLo_), std::fabs(cHi_))),
          q0Lo_(-cLo_ / aLo_),
          q0Hi_(-cHi_ / aHi_),
          invALo_(1 / aLo_),
          invAHi_(1 / aHi_) {}

    // Steps through the rows until the bound exceeds the limit (true: no
    // point of the block can win) or the rows end (false).
    bool Exceeds(const SharedLimit& limit, double& reached) {
        const double* delta = d_.delta.data();
        const double* rech = d_.rech.data();
        const double* meas = d_.meas.data();
        const double* invDelta = invDelta_.data();
        double lo = d_.first, hi = d_.first;
        double bound = 0;
        double l = limit.Get();
        for (int k = 2; k <= d_.n; ++k) {
            const double dt = delta[k], R = rech[k];
            double nlo, nhi;
            if (R >= hi) {
                // Below the recharge the step rises with q and with alpha.
                nlo = Next(aLo_, cLo_, lo, dt, R);
                nhi = Next(aHi_, cHi_, hi, dt, R);
            } else {
                // Above the recharge the step falls with alpha and, as a
                // function of q, rises up to its peak and falls after it;
                // its least value over an interval is at one of the ends.
                const double invDt = invDelta[k];
                const double peakLo = std::max(q0Lo_, R + invALo_ * invDt);
                nhi = Next(aLo_, cLo_, std::min(hi, std::max(std::max(lo, R), peakLo)), dt, R);
                if (R <= lo) {
                    nlo = Next(aHi_, cHi_, lo, dt, R);
                    const double peakHi = std::max(q0Hi_, R + invAHi_ * invDt);
                    if (peakHi < hi) nlo = std::min(nlo, Next(aHi_, cHi_, hi, dt, R));
                } else {
                    nlo = std::min(Next(aLo_, cLo_, lo, dt, R), Next(aHi_, cHi_, hi, dt, R));
                }
            }
            const double margin =
                2e-14 * ((hi + R) * (1 + dt * (aHi_ * hi + cMag_)) + std::fabs(nhi)) + 1e-300;
            lo = std::max(0.0, nlo - margin);
            hi = nhi + margin;
            if (!(hi < kHuge)) {  // no useful bound
                reached = 0;
                return false;
            }
            bound += LeastSearchTerm(meas[k] - hi, meas[k] - lo, kDischargeDeviationCap,
                                     kDischargeCappedTerm);
            if (bound > l) {
                l = limit.Get();
                if (bound > l) return true;
            }
        }
        reached = bound;
        return false;
    }

  private:
    static constexpr double kHuge = 1e200;

    static double Next(double A, double C, double q, double dt, double R) {
        return DischargeNext(q, DischargeAlpha(A, C, q), dt, R);
    }

    const DischargeSearchData& d_;
    const std::vector<double>& invDelta_;  // 1 / dt of each row, infinite for dt = 0
    const double aLo_, aHi_, cLo_, cHi_, cMag_;
    // q -> R + (q - R) E(A q + C) peaks above the recharge where alpha leaves
    // 0 (q0 = -C / A) or where (q - R) A dt = 1, whichever is higher.
    const double q0Lo_, q0Hi_, invALo_, invAHi_;
};

// Works through a tile of the grid: blocks whose bound exceeds the limit
// are dropped whole, the others are halved until they are small enough to
// evaluate point by point.
class DischargeTileSearch {
  public:
    DischargeTileSearch(const DischargeSearchData& d, const std::vector<double>& invDelta,
                        const DischargeGrid& g, SharedLimit& limit, Candidate& best,
                        double typicalDischarge)
        : d_(d),
          invDelta_(invDelta),
          g_(g),
          limit_(limit),
          lanes_(d, limit, best),
          typical_(typicalDischarge) {}

    void Search(int i0, int i1, int j0, int j1) {
        Block(i0, i1, j0, j1, 0);
        Flush();
    }

  private:
    static constexpr int kLeafPoints = 8;

    // skip: levels of halves whose bound is not tried.
    void Block(int i0, int i1, int j0, int j1, int skip) {
        const int ni = i1 - i0 + 1, nj = j1 - j0 + 1;
        int skipHalves = std::max(0, skip - 1);
        if (ni * nj > 1 && skip == 0) {
            double reached = 0;
            if (DischargeBlockBound(d_, invDelta_, i0, i1, j0, j1).Exceeds(limit_, reached)) {
                return;
            }
            // A bound that stayed far below the limit to the last row says
            // that the halves will hardly get above it either: the bounds of
            // their halves are tried instead.
            const double l = limit_.Get();
            skipHalves = reached * 3 < l ? 2 : reached * 1.5 < l ? 1 : 0;
        }
        if (ni * nj <= kLeafPoints) {
            for (int i = i0; i <= i1; ++i) {
                for (int j = j0; j <= j1; ++j) {
                    pending_.push_back(
                        {i, j,
                         int64_t(i - g_.iFirst) * (g_.jLast - g_.jFirst + 1) + (j - g_.jFirst)});
                }
            }
            if (pending_.size() >= 256) Flush();
            return;
        }
        // Halve the side that spreads alpha more: a step of i moves alpha by
        // 0.0001 times the discharge, a step of j by 0.0001.
        const bool splitI = nj == 1 || (ni > 1 && (ni - 1) * typical_ >= (nj - 1));
        if (splitI) {
            const int mid = i0 + ni / 2 - 1;
            Block(i0, mid, j0, j1, skipHalves);
            Block(mid + 1, i1, j0, j1, skipHalves);
        } else {
            const int mid = j0 + nj / 2 - 1;
            Block(i0, i1, j0, mid, skipHalves);
            Block(i0, i1, mid + 1, j1, skipHalves);
        }
    }

    void Flush() {
        lanes_.Evaluate(pending_);
        pending_.clear();
    }

    const DischargeSearchData& d_;
    const std::vector<double>& invDelta_;
    const DischargeGrid& g_;
    SharedLimit& limit_;
    LaneEvaluator lanes_;
    double typical_;
    std::vector<GridPoint> pending_;
};

// A bound to start from: the best of a coarse sub-grid, improved by a local
// descent on the full grid. Any complete sum of a real grid point will do;
// the closer to the best sum, the more the main pass can give up early.
void SeedLimit(const DischargeSearchData& d, const DischargeGrid& g, SharedLimit& limit) {
    const int stepI = std::max(1, (g.iLast - g.iFirst + 1) / 25);
    const int stepJ = std::max(1, (g.jLast - g.jFirst + 1) / 25);
    bool found = false;
    int bi = 0, bj = 0;
    double bestSum = 0;
    auto consider = [&](int i, int j) {
        if (i < g.iFirst || i > g.iLast || j < g.jFirst || j > g.jLast) return false;
        const double l = limit.Get();
        const double s = PointSum(d, DischargeSlope(i), DischargeIntercept(j), l);
        if (s <= l && (!found || s < bestSum)) {
            found = true;
            bi = i;
            bj = j;
            bestSum = s;
            limit.Lower(s);
            return true;
        }
        return false;
    };
    for (int i = g.iFirst + stepI / 2; i <= g.iLast; i += stepI) {
        for (int j = g.jFirst + stepJ / 2; j <= g.jLast; j += stepJ) consider(i, j);
    }
    if (!found) return;
    for (int h = std::max(stepI, stepJ); h >= 1; h /= 2) {
        bool moved = true;
        while (moved) {
            moved = false;
            const int ci = bi, cj = bj;
            for (int di = -1; di <= 1; ++di) {
                for (int dj = -1; dj <= 1; ++dj) {
                    if ((di != 0 || dj != 0) && consider(ci + di * h, cj + dj * h)) moved = true;
                }
            }
        }
    }
}

}  // namespace

SearchWinner SearchDischargeFast(const DischargeSearchData& data, const DischargeGrid& grid,
                                 RunProgress& progress, int threads) {
    SearchWinner winner;
    winner.bestSsq = kDischargeInitialBest;
    const int nI = grid.iLast - grid.iFirst + 1;
    const int nJ = grid.jLast - grid.jFirst + 1;
    if (nI <= 0 || nJ <= 0) return winner;

    SharedLimit limit(kDischargeInitialBest);
    SeedLimit(data, grid, limit);

    double typical = 0;
    for (int k = 1; k <= data.n; ++k) typical += data.meas[k];
    typical = data.n > 0 ? typical / data.n : 1;

    std::vector<double> invDelta(data.n + 1, 0.0);
    for (int k = 2; k <= data.n; ++k) invDelta[k] = 1 / data.delta[k];

    constexpr int kTileI = 16;
    constexpr int kTileJ = 64;
    const int tilesI = (nI + kTileI - 1) / kTileI;
    const int tilesJ = (nJ + kTileJ - 1) / kTileJ;
    const int workers = SearchThreadCount(threads);
    std::vector<Candidate> best(workers);

    auto work = [&](int64_t tile, int worker) {
        const int ti = static_cast<int>(tile / tilesJ), tj = static_cast<int>(tile % tilesJ);
        const int i0 = grid.iFirst + ti * kTileI, i1 = std::min(grid.iLast, i0 + kTileI - 1);
        const int j0 = grid.jFirst + tj * kTileJ, j1 = std::min(grid.jLast, j0 + kTileJ - 1);
        DischargeTileSearch(data, invDelta, grid, limit, best[worker], typical)
            .Search(i0, i1, j0, j1);
    };

    // Progress lines in loop order: a line is due once every tile row up to
    // the one holding its grid position is finished.
    int nextMark = 0;
    auto done = [&](int64_t prefix) {
        for (; nextMark < kProgressMarks; ++nextMark) {
            const ProgressMark& m = kDischargeProgress[nextMark];
            if (m.i < grid.iFirst || m.i > grid.iLast || m.j < grid.jFirst || m.j > grid.jLast) {
                continue;
            }
            const int64_t needed = int64_t((m.i - grid.iFirst) / kTileI + 1) * tilesJ;
            if (prefix < needed) break;
            progress.AddProgressLine(m.line);
        }
    };
    if (!RunTiles(int64_t(tilesI) * tilesJ, threads, work, done,
                  [&progress] { return progress.StopRequested(); })) {
        winner.stopped = true;
        return winner;
    }

    Candidate all;
    for (const Candidate& c : best) all.Merge(c);
    if (all.taken) {
        winner.taken = true;
        winner.i = grid.iFirst + static_cast<int>(all.index / nJ);
        winner.j = grid.jFirst + static_cast<int>(all.index % nJ);
        winner.bestSsq = all.sum;
    }
    return winner;
}

}  // namespace tervala

namespace tervala {

bool DischargeBlockAbove(const SearchSeries& d, const std::vector<double>& invDelta, int i0, int i1,
                         int j0, int j1, double limit, double& reached) {
    // The shared limit drops what lies at or above its value; one step up
    // keeps a point whose sum equals `limit`.
    const SharedLimit above(std::nextafter(limit, HUGE_VAL));
    return DischargeBlockBound(d, invDelta, i0, i1, j0, j1).Exceeds(above, reached);
}

}  // namespace tervala

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
                lane.q = DischargeNext(lane.q, DischargeAlpha(lane.A, lane.C, lane.q),
                                       d_.delta[k], d_.rech[k]);
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

    constexpr int kTileI = 8;
    constexpr int kTileJ = 64;
    const int tilesI = (nI + kTileI - 1) / kTileI;
    const int tilesJ = (nJ + kTileJ - 1) / kTileJ;
    const int workers = SearchThreadCount(threads);
    std::vector<Candidate> best(workers);

    auto work = [&](int64_t tile, int worker) {
        const int ti = static_cast<int>(tile / tilesJ), tj = static_cast<int>(tile % tilesJ);
        const int i0 = grid.iFirst + ti * kTileI, i1 = std::min(grid.iLast, i0 + kTileI - 1);
        const int j0 = grid.jFirst + tj * kTileJ, j1 = std::min(grid.jLast, j0 + kTileJ - 1);
        std::vector<GridPoint> points;
        points.reserve(static_cast<size_t>(i1 - i0 + 1) * (j1 - j0 + 1));
        for (int i = i0; i <= i1; ++i) {
            for (int j = j0; j <= j1; ++j) {
                points.push_back({i, j, int64_t(i - grid.iFirst) * nJ + (j - grid.jFirst)});
            }
        }
        LaneEvaluator(data, limit, best[worker]).Evaluate(points);
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
    RunTiles(int64_t(tilesI) * tilesJ, threads, work, done);

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

// The fast head search: exactly the winner, best sum and progress lines of
// the plain loop (SearchHeadPlain). It rests on the same three facts as the
// fast discharge search (discharge_search_fast.cpp): candidates are evaluated
// with the plain loop's own arithmetic and compared by sum, then loop index;
// a point is given up only when a lower bound of its sum exceeds a complete
// sum already known (or reaches the initial best sum); and lower bounds come
// from partial sums, which never exceed the complete sum, or from interval
// enclosures over blocks of the grid.
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/head_search.h"
#include "engine/reservoir_step.h"
#include "engine/search_block_bounds.h"
#include "engine/search_parallel.h"

namespace tervala {

namespace {

double PointSum(const HeadSearchData& d, double B, double F, double P, double limit) {
    double h = d.first;
    double ssq = 0;
    for (int k = 2; k <= d.n; ++k) {
        h = HeadNextSearch(h, HeadAlpha(B, F, h), d.delta[k], d.rech[k], P, kHeadTermWithoutAlpha);
        ssq += SearchTerm(d.meas[k], h, kHeadDeviationCap, kHeadCappedTerm);
        if (ssq > limit) return ssq;
    }
    return ssq;
}

struct GridPoint {
    int i, j, p;
    int64_t index;
};

// Evaluates points four at a time, so that the processor overlaps the four
// independent recursions.
void EvaluatePoints(const HeadSearchData& d, const std::vector<GridPoint>& points,
                    SharedLimit& shared, Candidate& best) {
    constexpr int kLanes = 4;
    struct Lane {
        double B, F, P, h, ssq;
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
        const GridPoint& g = points[next++];
        lane.B = HeadSlope(g.i);
        lane.F = HeadIntercept(g.j);
        lane.P = g.p;
        lane.h = d.first;
        lane.ssq = 0;
        lane.k = 2;
        lane.index = g.index;
        lane.active = true;
    };
    int active = 0;
    for (Lane& lane : lanes) {
        refill(lane);
        active += lane.active;
    }
    double limit = shared.Get();
    while (active > 0) {
        for (Lane& lane : lanes) {
            if (!lane.active) continue;
            const int k = lane.k;
            if (k > d.n) {
                if (lane.ssq <= limit) {
                    best.Offer(lane.index, lane.ssq);
                    shared.Lower(lane.ssq);
                    limit = shared.Get();
                }
                refill(lane);
                if (!lane.active) --active;
                continue;
            }
            lane.h = HeadNextSearch(lane.h, HeadAlpha(lane.B, lane.F, lane.h), d.delta[k],
                                    d.rech[k], lane.P, kHeadTermWithoutAlpha);
            lane.ssq += SearchTerm(d.meas[k], lane.h, kHeadDeviationCap, kHeadCappedTerm);
            lane.k = k + 1;
            if (lane.ssq > limit) {
                limit = shared.Get();
                if (lane.ssq > limit) {
                    refill(lane);
                    if (!lane.active) --active;
                }
            }
        }
    }
}

// Lower bound of the sums of every grid point of a block of slopes B,
// intercepts F and porosities P, stepped through the rows together with an
// interval [lo, hi] that holds the calculated head of every point.
//
// With h the head before the step, alpha = B h + F is positive (B, F > 0 and
// the head never negative), and the step is
//   h' = h E(alpha) + (50 R / P) g(alpha),  E = exp(-alpha dt), g = (1 - E) / alpha.
// Both parts fall as alpha grows and the second falls as P grows, so for a
// given h the lowest h' of the block comes from (B_hi, F_hi, P_hi) and the
// highest from (B_lo, F_lo, P_lo). As a function of h the step rises as long
// as E (1 - B h dt) >= B (50 R / P) |g'(alpha)|, with |g'| <= dt^2 / 2; when
// that holds over the whole interval its ends give the new one. Otherwise
// the two parts are bounded apart: h E(B h + F) rises up to h = 1 / (B dt)
// and falls after it, and the recharge part is largest at the lowest alpha
// and smallest at the highest. The computed ends are widened by a margin
// far above the rounding of either the ends or the points; the deviations
// and their squares are bounded without margin, rounding being monotone.
class HeadBlock {
  public:
    HeadBlock(const HeadSearchData& d, int i0, int i1, int j0, int j1, int p0, int p1)
        : d_(d),
          bLo_(HeadSlope(i0)),
          bHi_(HeadSlope(i1)),
          fLo_(HeadIntercept(j0)),
          fHi_(HeadIntercept(j1)),
          pLo_(p0),
          pHi_(p1) {}

    // True when the bound exceeds the limit before the rows end: no point
    // of the block can win.
    bool Exceeds(const SharedLimit& limit, double& reached) const {
        const double* delta = d_.delta.data();
        const double* rech = d_.rech.data();
        const double* meas = d_.meas.data();
        double lo = d_.first, hi = d_.first;
        double bound = 0;
        double l = limit.Get();
        for (int k = 2; k <= d_.n; ++k) {
            const double dt = delta[k], R = rech[k];
            const double alphaMin = bLo_ * lo + fLo_;
            const double alphaMax = bHi_ * hi + fHi_;
            double nlo, nhi;
            // E(alpha) >= 1 - alpha dt; with 1 - alphaMax dt > 0 both
            // factors below are positive lower bounds over the block.
            const double decay = 1 - alphaMax * dt;
            const double rise = decay * (1 - bHi_ * hi * dt);
            if (decay > 0 && rise * 0.999 >= bHi_ * (50 * R / pLo_) * dt * dt / 2) {
                nlo = Next(bHi_, fHi_, pHi_, lo, dt, R);
                nhi = Next(bLo_, fLo_, pLo_, hi, dt, R);
            } else {
                const double eAtLo = std::exp(-(bHi_ * lo + fHi_) * dt);
                const double eAtHi = std::exp(-alphaMax * dt);
                nlo = std::min(lo * eAtLo, hi * eAtHi) + Recharge(alphaMax, pHi_, dt, R);
                const double top = dt > 0 ? std::min(hi, std::max(lo, 1 / (bLo_ * dt))) : hi;
                nhi = top * std::exp(-(bLo_ * top + fLo_) * dt) + Recharge(alphaMin, pLo_, dt, R);
            }
            const double margin =
                2e-14 * (hi + std::fabs(nhi) + 50 * R / (pLo_ * alphaMin) * (1 + alphaMax * dt)) +
                1e-300;
            lo = std::max(0.0, nlo - margin);
            hi = nhi + margin;
            if (!(hi < kHuge)) {  // no useful bound
                reached = 0;
                return false;
            }
            bound +=
                LeastSearchTerm(meas[k] - hi, meas[k] - lo, kHeadDeviationCap, kHeadCappedTerm);
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

    static double Next(double B, double F, double P, double h, double dt, double R) {
        return HeadNextSearch(h, HeadAlpha(B, F, h), dt, R, P, kHeadTermWithoutAlpha);
    }
    static double Recharge(double alpha, double P, double dt, double R) {
        const double E = std::exp(-alpha * dt);
        return (1 - E) * R / (P * alpha / 50);
    }

    const HeadSearchData& d_;
    const double bLo_, bHi_, fLo_, fHi_, pLo_, pHi_;
};

struct Box {
    int i0, i1, j0, j1, p0, p1;
    int64_t Points() const { return int64_t(i1 - i0 + 1) * (j1 - j0 + 1) * (p1 - p0 + 1); }
};

// Works through a tile of the grid: blocks whose bound exceeds the limit
// are dropped whole, the others are halved until they are small enough to
// evaluate point by point.
class HeadTileSearch {
  public:
    HeadTileSearch(const HeadSearchData& d, const HeadGrid& g, SharedLimit& limit, Candidate& best,
                   double typicalHead)
        : d_(d), g_(g), limit_(limit), best_(best), typical_(typicalHead) {}

    void Search(const Box& tile) {
        Block(tile, 0);
        Flush();
    }

  private:
    static constexpr int kLeafPoints = 8;

    // skip: levels of halves whose bound is not tried.
    void Block(const Box& b, int skip) {
        const int64_t points = b.Points();
        int skipHalves = std::max(0, skip - 1);
        if (points > 1 && skip == 0) {
            double reached = 0;
            if (HeadBlock(d_, b.i0, b.i1, b.j0, b.j1, b.p0, b.p1).Exceeds(limit_, reached)) {
                return;
            }
            // A bound that stayed far below the limit to the last row says
            // that the halves will hardly get above it either: the bounds of
            // their halves are tried instead.
            const double l = limit_.Get();
            skipHalves = reached * 3 < l ? 2 : reached * 1.5 < l ? 1 : 0;
        }
        if (points <= kLeafPoints) {
            const int nJ = g_.jLast - g_.jFirst + 1, nP = g_.pLast - g_.pFirst + 1;
            for (int i = b.i0; i <= b.i1; ++i) {
                for (int j = b.j0; j <= b.j1; ++j) {
                    for (int p = b.p0; p <= b.p1; ++p) {
                        pending_.push_back({i, j, p,
                                            (int64_t(i - g_.iFirst) * nJ + (j - g_.jFirst)) * nP +
                                                (p - g_.pFirst)});
                    }
                }
            }
            if (pending_.size() >= 256) Flush();
            return;
        }
        // Halve the side that spreads the step most, measured as a change
        // of alpha: B by the head, F directly, and P as a relative change
        // of the recharge part, as large as the same relative change of alpha.
        const double alpha =
            HeadSlope((b.i0 + b.i1) / 2) * typical_ + HeadIntercept((b.j0 + b.j1) / 2);
        const double spreadI = (b.i1 - b.i0) * 0.0001 * typical_;
        const double spreadJ = (b.j1 - b.j0) * 0.0005;
        const double spreadP = (b.p1 - b.p0) / (0.5 * (b.p0 + b.p1)) * alpha;
        Box first = b, second = b;
        if (spreadI >= spreadJ && spreadI >= spreadP) {
            first.i1 = b.i0 + (b.i1 - b.i0 + 1) / 2 - 1;
            second.i0 = first.i1 + 1;
        } else if (spreadJ >= spreadP) {
            first.j1 = b.j0 + (b.j1 - b.j0 + 1) / 2 - 1;
            second.j0 = first.j1 + 1;
        } else {
            first.p1 = b.p0 + (b.p1 - b.p0 + 1) / 2 - 1;
            second.p0 = first.p1 + 1;
        }
        Block(first, skipHalves);
        Block(second, skipHalves);
    }

    void Flush() {
        EvaluatePoints(d_, pending_, limit_, best_);
        pending_.clear();
    }

    const HeadSearchData& d_;
    const HeadGrid& g_;
    SharedLimit& limit_;
    Candidate& best_;
    double typical_;
    std::vector<GridPoint> pending_;
};

// A bound to start from: the best of a coarse sub-grid, improved by a local
// descent on the full grid.
void SeedLimit(const HeadSearchData& d, const HeadGrid& g, SharedLimit& limit) {
    const int stepI = std::max(1, (g.iLast - g.iFirst + 1) / 16);
    const int stepJ = std::max(1, (g.jLast - g.jFirst + 1) / 16);
    const int stepP = std::max(1, (g.pLast - g.pFirst + 1) / 8);
    bool found = false;
    int bi = 0, bj = 0, bp = 0;
    double bestSum = 0;
    auto consider = [&](int i, int j, int p) {
        if (i < g.iFirst || i > g.iLast || j < g.jFirst || j > g.jLast || p < g.pFirst ||
            p > g.pLast) {
            return false;
        }
        const double l = limit.Get();
        const double s = PointSum(d, HeadSlope(i), HeadIntercept(j), p, l);
        if (s <= l && (!found || s < bestSum)) {
            found = true;
            bi = i;
            bj = j;
            bp = p;
            bestSum = s;
            limit.Lower(s);
            return true;
        }
        return false;
    };
    for (int i = g.iFirst + stepI / 2; i <= g.iLast; i += stepI) {
        for (int j = g.jFirst + stepJ / 2; j <= g.jLast; j += stepJ) {
            for (int p = g.pFirst + stepP / 2; p <= g.pLast; p += stepP) consider(i, j, p);
        }
    }
    if (!found) return;
    for (int h = std::max({stepI, stepJ, stepP}); h >= 1; h /= 2) {
        bool moved = true;
        while (moved) {
            moved = false;
            const int ci = bi, cj = bj, cp = bp;
            for (int di = -1; di <= 1; ++di) {
                for (int dj = -1; dj <= 1; ++dj) {
                    for (int dp = -1; dp <= 1; ++dp) {
                        if ((di != 0 || dj != 0 || dp != 0) &&
                            consider(ci + di * h, cj + dj * h, cp + dp * h)) {
                            moved = true;
                        }
                    }
                }
            }
        }
    }
}

}  // namespace

SearchWinner SearchHeadFast(const HeadSearchData& data, const HeadGrid& grid, RunProgress& progress,
                            int threads) {
    SearchWinner winner;
    winner.bestSsq = kHeadInitialBest;
    const int nI = grid.iLast - grid.iFirst + 1;
    const int nJ = grid.jLast - grid.jFirst + 1;
    const int nP = grid.pLast - grid.pFirst + 1;
    if (nI <= 0 || nJ <= 0 || nP <= 0) return winner;

    SharedLimit limit(kHeadInitialBest);
    SeedLimit(data, grid, limit);

    double typical = 0;
    for (int k = 1; k <= data.n; ++k) typical += data.meas[k];
    typical = data.n > 0 ? typical / data.n : 1;

    constexpr int kTileI = 4;
    constexpr int kTileJ = 50;
    const int tilesI = (nI + kTileI - 1) / kTileI;
    const int tilesJ = (nJ + kTileJ - 1) / kTileJ;
    const int workers = SearchThreadCount(threads);
    std::vector<Candidate> best(workers);

    auto work = [&](int64_t tile, int worker) {
        const int ti = static_cast<int>(tile / tilesJ), tj = static_cast<int>(tile % tilesJ);
        Box box;
        box.i0 = grid.iFirst + ti * kTileI;
        box.i1 = std::min(grid.iLast, box.i0 + kTileI - 1);
        box.j0 = grid.jFirst + tj * kTileJ;
        box.j1 = std::min(grid.jLast, box.j0 + kTileJ - 1);
        box.p0 = grid.pFirst;
        box.p1 = grid.pLast;
        HeadTileSearch(data, grid, limit, best[worker], typical).Search(box);
    };
    // Progress lines in loop order, each once its tile row is finished.
    int nextMark = 0;
    auto done = [&](int64_t prefix) {
        for (; nextMark < kProgressMarks; ++nextMark) {
            const ProgressMark& m = kHeadProgress[nextMark];
            if (m.i < grid.iFirst || m.i > grid.iLast || m.j < grid.jFirst || m.j > grid.jLast ||
                kHeadProgressP < grid.pFirst || kHeadProgressP > grid.pLast) {
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
        const int64_t perI = int64_t(nJ) * nP;
        winner.i = grid.iFirst + static_cast<int>(all.index / perI);
        winner.j = grid.jFirst + static_cast<int>((all.index % perI) / nP);
        winner.p = grid.pFirst + static_cast<int>(all.index % nP);
        winner.bestSsq = all.sum;
    }
    return winner;
}

}  // namespace tervala

namespace tervala {

bool HeadBlockAbove(const SearchSeries& d, int i0, int i1, int j0, int j1, int p0, int p1,
                    double limit, double& reached) {
    const SharedLimit above(std::nextafter(limit, HUGE_VAL));
    return HeadBlock(d, i0, i1, j0, j1, p0, p1).Exceeds(above, reached);
}

}  // namespace tervala

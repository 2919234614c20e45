// Why the fast search's result is the plain loop's:
// - Every grid point that could win is evaluated with the very arithmetic of
//   the plain loop (the model's Next, reservoir_step.h), so its complete sum
//   has the same bits.
// - A point is given up only when a lower bound of its sum exceeds the
//   smallest complete sum already known (or reaches the initial best sum).
//   Its sum is then strictly above the best sum and the point cannot win.
//   Points whose sum equals the best are never given up, and the candidates
//   are compared by sum, then by loop index, so ties go to the earliest point
//   as in the plain loop, whatever order threads evaluate points in.
// - Lower bounds come from the point's own partial sum (terms are >= 0 and
//   rounding is monotone, so a partial sum never exceeds the complete sum)
//   or, for a whole block of grid points, from the model's interval
//   (BlockBoundExceeds).
#include "engine/fast_search.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/search_block_bounds.h"

namespace tervala {

namespace {

// Sum of squared deviations of one grid point. Gives up as soon as the
// partial sum exceeds `limit` and returns that partial sum.
template <class Model>
double PointSum(const SearchSeries& d, const typename Model::Point& c, double limit) {
    double v = d.first;
    double ssq = 0;
    for (int k = 2; k <= d.n; ++k) {
        v = Model::Next(c, v, d.delta[k], d.rech[k]);
        ssq += SearchTerm(d.meas[k], v, Model::kCap, Model::kCapped);
        if (ssq > limit) return ssq;
    }
    return ssq;
}

struct GridPoint {
    int i, j, p;
    int64_t index;  // position in loop order
};

// Evaluates points four at a time: the four recursions are independent, so
// the processor overlaps their exponentials.
template <class Model>
void EvaluatePoints(const SearchSeries& d, const std::vector<GridPoint>& points,
                    SharedLimit& shared, Candidate& best) {
    constexpr int kLanes = 4;
    struct Lane {
        typename Model::Point c;
        double v, ssq;
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
        lane.c = Model::At(g.i, g.j, g.p);
        lane.v = d.first;
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
                // Complete: a candidate.
                if (lane.ssq <= limit) {
                    best.Offer(lane.index, lane.ssq);
                    shared.Lower(lane.ssq);
                    limit = shared.Get();
                }
                refill(lane);
                if (!lane.active) --active;
                continue;
            }
            lane.v = Model::Next(lane.c, lane.v, d.delta[k], d.rech[k]);
            lane.ssq += SearchTerm(d.meas[k], lane.v, Model::kCap, Model::kCapped);
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

// Works through a tile of the grid: blocks whose bound exceeds the limit
// are dropped whole, the others are halved until they are small enough to
// evaluate point by point.
template <class Model>
class TileSearch {
  public:
    TileSearch(const SearchSeries& d, const typename Model::Rows& rows, const GridBox& grid,
               SharedLimit& limit, Candidate& best, double typical)
        : d_(d), rows_(rows), grid_(grid), limit_(limit), best_(best), typical_(typical) {}

    void Search(const GridBox& tile) {
        Block(tile, 0);
        Flush();
    }

  private:
    static constexpr int kLeafPoints = 8;

    // skip: levels of halves whose bound is not tried.
    void Block(const GridBox& b, int skip) {
        const int64_t points = b.Points();
        int skipHalves = std::max(0, skip - 1);
        if (points > 1 && skip == 0) {
            double reached = 0;
            if (BlockBoundExceeds<Model>(d_, rows_, b, limit_, reached)) return;
            // A bound that stayed far below the limit to the last row says
            // that the halves will hardly get above it either: the bounds of
            // their halves are tried instead.
            const double l = limit_.Get();
            skipHalves = reached * 3 < l ? 2 : reached * 1.5 < l ? 1 : 0;
        }
        if (points <= kLeafPoints) {
            const int nJ = grid_.Count(1), nP = grid_.Count(2);
            for (int i = b.lo[0]; i <= b.hi[0]; ++i) {
                for (int j = b.lo[1]; j <= b.hi[1]; ++j) {
                    for (int p = b.lo[2]; p <= b.hi[2]; ++p) {
                        pending_.push_back(
                            {i, j, p,
                             (int64_t(i - grid_.lo[0]) * nJ + (j - grid_.lo[1])) * nP +
                                 (p - grid_.lo[2])});
                    }
                }
            }
            if (pending_.size() >= 256) Flush();
            return;
        }
        const int axis = Model::SplitAxis(b, typical_);
        GridBox first = b, second = b;
        first.hi[axis] = b.lo[axis] + b.Count(axis) / 2 - 1;
        second.lo[axis] = first.hi[axis] + 1;
        Block(first, skipHalves);
        Block(second, skipHalves);
    }

    void Flush() {
        EvaluatePoints<Model>(d_, pending_, limit_, best_);
        pending_.clear();
    }

    const SearchSeries& d_;
    const typename Model::Rows& rows_;
    const GridBox& grid_;
    SharedLimit& limit_;
    Candidate& best_;
    double typical_;
    std::vector<GridPoint> pending_;
};

// A bound to start from: the best of a coarse sub-grid, improved by a local
// descent on the full grid. Any complete sum of a real grid point will do;
// the closer to the best sum, the more the main pass can give up early.
template <class Model>
void SeedLimit(const SearchSeries& d, const GridBox& g, SharedLimit& limit) {
    int step[3];
    for (int a = 0; a < 3; ++a) step[a] = std::max(1, g.Count(a) / Model::kSeedDivisions[a]);
    bool found = false;
    int bi = 0, bj = 0, bp = 0;
    double bestSum = 0;
    auto consider = [&](int i, int j, int p) {
        if (!g.Holds(i, j, p)) return false;
        const double l = limit.Get();
        const double s = PointSum<Model>(d, Model::At(i, j, p), l);
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
    for (int i = g.lo[0] + step[0] / 2; i <= g.hi[0]; i += step[0]) {
        for (int j = g.lo[1] + step[1] / 2; j <= g.hi[1]; j += step[1]) {
            for (int p = g.lo[2] + step[2] / 2; p <= g.hi[2]; p += step[2]) consider(i, j, p);
        }
    }
    if (!found) return;
    for (int h = std::max({step[0], step[1], step[2]}); h >= 1; h /= 2) {
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

template <class Model>
SearchWinner SearchFast(const SearchSeries& d, const GridBox& grid, RunProgress& progress,
                        int threads) {
    SearchWinner winner;
    winner.bestSsq = Model::kInitialBest;
    for (int a = 0; a < 3; ++a) {
        if (grid.Count(a) <= 0) return winner;
    }

    SharedLimit limit(Model::kInitialBest);
    SeedLimit<Model>(d, grid, limit);

    double typical = 0;
    for (int k = 1; k <= d.n; ++k) typical += d.meas[k];
    typical = d.n > 0 ? typical / d.n : 1;
    const typename Model::Rows rows(d);

    int tiles[3];
    for (int a = 0; a < 3; ++a) tiles[a] = (grid.Count(a) + Model::kTile[a] - 1) / Model::kTile[a];
    const int64_t tilesPerI = int64_t(tiles[1]) * tiles[2];
    const int workers = SearchThreadCount(threads);
    std::vector<Candidate> best(workers);

    auto work = [&](int64_t tile, int worker) {
        const int64_t at[3] = {tile / tilesPerI, tile / tiles[2] % tiles[1], tile % tiles[2]};
        GridBox box;
        for (int a = 0; a < 3; ++a) {
            box.lo[a] = grid.lo[a] + static_cast<int>(at[a]) * Model::kTile[a];
            box.hi[a] = std::min(grid.hi[a], box.lo[a] + Model::kTile[a] - 1);
        }
        TileSearch<Model>(d, rows, grid, limit, best[worker], typical).Search(box);
    };

    // Progress lines in loop order: a line is due once every tile row up to
    // the one holding its grid position is finished.
    int nextMark = 0;
    auto done = [&](int64_t prefix) {
        for (; nextMark < kProgressMarks; ++nextMark) {
            const ProgressMark& m = Model::kProgress[nextMark];
            if (!grid.Holds(m.i, m.j, Model::kProgressP)) continue;
            const int64_t needed = int64_t((m.i - grid.lo[0]) / Model::kTile[0] + 1) * tilesPerI;
            if (prefix < needed) break;
            progress.AddProgressLine(m.line);
        }
    };
    if (!RunTiles(int64_t(tiles[0]) * tilesPerI, threads, work, done,
                  [&progress] { return progress.StopRequested(); })) {
        winner.stopped = true;
        return winner;
    }

    Candidate all;
    for (const Candidate& c : best) all.Merge(c);
    if (all.taken) {
        const int64_t perI = int64_t(grid.Count(1)) * grid.Count(2);
        winner.taken = true;
        winner.i = grid.lo[0] + static_cast<int>(all.index / perI);
        winner.j = grid.lo[1] + static_cast<int>(all.index % perI / grid.Count(2));
        winner.p = grid.lo[2] + static_cast<int>(all.index % grid.Count(2));
        winner.bestSsq = all.sum;
    }
    return winner;
}

template SearchWinner SearchFast<DischargeSearchModel>(const SearchSeries&, const GridBox&,
                                                       RunProgress&, int);
template SearchWinner SearchFast<HeadSearchModel>(const SearchSeries&, const GridBox&, RunProgress&,
                                                  int);

SearchWinner SearchDischargeFast(const DischargeSearchData& data, const DischargeGrid& grid,
                                 RunProgress& progress, int threads) {
    return SearchFast<DischargeSearchModel>(data, DischargeSearchModel::Box(grid), progress,
                                            threads);
}

SearchWinner SearchHeadFast(const HeadSearchData& data, const HeadGrid& grid, RunProgress& progress,
                            int threads) {
    return SearchFast<HeadSearchModel>(data, HeadSearchModel::Box(grid), progress, threads);
}

// The shared limit drops what lies at or above its value; one step up keeps
// a point whose sum equals `limit`.
bool DischargeBlockAbove(const SearchSeries& d, const std::vector<double>& invDelta, int i0, int i1,
                         int j0, int j1, double limit, double& reached) {
    const SharedLimit above(std::nextafter(limit, HUGE_VAL));
    const DischargeSearchModel::Rows rows(d, invDelta);
    return BlockBoundExceeds<DischargeSearchModel>(d, rows, {{i0, j0, 0}, {i1, j1, 0}}, above,
                                                   reached);
}

bool HeadBlockAbove(const SearchSeries& d, int i0, int i1, int j0, int j1, int p0, int p1,
                    double limit, double& reached) {
    const SharedLimit above(std::nextafter(limit, HUGE_VAL));
    const HeadSearchModel::Rows rows(d);
    return BlockBoundExceeds<HeadSearchModel>(d, rows, {{i0, j0, p0}, {i1, j1, p1}}, above,
                                              reached);
}

}  // namespace tervala

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
#include <functional>
#include <memory>
#include <vector>

#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"

namespace tervala {

namespace {

// Sum of squared deviations of one grid point. Gives up as soon as the
// partial sum exceeds `limit` and returns that partial sum.
// The steps taken are added to `rows`.
template <class Model>
double PointSum(const SearchSeries& d, const typename Model::Point& c, double limit,
                int64_t& rows) {
    double v = d.first;
    double ssq = 0;
    for (int k = 2; k <= d.n; ++k) {
        v = Model::Next(c, v, d.delta[k], d.rech[k]);
        ssq += SearchTerm(d.meas[k], v, Model::kCap, Model::kCapped);
        if (ssq > limit) {
            rows += k - 1;
            return ssq;
        }
    }
    rows += d.n > 1 ? d.n - 1 : 0;
    return ssq;
}

// Works through a tile of the grid with a stack of blocks: blocks go through
// the lane kernel a batch at a time; a block whose bound exceeds the limit is
// dropped whole, a block that stays below it is cut into smaller blocks, and
// a single grid point that stays below it is evaluated with the plain loop's
// own step and std::exp. Every point whose sum is within the limit goes to
// sink.Found(i, j, p, sum).
template <class Model, class Sink>
class TileSearch {
  public:
    TileSearch(const SearchSeries& d, const typename Model::Rows& rows, SharedLimit& limit,
               Sink& sink, SearchWork& work, double typical, LaneKernels<Model> kernels)
        : d_(d),
          rows_(rows),
          limit_(limit),
          sink_(sink),
          work_(work),
          typical_(typical),
          kernels_(kernels) {}

    void Search(const GridBox& tile) {
        entries_ = AheadEntries(d_.n);
        // Written by the kernel before they are read: left uninitialised.
        records_.reset(new double[size_t(kLaneBatch) * entries_]);
        blocks_.push_back({tile, -1});
        while (next_ < blocks_.size()) Batch();
    }

  private:
    // Blocks of at most this many points are cut straight into their points.
    static constexpr int64_t kLeafPoints = 8;
    // Look-ahead tables kept for a tile, at most (a tile where no bound drops
    // anything would keep one for nearly every block); blocks cut after that
    // take over the table of the block they were cut from.
    static constexpr size_t kMaxTableValues = size_t(1) << 19;

    // A block waiting in the queue, with the offset of its look-ahead table
    // in tables_ (-1: none).
    struct Queued {
        GridBox box;
        int64_t table;
    };

    void Batch() {
        taken_.clear();
        const size_t take = std::min(blocks_.size() - next_, size_t(kLaneBatch));
        taken_.assign(blocks_.begin() + next_, blocks_.begin() + next_ + take);
        next_ += take;
        if (next_ * 2 >= blocks_.size()) {
            blocks_.erase(blocks_.begin(), blocks_.begin() + next_);
            next_ = 0;
        }
        while (taken_.size() < size_t(Model::kFillLanes)) {
            size_t biggest = 0;
            for (size_t t = 1; t < taken_.size(); ++t) {
                if (taken_[t].box.Points() > taken_[biggest].box.Points()) biggest = t;
            }
            if (taken_[biggest].box.Points() == 1) break;
            Queued second = taken_[biggest];
            Halve(taken_[biggest].box, second.box);
            taken_.push_back(second);
        }
        // Single grid points, small blocks and large blocks go through
        // their own kernels.
        const auto single = [](const Queued& q) { return q.box.Points() == 1; };
        const auto small = [](const Queued& q) { return Affine(q.box); };
        std::stable_partition(taken_.begin(), taken_.end(), single);
        const size_t points = std::count_if(taken_.begin(), taken_.end(), single);
        const auto blocks = taken_.begin() + static_cast<std::ptrdiff_t>(points);
        std::stable_partition(blocks, taken_.end(), small);
        const size_t smalls = points + std::count_if(blocks, taken_.end(), small);
        Bound(0, points, points, kernels_.points);
        Bound(points, smalls, points, kernels_.affine);
        Bound(smalls, taken_.size(), points, kernels_.blocks);
        for (size_t t = 0; t < taken_.size(); ++t) {
            const double reached = reached_[t];
            if (reached < 0) continue;
            const GridBox& b = taken_[t].box;
            if (b.Points() == 1) {
                Evaluate(b.lo[0], b.lo[1], b.lo[2]);
                continue;
            }
            // The parts of a block that came through every row look ahead
            // with its bounds (or with those of the block it came from).
            int64_t table = taken_[t].table;
            if (reached > 0 && tables_.size() + entries_ <= kMaxTableValues) {
                const int64_t from = table;
                table = static_cast<int64_t>(tables_.size());
                tables_.resize(tables_.size() + entries_);
                AheadTable(&records_[(t - points) * entries_], reached, d_.n, batch_.unit,
                           from < 0 ? nullptr : &tables_[from], &tables_[table]);
            }
            if (b.Points() <= kLeafPoints) {
                for (int i = b.lo[0]; i <= b.hi[0]; ++i) {
                    for (int j = b.lo[1]; j <= b.hi[1]; ++j) {
                        for (int p = b.lo[2]; p <= b.hi[2]; ++p)
                            blocks_.push_back({{{i, j, p}, {i, j, p}}, table});
                    }
                }
            } else {
                // A block that came through every row has halves that mostly
                // do so as well (on flat landscapes near the best sum): it is
                // cut into quarters, or eighths when its bound stayed far
                // below the limit.
                const double l = limit_.Get();
                Cut(b, reached * 3 < l ? 3 : 2, table);
            }
        }
    }

    // Blocks of at most this many points are bounded by first-order forms
    // (where the model has them): far tighter than intervals near the best
    // fit, but on larger blocks their second-order rest grows too fast.
    static constexpr int64_t kAffinePoints = 256;
    static bool Affine(const GridBox& b) {
        return Model::kAffineBlocks && b.Points() > 1 && b.Points() <= kAffinePoints;
    }

    // Bounds taken_[from..to), all of one kind, into reached_; blocks record
    // their bounds in records_ from entry (t - recordFrom) on.
    void Bound(size_t from, size_t to, size_t recordFrom, BoundLanesFn<Model> kernel) {
        if (from == to) return;
        batch_.count = static_cast<int>(to - from);
        for (size_t t = from; t < to; ++t) {
            const GridBox& b = taken_[t].box;
            batch_.ahead[t - from] = taken_[t].table < 0 ? nullptr : &tables_[taken_[t].table];
            // Blocks record their bounds (for the look-ahead of their parts).
            batch_.record[t - from] =
                b.Points() > 1 ? &records_[(t - recordFrom) * entries_] : nullptr;
            double c[Model::kCoefficients] = {};
            if (b.Points() == 1) {
                Model::PointCoefficients(b.lo[0], b.lo[1], b.lo[2], c);
            } else if (Affine(b)) {
                if constexpr (Model::kAffineBlocks) Model::AffineCoefficients(b, c);
            } else {
                Model::Coefficients(b, c);
            }
            for (int q = 0; q < Model::kCoefficients; ++q) batch_.coef[q][t - from] = c[q];
        }
        batch_.laneRows = 0;
        kernel(d_.meas.data(), d_.n, d_.first, rows_, batch_, limit_);
        (kernel == kernels_.points ? work_.pointRows : work_.blockRows) += batch_.laneRows;
        std::copy(batch_.reached, batch_.reached + (to - from), reached_ + from);
    }

    void Halve(GridBox& first, GridBox& second) const {
        const int axis = Model::SplitAxis(first, typical_);
        second = first;
        first.hi[axis] = first.lo[axis] + first.Count(axis) / 2 - 1;
        second.lo[axis] = first.hi[axis] + 1;
    }

    void Cut(GridBox b, int levels, int64_t table) {
        if (levels == 0 || b.Points() == 1) {
            blocks_.push_back({b, table});
            return;
        }
        GridBox second;
        Halve(b, second);
        Cut(second, levels - 1, table);
        Cut(b, levels - 1, table);
    }

    // The plain loop's sum of one grid point, handed on when it is within the limit.
    void Evaluate(int i, int j, int p) {
        const double l = limit_.Get();
        const double sum = PointSum<Model>(d_, Model::At(i, j, p), l, work_.exactRows);
        if (sum <= l) sink_.Found(i, j, p, sum);
    }

    const SearchSeries& d_;
    const typename Model::Rows& rows_;
    SharedLimit& limit_;
    Sink& sink_;
    SearchWork& work_;
    double typical_;
    LaneKernels<Model> kernels_;
    // Blocks wait in a queue from blocks_[next_] on. Where no bound drops
    // anything (data near the largest double) it holds every point of a
    // tile, so the blocks taken are dropped from the front only when they
    // are half of it: erasing them at every batch would move all the others.
    std::vector<Queued> blocks_, taken_;
    size_t next_ = 0;
    // Look-ahead tables, and the bounds the blocks of a batch record.
    int entries_ = 0;
    std::vector<double> tables_;
    std::unique_ptr<double[]> records_;
    LaneBatch<Model> batch_;
    double reached_[kLaneBatch];
};

// A bound to start from: the best of a coarse sub-grid, improved by a local
// descent on the full grid. Any complete sum of a real grid point will do;
// the closer to the best sum, the more the main pass can give up early.
template <class Model>
void SeedLimit(const SearchSeries& d, const GridBox& g, SharedLimit& limit, SearchWork& work,
               int threads) {
    int step[3];
    for (int a = 0; a < 3; ++a) step[a] = std::max(1, g.Count(a) / Model::kSeedDivisions[a]);
    bool found = false;
    int bi = 0, bj = 0, bp = 0;
    double bestSum = 0;
    auto consider = [&](int i, int j, int p) {
        if (!g.Holds(i, j, p)) return false;
        const double l = limit.Get();
        const double s = PointSum<Model>(d, Model::At(i, j, p), l, work.exactRows);
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
    // The coarse values of each axis: evenly spaced, or growing by about
    // 1.65 from the axis's start, where the model's step depends on the
    // ratio of the coefficients rather than on their difference.
    std::vector<int> coarse[3];
    for (int a = 0; a < 3; ++a) {
        if (Model::kSeedGeometric[a]) {
            for (double v = 1; g.lo[a] + v - 1 <= g.hi[a];
                 v = std::max(v + 1, std::round(v * 1.65)))
                coarse[a].push_back(g.lo[a] + static_cast<int>(v) - 1);
        } else {
            for (int v = g.lo[a] + step[a] / 2; v <= g.hi[a]; v += step[a]) coarse[a].push_back(v);
        }
    }
    // The coarse pass runs on the search's threads, one coarse value of the
    // first axis per tile, so that a second core does not wait through it.
    // Its best point is still the one of smallest sum (the first in coarse
    // order among equals) whatever thread found it: every limit is the
    // initial best or a complete sum, never below that point's sum, so its
    // partial sums never exceed the limit and it is always taken.
    const int64_t perI = int64_t(coarse[1].size()) * coarse[2].size();
    std::vector<Candidate> coarseBest(SearchThreadCount(threads));
    std::vector<SearchWork> coarseWork(coarseBest.size());
    RunTiles(
        int64_t(coarse[0].size()), threads,
        [&](int64_t at, int worker) {
            const int i = coarse[0][at];
            for (size_t jt = 0; jt < coarse[1].size(); ++jt) {
                for (size_t pt = 0; pt < coarse[2].size(); ++pt) {
                    const int j = coarse[1][jt], p = coarse[2][pt];
                    if (!g.Holds(i, j, p)) continue;
                    const double l = limit.Get();
                    const double s =
                        PointSum<Model>(d, Model::At(i, j, p), l, coarseWork[worker].exactRows);
                    if (s > l) continue;
                    coarseBest[worker].Offer(at * perI + int64_t(jt * coarse[2].size() + pt), s);
                    limit.Lower(s);
                }
            }
        },
        [](int64_t) {}, [] { return false; });
    Candidate all;
    for (size_t w = 0; w < coarseBest.size(); ++w) {
        all.Merge(coarseBest[w]);
        work.Add(coarseWork[w]);
    }
    if (!all.taken) return;
    found = true;
    bi = coarse[0][all.index / perI];
    bj = coarse[1][all.index % perI / coarse[2].size()];
    bp = coarse[2][all.index % coarse[2].size()];
    bestSum = all.sum;
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

// A worker's best candidate; each one found lowers the shared limit.
struct BestSink {
    const GridBox& grid;
    SharedLimit& limit;
    Candidate& best;
    void Found(int i, int j, int p, double sum) {
        best.Offer((int64_t(i - grid.lo[0]) * grid.Count(1) + (j - grid.lo[1])) * grid.Count(2) +
                       (p - grid.lo[2]),
                   sum);
        limit.Lower(sum);
    }
};

// The lane kernels and the tiles of a grid.
template <class Model>
struct Tiling {
    explicit Tiling(const GridBox& g) : grid(g) {
        for (int a = 0; a < 3; ++a) tiles[a] = (g.Count(a) + Model::kTile[a] - 1) / Model::kTile[a];
    }
    int64_t Count() const { return int64_t(tiles[0]) * tiles[1] * tiles[2]; }
    int64_t PerI() const { return int64_t(tiles[1]) * tiles[2]; }
    GridBox Tile(int64_t tile) const {
        const int64_t at[3] = {tile / PerI(), tile / tiles[2] % tiles[1], tile % tiles[2]};
        GridBox box;
        for (int a = 0; a < 3; ++a) {
            box.lo[a] = grid.lo[a] + static_cast<int>(at[a]) * Model::kTile[a];
            box.hi[a] = std::min(grid.hi[a], box.lo[a] + Model::kTile[a] - 1);
        }
        return box;
    }
    const GridBox& grid;
    int tiles[3];
};

// The mean observed value, which decides the side of a block to halve.
double Typical(const SearchSeries& d) {
    double typical = 0;
    for (int k = 1; k <= d.n; ++k) typical += d.meas[k];
    return d.n > 0 ? typical / d.n : 1;
}

}  // namespace

template <class Model>
SearchWinner SearchFast(const SearchSeries& d, const GridBox& grid, RunProgress& progress,
                        int threads, VectorLevel vectors) {
    SearchWinner winner;
    winner.bestSsq = Model::kInitialBest;
    for (int a = 0; a < 3; ++a) {
        if (grid.Count(a) <= 0) return winner;
    }

    SharedLimit limit(Model::kInitialBest);
    SearchWork seedWork;
    SeedLimit<Model>(d, grid, limit, seedWork, threads);

    const double typical = Typical(d);
    const typename Model::Rows rows(d);
    const LaneKernels<Model> kernels = ChooseLaneKernels<Model>(vectors);

    const Tiling<Model> tiling(grid);
    const int64_t tilesPerI = tiling.PerI();
    const int workers = SearchThreadCount(threads);
    std::vector<Candidate> best(workers);
    std::vector<SearchWork> spent(workers);

    auto work = [&](int64_t tile, int worker) {
        BestSink sink{grid, limit, best[worker]};
        TileSearch<Model, BestSink>(d, rows, limit, sink, spent[worker], typical, kernels)
            .Search(tiling.Tile(tile));
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
    if (!RunTiles(tiling.Count(), threads, work, done,
                  [&progress] { return progress.StopRequested(); })) {
        winner.stopped = true;
        return winner;
    }

    winner.work = seedWork;
    for (const SearchWork& w : spent) winner.work.Add(w);
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
                                                       RunProgress&, int, VectorLevel);
template SearchWinner SearchFast<HeadSearchModel>(const SearchSeries&, const GridBox&, RunProgress&,
                                                  int, VectorLevel);

SearchWinner SearchDischargeFast(const DischargeSearchData& data, const DischargeGrid& grid,
                                 RunProgress& progress, int threads, VectorLevel vectors) {
    return SearchFast<DischargeSearchModel>(data, DischargeSearchModel::Box(grid), progress,
                                            threads, vectors);
}

SearchWinner SearchHeadFast(const HeadSearchData& data, const HeadGrid& grid, RunProgress& progress,
                            int threads, VectorLevel vectors) {
    return SearchFast<HeadSearchModel>(data, HeadSearchModel::Box(grid), progress, threads,
                                       vectors);
}

template <class Model>
bool EnumerateFast(const SearchSeries& d, const GridBox& grid, double limit, int threads,
                   const std::function<void(int, int, int, int)>& inside,
                   const std::function<bool()>& stop) {
    for (int a = 0; a < 3; ++a) {
        if (grid.Count(a) <= 0) return true;
    }
    // The shared limit drops what lies at or above its value; one step up
    // keeps a point whose sum equals `limit`. It never moves.
    SharedLimit fixed(std::nextafter(limit, HUGE_VAL));
    const typename Model::Rows rows(d);
    const LaneKernels<Model> kernels = ChooseLaneKernels<Model>(VectorLevel::Best);
    const double typical = Typical(d);
    const Tiling<Model> tiling(grid);
    struct InsideSink {
        const std::function<void(int, int, int, int)>& inside;
        int worker;
        void Found(int i, int j, int p, double) { inside(worker, i, j, p); }
    };
    std::vector<SearchWork> spent(SearchThreadCount(threads));
    return RunTiles(
        tiling.Count(), threads,
        [&](int64_t tile, int worker) {
            InsideSink sink{inside, worker};
            TileSearch<Model, InsideSink>(d, rows, fixed, sink, spent[worker], typical, kernels)
                .Search(tiling.Tile(tile));
        },
        [](int64_t) {}, stop);
}

template bool EnumerateFast<DischargeSearchModel>(const SearchSeries&, const GridBox&, double, int,
                                                  const std::function<void(int, int, int, int)>&,
                                                  const std::function<bool()>&);
template bool EnumerateFast<HeadSearchModel>(const SearchSeries&, const GridBox&, double, int,
                                             const std::function<void(int, int, int, int)>&,
                                             const std::function<bool()>&);

}  // namespace tervala

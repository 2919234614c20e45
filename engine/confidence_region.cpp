#include "engine/confidence_region.h"

#include <algorithm>
#include <boost/math/distributions/fisher_f.hpp>
#include <climits>

#include "engine/discharge_search.h"
#include "engine/head_search.h"
#include "engine/reservoir_step.h"
#include "engine/search_block_bounds.h"
#include "engine/search_parallel.h"

namespace tervala {

std::optional<RegionLimit> ConfidenceLimit(double best, int coefficients, int rows) {
    if (rows <= coefficients || coefficients < 1) return std::nullopt;
    RegionLimit r;
    r.Coefficients = coefficients;
    r.Rows = rows;
    const boost::math::fisher_f_distribution<double> f(coefficients, rows - coefficients);
    r.FQuantile = boost::math::quantile(f, kRegionProbability);
    r.Limit = best * (1 + double(coefficients) / (rows - coefficients) * r.FQuantile);
    return r;
}

std::function<bool()> Stopper(const std::function<bool()>& stopRequested) {
    if (!stopRequested) return [] { return false; };
    return stopRequested;
}

namespace {

// A block of grid points: index ranges (inclusive) of i, j and p.
struct Box {
    int lo[3], hi[3];
    int Count(int axis) const { return hi[axis] - lo[axis] + 1; }
    int64_t Points() const { return int64_t(Count(0)) * Count(1) * Count(2); }
};

// What the enumeration needs of an analysis: the step of a grid point in the
// plain loop's arithmetic, the block bound and the side of a block to halve.
struct DischargeRegionModel {
    static constexpr double kCap = kDischargeDeviationCap, kCapped = kDischargeCappedTerm;
    struct Point {
        double A, C;
    };
    static Point At(int i, int j, int) { return {DischargeSlope(i), DischargeIntercept(j)}; }
    static double Next(const Point& c, double q, double dt, double R) {
        return DischargeNext(q, DischargeAlpha(c.A, c.C, q), dt, R);
    }

    explicit DischargeRegionModel(const SearchSeries& d) : d_(d), invDelta_(d.n + 1, 0.0) {
        for (int k = 2; k <= d.n; ++k) invDelta_[k] = 1 / d.delta[k];
    }
    bool BlockAbove(const Box& b, double limit, double& reached) const {
        return DischargeBlockAbove(d_, invDelta_, b.lo[0], b.hi[0], b.lo[1], b.hi[1], limit,
                                   reached);
    }
    // Halve the side that spreads alpha more: a step of i moves alpha by
    // 0.0001 times the discharge, a step of j by 0.0001.
    static int SplitAxis(const Box& b, double typical) {
        const int ni = b.Count(0), nj = b.Count(1);
        return nj == 1 || (ni > 1 && (ni - 1) * typical >= (nj - 1)) ? 0 : 1;
    }

  private:
    const SearchSeries& d_;
    std::vector<double> invDelta_;
};

struct HeadRegionModel {
    static constexpr double kCap = kHeadDeviationCap, kCapped = kHeadCappedTerm;
    struct Point {
        double B, F, P;
    };
    static Point At(int i, int j, int p) { return {HeadSlope(i), HeadIntercept(j), double(p)}; }
    static double Next(const Point& c, double h, double dt, double R) {
        return HeadNextSearch(h, HeadAlpha(c.B, c.F, h), dt, R, c.P, kHeadTermWithoutAlpha);
    }

    explicit HeadRegionModel(const SearchSeries& d) : d_(d) {}
    bool BlockAbove(const Box& b, double limit, double& reached) const {
        return HeadBlockAbove(d_, b.lo[0], b.hi[0], b.lo[1], b.hi[1], b.lo[2], b.hi[2], limit,
                              reached);
    }
    // Halve the side that spreads the step most, as a change of alpha: B by
    // the head, F directly, P as a relative change of the recharge part, as
    // large as the same relative change of alpha.
    static int SplitAxis(const Box& b, double typical) {
        const double alpha =
            HeadSlope((b.lo[0] + b.hi[0]) / 2) * typical + HeadIntercept((b.lo[1] + b.hi[1]) / 2);
        const double spreadI = (b.hi[0] - b.lo[0]) * 0.0001 * typical;
        const double spreadJ = (b.hi[1] - b.lo[1]) * 0.0005;
        const double spreadP = (b.hi[2] - b.lo[2]) / (0.5 * (b.lo[2] + b.hi[2])) * alpha;
        if (spreadI >= spreadJ && spreadI >= spreadP) return 0;
        return spreadJ >= spreadP ? 1 : 2;
    }

  private:
    const SearchSeries& d_;
};

// The points one worker found inside the region.
struct Tally {
    int64_t points = 0;
    int lo[3] = {INT_MAX, INT_MAX, INT_MAX}, hi[3] = {INT_MIN, INT_MIN, INT_MIN};

    void Add(const int at[3]) {
        ++points;
        for (int a = 0; a < 3; ++a) lo[a] = std::min(lo[a], at[a]), hi[a] = std::max(hi[a], at[a]);
    }
    void Merge(const Tally& t) {
        points += t.points;
        for (int a = 0; a < 3; ++a)
            lo[a] = std::min(lo[a], t.lo[a]), hi[a] = std::max(hi[a], t.hi[a]);
    }
};

// The search sums of `points`, four at a time (the four recursions are
// independent, so the processor overlaps their exponentials): done(point,
// sum) for every point (its index in `points`) whose sum is at most `limit`;
// the others are given up
// as soon as their partial sum exceeds it.
template <class Model, class Done>
void SumFourAtATime(const SearchSeries& d, const std::vector<GridIndex>& points, double limit,
                    Done done) {
    constexpr int kLanes = 4;
    struct Lane {
        typename Model::Point c;
        double v, ssq;
        int k;
        size_t point;
        bool active = false;
    } lanes[kLanes];
    size_t next = 0;
    auto refill = [&](Lane& lane) {
        lane.active = next < points.size();
        if (!lane.active) return;
        const GridIndex& at = points[next];
        lane = {Model::At(at[0], at[1], at[2]), d.first, 0, 2, next++, true};
    };
    int active = 0;
    for (Lane& lane : lanes) refill(lane), active += lane.active;
    while (active > 0) {
        for (Lane& lane : lanes) {
            if (!lane.active) continue;
            if (lane.k > d.n) {
                done(lane.point, lane.ssq);
            } else {
                lane.v = Model::Next(lane.c, lane.v, d.delta[lane.k], d.rech[lane.k]);
                lane.ssq += SearchTerm(d.meas[lane.k], lane.v, Model::kCap, Model::kCapped);
                ++lane.k;
                if (!(lane.ssq > limit)) continue;
            }
            refill(lane);
            if (!lane.active) --active;
        }
    }
}

// Blocks smaller than this are summed point by point.
constexpr int kLeafPoints = 8;

// Every point of a tile whose search sum is at most the limit: blocks whose
// bound lies above it are dropped whole, the others halved down to leaves,
// whose points are summed four at a time (the four recursions are
// independent, so the processor overlaps their exponentials).
template <class Model>
class Enumeration {
  public:
    Enumeration(const SearchSeries& d, const Model& model, const Box& grid, double limit,
                double typical, int planeP, Tally& tally, std::vector<uint8_t>& plane)
        : d_(d),
          model_(model),
          grid_(grid),
          limit_(limit),
          typical_(typical),
          planeP_(planeP),
          tally_(tally),
          plane_(plane) {}

    void Search(const Box& tile) {
        Block(tile, 0);
        Flush();
    }

  private:
    void Block(const Box& b, int skip) {
        int skipHalves = std::max(0, skip - 1);
        if (b.Points() > 1 && skip == 0) {
            double reached = 0;
            if (model_.BlockAbove(b, limit_, reached)) return;
            // A bound far below the limit to the last row says that the
            // halves will hardly rise above it either: theirs are not tried.
            skipHalves = reached * 3 < limit_ ? 2 : reached * 1.5 < limit_ ? 1 : 0;
        }
        if (b.Points() <= kLeafPoints) {
            for (int i = b.lo[0]; i <= b.hi[0]; ++i)
                for (int j = b.lo[1]; j <= b.hi[1]; ++j)
                    for (int p = b.lo[2]; p <= b.hi[2]; ++p) pending_.push_back({i, j, p});
            if (pending_.size() >= 256) Flush();
            return;
        }
        const int axis = Model::SplitAxis(b, typical_);
        Box first = b, second = b;
        first.hi[axis] = b.lo[axis] + b.Count(axis) / 2 - 1;
        second.lo[axis] = first.hi[axis] + 1;
        Block(first, skipHalves);
        Block(second, skipHalves);
    }

    void Flush() {
        SumFourAtATime<Model>(d_, pending_, limit_,
                              [this](size_t point, double) { Inside(pending_[point].data()); });
        pending_.clear();
    }

    void Inside(const int at[3]) {
        tally_.Add(at);
        if (at[2] == planeP_)
            plane_[size_t(at[0] - grid_.lo[0]) * grid_.Count(1) + (at[1] - grid_.lo[1])] = 1;
    }

    const SearchSeries& d_;
    const Model& model_;
    const Box& grid_;
    const double limit_, typical_;
    const int planeP_;
    Tally& tally_;
    std::vector<uint8_t>& plane_;
    std::vector<GridIndex> pending_;
};

template <class Model>
GridRegion Enumerate(const SearchSeries& d, const Box& grid, const int tile[3], double limit,
                     int planeP, int threads, const std::function<bool()>& stopRequested) {
    GridRegion r;
    r.PlaneP = planeP;
    if (grid.Count(0) <= 0 || grid.Count(1) <= 0 || grid.Count(2) <= 0) return r;
    r.Plane.assign(size_t(grid.Count(0)) * grid.Count(1), 0);
    const Model model(d);
    double typical = 0;
    for (int k = 1; k <= d.n; ++k) typical += d.meas[k];
    typical = d.n > 0 ? typical / d.n : 1;

    int tiles[3];
    for (int a = 0; a < 3; ++a) tiles[a] = (grid.Count(a) + tile[a] - 1) / tile[a];
    std::vector<Tally> tallies(SearchThreadCount(threads));
    RunTiles(
        int64_t(tiles[0]) * tiles[1] * tiles[2], threads,
        [&](int64_t t, int worker) {
            const int64_t index[3] = {t / (int64_t(tiles[1]) * tiles[2]), t / tiles[2] % tiles[1],
                                      t % tiles[2]};
            Box box;
            for (int a = 0; a < 3; ++a) {
                box.lo[a] = grid.lo[a] + int(index[a]) * tile[a];
                box.hi[a] = std::min(grid.hi[a], box.lo[a] + tile[a] - 1);
            }
            Enumeration<Model>(d, model, grid, limit, typical, planeP, tallies[worker], r.Plane)
                .Search(box);
        },
        [](int64_t) {}, Stopper(stopRequested));

    Tally all;
    for (const Tally& t : tallies) all.Merge(t);
    r.Points = all.points;
    if (all.points > 0) {
        r.IMin = all.lo[0], r.IMax = all.hi[0], r.JMin = all.lo[1], r.JMax = all.hi[1];
        r.PMin = all.lo[2], r.PMax = all.hi[2];
    }
    return r;
}

}  // namespace

std::vector<double> PointSums(AnalysisKind kind, const SearchSeries& d,
                              const std::vector<GridIndex>& points) {
    std::vector<double> sums(points.size());
    auto keep = [&sums](size_t point, double sum) { sums[point] = sum; };
    if (kind == AnalysisKind::Discharge) {
        SumFourAtATime<DischargeRegionModel>(d, points, kNoLimit, keep);
    } else {
        SumFourAtATime<HeadRegionModel>(d, points, kNoLimit, keep);
    }
    return sums;
}

GridRegion DischargeRegion(const SearchSeries& d, const DischargeGrid& grid, double limit,
                           int threads, const std::function<bool()>& stopRequested) {
    static constexpr int kTile[3] = {16, 64, 1};
    return Enumerate<DischargeRegionModel>(
        d, Box{{grid.iFirst, grid.jFirst, 0}, {grid.iLast, grid.jLast, 0}}, kTile, limit, 0,
        threads, stopRequested);
}

GridRegion HeadRegion(const SearchSeries& d, const HeadGrid& grid, double limit, int planeP,
                      int threads, const std::function<bool()>& stopRequested) {
    // Every porosity of a tile in one, as the search takes them.
    static constexpr int kTile[3] = {4, 50, 1 << 20};
    return Enumerate<HeadRegionModel>(
        d, Box{{grid.iFirst, grid.jFirst, grid.pFirst}, {grid.iLast, grid.jLast, grid.pLast}},
        kTile, limit, planeP, threads, stopRequested);
}

}  // namespace tervala

#include "engine/confidence_region.h"

#include <algorithm>
#include <boost/math/distributions/fisher_f.hpp>
#include <climits>

#include "engine/discharge_search_model.h"
#include "engine/fast_search.h"
#include "engine/head_search_model.h"
#include "engine/reservoir_step.h"
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
// independent, so the processor overlaps their exponentials).
template <class Model>
std::vector<double> SumFourAtATime(const SearchSeries& d, const std::vector<GridIndex>& points) {
    std::vector<double> sums(points.size());
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
            if (lane.k <= d.n) {
                lane.v = Model::Next(lane.c, lane.v, d.delta[lane.k], d.rech[lane.k]);
                lane.ssq += SearchTerm(d.meas[lane.k], lane.v, Model::kCap, Model::kCapped);
                ++lane.k;
                continue;
            }
            sums[lane.point] = lane.ssq;
            refill(lane);
            if (!lane.active) --active;
        }
    }
    return sums;
}

// Every grid point of `grid` inside the region, found with the fast
// search's tiles, bounds and kernels at the region's limit.
template <class Model>
GridRegion Enumerate(const SearchSeries& d, const GridBox& grid, double limit, int planeP,
                     int threads, const std::function<bool()>& stopRequested) {
    GridRegion r;
    r.PlaneP = planeP;
    if (grid.Count(0) <= 0 || grid.Count(1) <= 0 || grid.Count(2) <= 0) return r;
    r.Plane.assign(size_t(grid.Count(0)) * grid.Count(1), 0);
    std::vector<Tally> tallies(SearchThreadCount(threads));
    // Each point is found once, by the worker of its tile: plane bytes of
    // different points are written by one thread each.
    EnumerateFast<Model>(
        d, grid, limit, threads,
        [&](int worker, int i, int j, int p) {
            const int at[3] = {i, j, p};
            tallies[worker].Add(at);
            if (p == planeP) r.Plane[size_t(i - grid.lo[0]) * grid.Count(1) + (j - grid.lo[1])] = 1;
        },
        Stopper(stopRequested));

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
    return kind == AnalysisKind::Discharge ? SumFourAtATime<DischargeSearchModel>(d, points)
                                           : SumFourAtATime<HeadSearchModel>(d, points);
}

GridRegion DischargeRegion(const SearchSeries& d, const DischargeGrid& grid, double limit,
                           int threads, const std::function<bool()>& stopRequested) {
    return Enumerate<DischargeSearchModel>(d, DischargeSearchModel::Box(grid), limit, 0, threads,
                                           stopRequested);
}

GridRegion HeadRegion(const SearchSeries& d, const HeadGrid& grid, double limit, int planeP,
                      int threads, const std::function<bool()>& stopRequested) {
    return Enumerate<HeadSearchModel>(d, HeadSearchModel::Box(grid), limit, planeP, threads,
                                      stopRequested);
}

}  // namespace tervala

// How sharply the data determine the alpha function: the joint 95 %
// confidence region of the coefficients (A and C of the discharge analysis;
// B, F and the porosity of the head analysis) on the search grid. A grid
// point belongs to it when its search sum is at most
//   best * (1 + p / (n - p) * F(p, n - p; 0.95)),
// with p the number of coefficients, n the number of compared rows and F the
// quantile of the F distribution (the classical region of non-linear least
// squares, Beale 1960). The region is enumerated exactly: every grid point
// at or below the limit is found, by the plain loop's own arithmetic.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "engine/analysis_state.h"
#include "engine/search_grid.h"

namespace tervala {

inline constexpr double kRegionProbability = 0.95;

struct RegionLimit {
    int Coefficients = 0;  // p
    int Rows = 0;          // n, the compared rows
    double FQuantile = 0;  // F(p, n - p; 0.95)
    double Limit = 0;      // the largest search sum inside the region
};

// The limit for best sum `best`; nothing when n <= p (no degrees of freedom
// left to judge the fit by).
std::optional<RegionLimit> ConfidenceLimit(double best, int coefficients, int rows);

// The grid points of a region: how many, the index ranges of each
// coefficient, and which (i, j) points belong to it in the plane of the
// picture (for the head analysis the plane of one porosity).
struct GridRegion {
    int64_t Points = 0;
    int IMin = 0, IMax = 0, JMin = 0, JMax = 0, PMin = 0, PMax = 0;
    int PlaneP = 0;  // head: the porosity index of Plane
    // (i - iFirst) * (jLast - jFirst + 1) + (j - jFirst): 1 inside.
    std::vector<uint8_t> Plane;
};

// Every grid point of `grid` whose search sum is at most `limit`. Blocks
// whose guaranteed lower bound lies above the limit are skipped whole; every
// other point is summed as the plain loop sums it. threads 0: one per
// usable processor. A stop request (asked between tiles) leaves the region
// incomplete.
GridRegion DischargeRegion(const SearchSeries& d, const DischargeGrid& grid, double limit,
                           int threads, const std::function<bool()>& stopRequested = {});
GridRegion HeadRegion(const SearchSeries& d, const HeadGrid& grid, double limit, int planeP,
                      int threads, const std::function<bool()>& stopRequested = {});

// `stopRequested`, or a request that never comes when there is none.
std::function<bool()> Stopper(const std::function<bool()>& stopRequested);

// A grid point: its indices i, j and p (0 for the discharge grid).
using GridIndex = std::array<int, 3>;

// The search sums of `points`, in the plain loop's arithmetic.
std::vector<double> PointSums(AnalysisKind kind, const SearchSeries& d,
                              const std::vector<GridIndex>& points);

}  // namespace tervala

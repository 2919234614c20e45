// Property of both fast searches' block bounds: on random series and small
// blocks, every grid point's discharge or head lies inside the block's interval
// at every row. The probe stands in for the least-term call of the included
// sources, where the bound asks about deviations [-hi, -lo] (observed 0).
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/reservoir_step.h"
#include "tests/support/generated_series.h"

namespace tervala::testing {
struct Interval {
    double lo, hi;
};
std::vector<Interval> probedRows;
double ProbedLeastSearchTerm(double devLo, double devHi, double cap, double capped) {
    probedRows.push_back({-devHi, -devLo});
    return LeastSearchTerm(devLo, devHi, cap, capped);
}
}  // namespace tervala::testing

// NOLINTBEGIN: the block bounds live in the searches' sources
#define LeastSearchTerm testing::ProbedLeastSearchTerm
#define SearchDischargeFast SearchDischargeFastProbed
#define DischargeBlockAbove DischargeBlockAboveProbed
#define HeadBlockAbove HeadBlockAboveProbed
#include "engine/discharge_search_fast.cpp"
#define SearchHeadFast SearchHeadFastProbed
#define GridPoint HeadGridPoint
#include "engine/head_search_fast.cpp"
#undef SearchDischargeFast
#undef SearchHeadFast
#undef DischargeBlockAbove
#undef HeadBlockAbove
#undef GridPoint
#undef LeastSearchTerm
// NOLINTEND

namespace tervala {
namespace {

using testing::probedRows;

// Runs `bound` on a zeroed copy of `d`, then follows every grid point of the
// block with `next(point, value, series, row)`.
template <typename Bound, typename Next>
void ExpectInside(SearchSeries d, Bound bound, const std::vector<std::vector<int>>& points,
                  Next next, int c) {
    d.meas.assign(d.meas.size(), 0.0);
    probedRows.clear();
    SharedLimit limit(1e300);
    double reached = 0;
    bound(d).Exceeds(limit, reached);
    ASSERT_EQ(probedRows.size(), static_cast<size_t>(d.n - 1)) << "case " << c;
    for (const std::vector<int>& point : points) {
        double v = d.first;
        for (int k = 2; k <= d.n; ++k) {
            v = next(point, v, d, k);
            ASSERT_TRUE(probedRows[k - 2].lo <= v && v <= probedRows[k - 2].hi)
                << "case " << c << ", point " << ::testing::PrintToString(point) << ", row " << k
                << ": " << v << " outside " << probedRows[k - 2].lo << " .. "
                << probedRows[k - 2].hi;
        }
    }
}

TEST(BlockBounds, HoldEveryPointOfTheBlockAtEveryRow) {
    std::mt19937 random(2024);
    auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    for (int c = 0; c < 400; ++c) {
        const auto shape = static_cast<testing::Shape>(pick(0, 5));
        const int i0 = pick(1, 1000), i1 = std::min(1000, i0 + pick(0, 7));
        const int j0 = pick(1, 1500), j1 = std::min(1500, j0 + pick(0, 15));
        std::vector<std::vector<int>> points;
        for (int i = i0; i <= i1; ++i)
            for (int j = j0; j <= j1; ++j) points.push_back({i, j});
        ExpectInside(
            testing::MakeDischarge(pick(2, 25), shape, c, pick(1, 1000), pick(1, 1500)),
            [&](const SearchSeries& d) {
                std::vector<double> invDelta(d.n + 1, 0.0);
                for (int k = 2; k <= d.n; ++k) invDelta[k] = 1 / d.delta[k];
                return DischargeBlockBound(d, invDelta, i0, i1, j0, j1);
            },
            points,
            [](const std::vector<int>& p, double q, const SearchSeries& d, int k) {
                const double alpha =
                    DischargeAlpha(DischargeSlope(p[0]), DischargeIntercept(p[1]), q);
                return DischargeNext(q, alpha, d.delta[k], d.rech[k]);
            },
            c);
    }
    for (int c = 0; c < 400; ++c) {
        const auto shape = static_cast<testing::Shape>(pick(0, 5));
        const int i0 = pick(1, 500), i1 = std::min(500, i0 + pick(0, 4));
        const int j0 = pick(1, 1000), j1 = std::min(1000, j0 + pick(0, 7));
        const int p0 = pick(1, 100), p1 = std::min(100, p0 + pick(0, 3));
        std::vector<std::vector<int>> points;
        for (int i = i0; i <= i1; ++i)
            for (int j = j0; j <= j1; ++j)
                for (int p = p0; p <= p1; ++p) points.push_back({i, j, p});
        ExpectInside(
            testing::MakeHead(pick(2, 25), shape, c, pick(1, 500), pick(1, 1000), pick(1, 100)),
            [&](const SearchSeries& d) { return HeadBlock(d, i0, i1, j0, j1, p0, p1); }, points,
            [](const std::vector<int>& p, double h, const SearchSeries& d, int k) {
                const double alpha = HeadAlpha(HeadSlope(p[0]), HeadIntercept(p[1]), h);
                return HeadNextSearch(h, alpha, d.delta[k], d.rech[k], p[2], kHeadTermWithoutAlpha);
            },
            1000 + c);
    }
}

}  // namespace
}  // namespace tervala

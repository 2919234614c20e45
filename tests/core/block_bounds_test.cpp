// Property of both fast searches' block intervals: on random series and small
// blocks, every grid point's discharge or head lies inside the block's
// interval at every row.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "tests/support/generated_series.h"

namespace tervala {
namespace {

// Steps the block's interval and every point of the block through the rows.
template <class Model>
void ExpectInside(const SearchSeries& d, const GridBox& b, int c) {
    const typename Model::Rows rows(d);
    const typename Model::Interval interval(d, rows, b);
    std::vector<double> v(b.Points(), d.first);
    double lo = d.first, hi = d.first;
    for (int k = 2; k <= d.n; ++k) {
        interval.Step(k, lo, hi);
        size_t at = 0;
        for (int i = b.lo[0]; i <= b.hi[0]; ++i)
            for (int j = b.lo[1]; j <= b.hi[1]; ++j)
                for (int p = b.lo[2]; p <= b.hi[2]; ++p, ++at) {
                    v[at] = Model::Next(Model::At(i, j, p), v[at], d.delta[k], d.rech[k]);
                    ASSERT_TRUE(lo <= v[at] && v[at] <= hi)
                        << "case " << c << ", point " << i << " " << j << " " << p << ", row " << k
                        << ": " << v[at] << " outside " << lo << " .. " << hi;
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
        ExpectInside<DischargeSearchModel>(
            testing::MakeDischarge(pick(2, 25), shape, c, pick(1, 1000), pick(1, 1500)),
            {{i0, j0, 0}, {i1, j1, 0}}, c);
    }
    for (int c = 0; c < 400; ++c) {
        const auto shape = static_cast<testing::Shape>(pick(0, 5));
        const int i0 = pick(1, 500), i1 = std::min(500, i0 + pick(0, 4));
        const int j0 = pick(1, 1000), j1 = std::min(1000, j0 + pick(0, 7));
        const int p0 = pick(1, 100), p1 = std::min(100, p0 + pick(0, 3));
        ExpectInside<HeadSearchModel>(
            testing::MakeHead(pick(2, 25), shape, c, pick(1, 500), pick(1, 1000), pick(1, 100)),
            {{i0, j0, p0}, {i1, j1, p1}}, 1000 + c);
    }
}

}  // namespace
}  // namespace tervala

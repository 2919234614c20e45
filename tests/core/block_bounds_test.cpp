// Properties the fast searches rest on: the fast exponential's error bound,
// and the intervals of both models: on random series and small blocks, every
// grid point's discharge or head lies inside the block's interval, and the
// first point's inside its own midpoint and radius, at every row; and the
// vector kernels bound a batch of blocks exactly as the one-block bound does,
// with every instruction set.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "engine/discharge_search_model.h"
#include "engine/fast_search.h"
#include "engine/head_search_model.h"
#include "tests/support/generated_series.h"

namespace tervala {
namespace {

TEST(FastExp, StaysWithinItsErrorBoundOverItsWholeRange) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // Evenly over [-750, 0], and down from 0 through every order of magnitude.
    for (int c = 0; c < 2000000; ++c) {
        const double x = c % 2 ? -750 * unit(random) : -unit(random) * std::pow(10.0, -(c % 40));
        const long double exact = std::exp(static_cast<long double>(x));
        ASSERT_LE(std::fabs(FastExp(x) - exact), kFastExpError * exact + kFastExpFloor) << x;
    }
    EXPECT_LE(FastExp(-INFINITY), kFastExpFloor);
    EXPECT_TRUE(std::isnan(FastExp(NAN)));
}

// Steps the block's interval and every point of the block through the rows.
template <class Model>
void ExpectInside(const SearchSeries& d, const GridBox& b, int c) {
    const typename Model::Rows rows(d);
    double coefficients[Model::kCoefficients];
    Model::Coefficients(b, coefficients);
    double point[Model::kPointCoefficients];  // the block's first point alone
    Model::PointCoefficients(b.lo[0], b.lo[1], b.lo[2], point);
    std::vector<double> v(b.Points(), d.first);
    double lo = d.first, hi = d.first, mid = d.first, radius = 0;
    for (int k = 2; k <= d.n; ++k) {
        Model::Step(rows, k, coefficients, lo, hi);
        Model::PointStep(rows, k, point, mid, radius);
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

// The batch kernel of each instruction set against BlockBoundExceeds, block
// by block: with no limit, and with a limit that half the blocks exceed.
template <class Model>
void ExpectKernelsAgree(const SearchSeries& d, const std::vector<GridBox>& blocks) {
    const typename Model::Rows rows(d);
    std::vector<double> bounds;
    for (double limit : {1e300, 0.0}) {
        if (limit == 0)
            limit = (std::sort(bounds.begin(), bounds.end()), bounds[bounds.size() / 2]);
        const SharedLimit shared(limit);
        for (VectorLevel level : {VectorLevel::Avx512, VectorLevel::Avx2, VectorLevel::Baseline}) {
            auto batch = std::make_unique<LaneBatch<Model>>();
            batch->count = static_cast<int>(blocks.size());
            for (size_t b = 0; b < blocks.size(); ++b) {
                double c[Model::kCoefficients];
                Model::Coefficients(blocks[b], c);
                for (int q = 0; q < Model::kCoefficients; ++q) batch->coef[q][b] = c[q];
            }
            ChooseLaneKernels<Model>(level).blocks(d.meas.data(), d.n, d.first, rows, *batch,
                                                   shared);
            for (size_t b = 0; b < blocks.size(); ++b) {
                double reached = 0;
                const bool exceeds = BlockBoundExceeds<Model>(d, rows, blocks[b], shared, reached);
                EXPECT_EQ(batch->reached[b], exceeds ? -1 : reached) << int(level) << " " << b;
                if (level == VectorLevel::Baseline) bounds.push_back(reached);
            }
        }
    }
}

TEST(BlockBounds, HoldEveryPointOfTheBlockAtEveryRow) {
    std::mt19937 random(2024);
    auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution(lo, hi)(random); };
    std::vector<GridBox> blocks;
    for (int c = 0; c < 400; ++c) {
        const auto shape = static_cast<testing::Shape>(pick(0, 5));
        const int i0 = pick(1, 1000), i1 = std::min(1000, i0 + pick(0, 7));
        const int j0 = pick(1, 1500), j1 = std::min(1500, j0 + pick(0, 15));
        blocks.push_back({{i0, j0, 0}, {i1, j1, 0}});
        const auto d = testing::MakeDischarge(pick(2, 25), shape, c, pick(1, 1000), pick(1, 1500));
        ExpectInside<DischargeSearchModel>(d, blocks.back(), c);
        if (c % 50 == 49) ExpectKernelsAgree<DischargeSearchModel>(d, blocks);
        if (blocks.size() == size_t(kLaneBatch)) blocks.clear();
    }
    blocks.clear();
    for (int c = 0; c < 400; ++c) {
        const auto shape = static_cast<testing::Shape>(pick(0, 5));
        const int i0 = pick(1, 500), i1 = std::min(500, i0 + pick(0, 4));
        const int j0 = pick(1, 1000), j1 = std::min(1000, j0 + pick(0, 7));
        const int p0 = pick(1, 100), p1 = std::min(100, p0 + pick(0, 3));
        blocks.push_back({{i0, j0, p0}, {i1, j1, p1}});
        const auto d =
            testing::MakeHead(pick(2, 25), shape, c, pick(1, 500), pick(1, 1000), pick(1, 100));
        ExpectInside<HeadSearchModel>(d, blocks.back(), 1000 + c);
        if (c % 50 == 49) ExpectKernelsAgree<HeadSearchModel>(d, blocks);
        if (blocks.size() == size_t(kLaneBatch)) blocks.clear();
    }
}

}  // namespace
}  // namespace tervala

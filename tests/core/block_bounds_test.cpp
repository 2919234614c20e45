// Properties the fast searches rest on: the fast exponential's error bound
// (doubles and floats), and the intervals of both models: on random series
// and small blocks, every grid point's discharge or head lies inside the
// block's interval (and, for discharge, inside its first-order form), and
// the first point's inside its own midpoint and radius, at every row
// (discharge also on lanes of floats); and the vector kernels bound a batch
// of blocks exactly as the one-block bound does on doubles, and soundly on
// floats and with first-order forms, with every instruction set, also
// looking ahead.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "engine/discharge_search_model.h"
#include "engine/fast_search.h"
#include "engine/head_search_model.h"
#include "tests/support/generated_series.h"

namespace tervala {
namespace {

struct TestLanes {};
using Floats = Lanes<4, TestLanes, float>;

TEST(FastExp, StaysWithinItsErrorBoundOverItsWholeRange) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // Evenly over [-750, 0] (floats: [-100, 0]), and down from 0 through
    // every order of magnitude.
    for (int c = 0; c < 2000000; ++c) {
        const double x = c % 2 ? -750 * unit(random) : -unit(random) * std::pow(10.0, -(c % 40));
        const long double exact = std::exp(static_cast<long double>(x));
        ASSERT_LE(std::fabs(FastExp(x) - exact), kFastExpError * exact + kFastExpFloor) << x;
        const float xf = static_cast<float>(c % 2 ? x / 7.5 : x);
        const long double exactF = std::exp(static_cast<long double>(xf));
        ASSERT_LE(std::fabs(FastExp(Floats(xf)).v[c % 4] - exactF),
                  kFastExpFloatError * exactF + kFastExpFloatFloor)
            << xf;
    }
    EXPECT_LE(FastExp(-double(INFINITY)), kFastExpFloor);
    EXPECT_TRUE(std::isnan(FastExp(double(NAN))));
    EXPECT_LE(FastExp(Floats(-INFINITY)).v[0], kFastExpFloatFloor);
    EXPECT_TRUE(std::isnan(FastExp(Floats(NAN)).v[0]));
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
    // The same on lanes of floats, where the model allows them.
    Floats cf[Model::kCoefficients], pf[Model::kPointCoefficients];
    for (int q = 0; q < Model::kCoefficients; ++q) cf[q] = coefficients[q];
    for (int q = 0; q < Model::kPointCoefficients; ++q) pf[q] = point[q];
    Floats loF = RoundDown<float>(d.first), hiF = RoundUp<float>(d.first), midF = d.first,
           radiusF = RoundUp<float>(2 * 0x1p-24 * std::fabs(d.first));
    // The block's first-order form (on doubles only).
    double corners[kAffineCoefficients], ac[kAffineCoefficients], form[4] = {d.first, 0, 0, 0};
    bool says = true;
    if constexpr (Model::kAffineBlocks) {
        Model::AffineCoefficients(b, corners);
        Model::AffineLaneCoefficients(corners, ac);
    }
    for (int k = 2; k <= d.n; ++k) {
        Model::Step(rows, k, coefficients, lo, hi);
        Model::PointStep(rows, k, point, mid, radius);
        if constexpr (Model::kNarrowLanes) {
            Model::Step(rows, k, cf, loF, hiF);
            Model::PointStep(rows, k, pf, midF, radiusF);
        }
        double formLo = -INFINITY, formHi = INFINITY;  // the form's ends, where it says anything
        if constexpr (Model::kAffineBlocks) {
            double low, high;
            Model::AffineStep(rows, k, ac, form, low, high);
            // A form that grew too wide says nothing from then on.
            if ((says = says && high < 1e200)) formLo = low, formHi = high;
        }
        // Floats hold the same as doubles where they hold anything.
        const float wide = std::numeric_limits<float>::infinity();
        const double loN = Model::kNarrowLanes ? loF.v[0] : lo;
        const double hiN = Model::kNarrowLanes && hiF.v[0] < 1e17 ? hiF.v[0] : wide;
        size_t at = 0;
        for (int i = b.lo[0]; i <= b.hi[0]; ++i)
            for (int j = b.lo[1]; j <= b.hi[1]; ++j)
                for (int p = b.lo[2]; p <= b.hi[2]; ++p, ++at) {
                    v[at] = Model::Next(Model::At(i, j, p), v[at], d.delta[k], d.rech[k]);
                    ASSERT_TRUE(lo <= v[at] && v[at] <= hi && (loN <= v[at] || hiN == wide) &&
                                v[at] <= hiN && formLo <= v[at] && v[at] <= formHi)
                        << "case " << c << ", point " << i << " " << j << " " << p << ", row " << k
                        << ": " << v[at] << " outside " << lo << " .. " << hi << " or " << loN
                        << " .. " << hiN << " or " << formLo << " .. " << formHi;
                }
        const float lowF = (midF - radiusF).v[0], highF = (midF + radiusF).v[0];
        ASSERT_TRUE(mid - radius <= v[0] && v[0] <= mid + radius &&
                    (!Model::kNarrowLanes || !(highF < 1e17) || (lowF <= v[0] && v[0] <= highF)))
            << "case " << c << ", first point, row " << k << ": " << v[0] << " outside " << mid
            << " +- " << radius << " or " << midF.v[0] << " +- " << radiusF.v[0];
    }
}

// The plain loop's smallest sum over the points of a block.
template <class Model>
double LeastPlainSum(const SearchSeries& d, const GridBox& b) {
    double least = INFINITY;
    for (int i = b.lo[0]; i <= b.hi[0]; ++i)
        for (int j = b.lo[1]; j <= b.hi[1]; ++j)
            for (int p = b.lo[2]; p <= b.hi[2]; ++p) {
                double v = d.first, sum = 0;
                for (int k = 2; k <= d.n; ++k) {
                    v = Model::Next(Model::At(i, j, p), v, d.delta[k], d.rech[k]);
                    sum += SearchTerm(d.meas[k], v, Model::kCap, Model::kCapped);
                }
                least = std::min(least, sum);
            }
    return least;
}

// The batch kernel of each instruction set against BlockBoundExceeds, block
// by block: with no limit, and with a limit that half the blocks exceed. On
// lanes of floats (the intervals differ) the bound is checked against the
// plain loop's sums instead. Then each block once more, alone, with its own
// recorded bounds as look-ahead and its own bound as the limit: it must be
// kept (a look-ahead that counts a row twice would drop it).
template <class Model>
void ExpectKernelsAgree(const SearchSeries& d, const std::vector<GridBox>& blocks) {
    const typename Model::Rows rows(d);
    const int entries = AheadEntries(d.n);
    std::vector<double> bounds, records(blocks.size() * entries), table(entries);
    for (double limit : {1e300, 0.0}) {
        if (limit == 0)
            limit = (std::sort(bounds.begin(), bounds.end()), bounds[bounds.size() / 2]);
        const SharedLimit shared(limit);
        for (VectorLevel level : {VectorLevel::Avx512, VectorLevel::Avx2, VectorLevel::Baseline}) {
            const LaneKernels<Model> kernels = ChooseLaneKernels<Model>(level);
            auto batch = std::make_unique<LaneBatch<Model>>();
            double c[Model::kCoefficients];
            auto fill = [&](size_t from, size_t to) {
                batch->count = static_cast<int>(to - from);
                for (size_t b = from; b < to; ++b) {
                    Model::Coefficients(blocks[b], c);
                    for (int q = 0; q < Model::kCoefficients; ++q) batch->coef[q][b - from] = c[q];
                    batch->record[b - from] = &records[b * entries];
                }
            };
            fill(0, blocks.size());
            kernels.blocks(d.meas.data(), d.n, d.first, rows, *batch, shared);
            const bool floats = batch->unit > 0x1p-53;
            for (size_t b = 0; b < blocks.size(); ++b) {
                double reached = 0;
                const bool exceeds = BlockBoundExceeds<Model>(d, rows, blocks[b], shared, reached);
                if (level == VectorLevel::Baseline) bounds.push_back(reached);
                const double bound = batch->reached[b];
                if (!floats) {
                    EXPECT_EQ(bound, exceeds ? -1 : reached) << int(level) << " " << b;
                } else if (bound != 0) {
                    const double least = LeastPlainSum<Model>(d, blocks[b]);
                    EXPECT_TRUE(bound < 0 ? least >= limit
                                          : bound * AheadShrink(d.n, batch->unit) <= least)
                        << int(level) << " " << b << ": " << bound << " " << least;
                }
            }
            // First-order forms: sound against the plain loop's sums.
            if constexpr (Model::kAffineBlocks) {
                auto forms = std::make_unique<LaneBatch<Model>>();
                forms->count = static_cast<int>(blocks.size());
                for (size_t b = 0; b < blocks.size(); ++b) {
                    Model::AffineCoefficients(blocks[b], c);
                    for (int q = 0; q < kAffineCoefficients; ++q) forms->coef[q][b] = c[q];
                }
                kernels.affine(d.meas.data(), d.n, d.first, rows, *forms, shared);
                for (size_t b = 0; b < blocks.size(); ++b) {
                    const double bound = forms->reached[b],
                                 least = LeastPlainSum<Model>(d, blocks[b]);
                    EXPECT_TRUE(bound < 0 ? least >= limit
                                          : bound * AheadShrink(d.n, forms->unit) <= least)
                        << "first-order " << int(level) << " " << b << ": " << bound << " "
                        << least;
                }
            }
            if (limit != 1e300) continue;
            const std::vector<double> totals(batch->reached, batch->reached + blocks.size());
            for (size_t b = 0; b < blocks.size(); ++b) {
                if (!(totals[b] > 0)) continue;
                AheadTable(&records[b * entries], totals[b], d.n, batch->unit, nullptr,
                           table.data());
                fill(b, b + 1);
                batch->ahead[0] = table.data();
                kernels.blocks(d.meas.data(), d.n, d.first, rows, *batch,
                               SharedLimit(std::nextafter(totals[b], HUGE_VAL)));
                EXPECT_EQ(batch->reached[0], totals[b]) << int(level) << " " << b;
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
        // Every fourth series is long and made around the block, with a
        // negative C: recessions then end where alpha reaches 0 for some of
        // the block's points and not for others, as near real best fits.
        const bool around = c % 4 == 0;
        const auto d = testing::MakeDischarge(around ? pick(100, 500) : pick(2, 25), shape, c,
                                              around ? i0 : pick(1, 1000),
                                              around ? pick(400, 499) : pick(1, 1500));
        if (around)
            blocks.back().lo[1] = j0 % 100 + 400,
            blocks.back().hi[1] = j0 % 100 + 400 + pick(0, 15);
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

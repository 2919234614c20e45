// Trend, warning, R square, standard deviation and alpha fit, worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/fit_statistics.h"
#include "tests/support/test_support.h"

namespace tervala {
namespace {

// Rows 1..n of a series, index 0 unused.
DataArrayR Rows(const std::vector<double>& values) {
    DataArrayR rows{0};
    rows.insert(rows.end(), values.begin(), values.end());
    return rows;
}

int N(const std::vector<double>& values) { return static_cast<int>(values.size()); }

TEST(FitTrend, LineParabolaAndTheSeriesThatGiveNone) {
    // Observed = recharge squared over 1 .. 4: Sx 10, Sy 30, Sxx 30, Sxy 100,
    // Cxx 5, Cxy 25: line 5 x - 5, parabola x^2. Two rows fit the line only.
    for (auto [rech, obs, slope, intercept, parabola] :
         {std::tuple{std::vector<double>{1, 2, 3, 4}, std::vector<double>{1, 4, 9, 16}, 5.0, -5.0,
                     true},
          {{1, 3}, {2, 6}, 2.0, 0.0, false}}) {
        const TrendFit t = FitTrend(Rows(rech), Rows(obs), N(rech));
        ASSERT_TRUE(t.Valid && t.Fit.Line);
        EXPECT_EQ((std::tuple{t.Fit.Line->L1, t.Fit.Line->L0, t.Fit.Parabola.has_value()}),
                  (std::tuple{slope, intercept, parabola}));
        EXPECT_TRUE(!parabola || (t.Fit.Parabola->Q2 == 1 && t.Fit.Parabola->Q1 == 0 &&
                                  t.Fit.Parabola->Q0 == 0));
    }
    // 20 rows allow one dry row (recharge below 0.001); two are too many.
    std::vector<double> rech(20, 2.0), obs;
    for (int k = 0; k < 20; ++k) obs.push_back(k);
    rech[3] = 0.0005;
    EXPECT_TRUE(FitTrend(Rows(rech), Rows(obs), 20).Valid);
    rech[9] = 0;
    for (auto [r, o] : {std::pair{rech, obs}, {{2, 2, 2, 2}, {1, 2, 3, 4}}}) {
        const TrendFit t = FitTrend(Rows(r), Rows(o), N(r));
        EXPECT_EQ((std::tuple{t.Valid, t.Fit.Line.has_value(), t.Fit.Parabola.has_value()}),
                  (std::tuple{false, false, false}));
    }
}

TEST(TrendWarning, TurningPointWellInsideTheRainRangeWarns) {
    // Rain 0 .. 10: the turning point V = -B / 2A warns strictly between 2 and 8.
    const std::tuple<double, double, bool, bool> cases[] = {
        // A, B, trend, warns
        {1, -10, true, true}, {-1, 4.5, true, true} /* V = 2.25 */,
        {-1, 4, true, false}, {-1, 16, true, false},
        {0, 10, true, false}, {-1, 10, false, false}};
    for (const auto& [a, b, valid, warns] : cases) {
        TrendResults t;
        std::tie(t.TrendValid, t.TrendA, t.TrendB) = std::tuple{valid, a, b};
        EXPECT_EQ(TrendInconsistent(Rows({0, 10, 5}), 3, t), warns) << a << " " << b;
    }
}

TEST(RSquare, HandWorkedValueAndItsLimits) {
    // Observed 3, 2, 2.5 with SumMeas (rows 2..3) 4.5: mean 1.5 over all
    // three rows, SST 2.25 + 0.25 + 1 = 3.5.
    for (auto [ssq, r2] :
         {std::pair{1.25, 1 - 0.5 * 1.25 / 3.5}, {0.0, 0.99}, {100.0, 0.01}, {7.0, 0.01}}) {
        EXPECT_DOUBLE_EQ(CoefficientOfExplanation(Rows({3, 2, 2.5}), 3, 4.5, ssq), r2) << ssq;
    }
    EXPECT_DOUBLE_EQ(StandardDeviation(1.25, 3), std::sqrt(1.25 / 2));
    // No spread around the mean at all.
    EXPECT_EQ(CoefficientOfExplanation(Rows({2, 2}), 2, 4, 0), 0.01);
}

TEST(AlphaFunction, WhatCannotBeFittedIsNotFitted) {
    // The fits themselves are in the golden fit files; here no spread, and
    // fewer than 3 rows, which fit the line only.
    const Regression flat = FitAlphaFunction(Rows({2, 2, 2}), Rows({0, 1, 2}), 3);
    const Regression two = FitAlphaFunction(Rows({1, 2}), Rows({0, 1}), 2);
    EXPECT_EQ((std::tuple{flat.Line.has_value(), two.Line->L1, two.Parabola.has_value()}),
              (std::tuple{false, 1.0, false}));
}

}  // namespace
}  // namespace tervala

// Trend, warning, R square, standard deviation and alpha fit, worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/fit_statistics.h"
#include "tests/support/test_support.h"

namespace tervala {
namespace {

// Rows 1..n of recharge (also the rain) and observed values.
Session WithRows(const std::vector<double>& rech, const std::vector<double>& observed,
                 const char* tag = " Dis") {
    Session s;
    const int n = static_cast<int>(rech.size());
    s.Analysis.RowCount = n;
    s.Analysis.Resize(n);
    for (int k = 1; k <= n; ++k) {
        s.Analysis.Reservoir.Rech[k] = s.Analysis.Reservoir.Rain[k] = rech[k - 1];
        s.Analysis.RunMeas[k] = s.Analysis.HeadMeas[k] = observed[k - 1];
    }
    s.DMOmbrel.ModeTag = tag;
    return s;
}

TEST(FitTrend, LineParabolaAndTheSeriesThatGiveNone) {
    // Observed = recharge squared over 1 .. 4: Sx 10, Sy 30, Sxx 30, Sxy 100,
    // Cxx 5, Cxy 25: line 5 x - 5, parabola x^2. Two rows fit the line only
    // and keep an earlier parabola.
    for (auto [rech, obs, tag, slope, intercept, a] :
         {std::tuple{std::vector<double>{1, 2, 3, 4}, std::vector<double>{1, 4, 9, 16}, " Dis", 5.0,
                     -5.0, 1.0},
          {{1, 2, 3, 4}, {1, 4, 9, 16}, " Hyd", 5.0, -5.0, 1.0},
          {{1, 3}, {2, 6}, " Dis", 2.0, 0.0, 0.125}}) {
        Session s = WithRows(rech, obs, tag);
        s.Values.Trend.TrendA = 0.125;
        FitTrend(s);
        const TrendResults& t = s.Values.Trend;
        EXPECT_EQ(
            (std::tuple{t.TrendValid, s.Analysis.AlphaSlope, s.Analysis.AlphaIntercept, t.TrendA}),
            (std::tuple{true, slope, intercept, a}));
        EXPECT_TRUE(rech.size() == 2 || (t.TrendB == 0 && t.TrendC == 0));
    }
    // 20 rows allow one dry row (recharge below 0.001); two are too many.
    std::vector<double> rech(20, 2.0), obs;
    for (int k = 0; k < 20; ++k) obs.push_back(k);
    rech[3] = 0.0005;
    Session oneDry = WithRows(rech, obs);
    FitTrend(oneDry);
    EXPECT_TRUE(oneDry.Values.Trend.TrendValid);
    rech[9] = 0;
    for (Session s : {WithRows(rech, obs), WithRows({2, 2, 2, 2}, {1, 2, 3, 4}),
                      WithRows({1, 2, 3}, {1, 2, 3}, " Pre")}) {
        s.Analysis.AlphaSlope = 0.5;
        s.Values.Trend.TrendA = 3;
        FitTrend(s);
        EXPECT_EQ(
            (std::tuple{s.Values.Trend.TrendValid, s.Values.Trend.TrendA, s.Analysis.AlphaSlope}),
            (std::tuple{false, 3.0, 0.5}));
    }
}

TEST(TrendWarning, TurningPointWellInsideTheRainRangeWarns) {
    const std::string head =
        "The quadratic trend of the relation between rainfall and hydr. head data shows an "
        "inconsistency, see "
        "the. output graphics. The model may not fit perfectly.";
    // Rain 0 .. 10: the turning point V = -B / 2A warns strictly between 2 and 8.
    const std::tuple<double, double, const char*, bool, bool> cases[] = {
        // A, B, tag, trend, warns
        {1, -10, " Hyd", true, true}, {-1, 4.5, " Dis", true, true} /* V = 2.25 */,
        {-1, 4, " Dis", true, false}, {-1, 16, " Dis", true, false},
        {0, 10, " Dis", true, false}, {-1, 10, " Dis", false, false}};
    for (const auto& [a, b, tag, valid, warns] : cases) {
        Session s = WithRows({0, 10, 5}, {1, 1, 1}, tag);
        std::tie(s.Values.Trend.TrendValid, s.Values.Trend.TrendA, s.Values.Trend.TrendB) =
            std::tuple{valid, a, b};
        testing::RecordingMessages m;
        WarnAboutInconsistentTrend(s, m);
        ASSERT_EQ(m.messages.size(), warns ? 1u : 0u) << a << " " << b;
        EXPECT_TRUE(std::string(tag) != " Hyd" || m.messages[0] == head);
    }
}

TEST(RSquare, HandWorkedValueAndItsLimits) {
    // Observed 3, 2, 2.5 with SumMeas (rows 2..3) 4.5: mean 1.5 over all
    // three rows, SST 2.25 + 0.25 + 1 = 3.5.
    Session s = WithRows({0, 0, 0}, {3, 2, 2.5});
    s.Analysis.SumMeas = 4.5;
    for (auto [ssq, r2] :
         {std::pair{1.25, 1 - 0.5 * 1.25 / 3.5}, {0.0, 0.99}, {100.0, 0.01}, {7.0, 0.01}}) {
        s.Analysis.Ssq = ssq;
        ComputeRSquare(s, s.Analysis.RunMeas);
        EXPECT_DOUBLE_EQ(s.Values.Trend.RSquare, r2) << ssq;
    }
    s.Analysis.Ssq = 1.25;
    EXPECT_DOUBLE_EQ(StandardDeviation(s.Analysis), std::sqrt(1.25 / 2));
    Session flat = WithRows({0, 0}, {2, 2});  // no spread around the mean at all
    flat.Analysis.SumMeas = 4;
    ComputeRSquare(flat, flat.Analysis.RunMeas);
    EXPECT_EQ(flat.Values.Trend.RSquare, 0.01);
}

TEST(AlphaFunction, WhatCannotBeFittedKeepsItsValue) {
    // The fits themselves are in the golden fit files; here no spread, and
    // fewer than 3 rows, which fit the line only.
    Session flat = WithRows({0, 0, 0}, {2, 2, 2}), two = WithRows({0, 0}, {1, 2});
    flat.Analysis.Alpha = {0, 0, 1, 2};
    flat.Analysis.AlphaLinA = 0.5;
    two.Analysis.Alpha = {0, 0, 1};
    two.Analysis.AlphaQuadA = 0.25;
    FitAlphaFunction(flat, false);
    FitAlphaFunction(two, false);
    EXPECT_EQ(
        (std::tuple{flat.Analysis.AlphaLinA, two.Analysis.AlphaLinA, two.Analysis.AlphaQuadA}),
        (std::tuple{0.5, 1.0, 0.25}));
}

}  // namespace
}  // namespace tervala

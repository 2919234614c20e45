// The trend of the observed values on the recharge with its warning, the
// coefficient of explanation, the standard deviation and the regression of
// alpha on the observed value, on small hand-worked series.
#include "engine/fit_statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/recording_messages.h"

namespace tervala {
namespace {

using testing::RecordingMessages;

// Rows 1..n of recharge, rain and observed discharge.
Session WithRows(const std::vector<double>& rech, const std::vector<double>& observed,
                 const std::string& tag = " Dis") {
    Session s;
    const int n = static_cast<int>(rech.size());
    s.Analysis.RowCount = n;
    s.Analysis.Resize(n);
    for (int k = 1; k <= n; ++k) {
        s.Analysis.Reservoir.Rech[k] = rech[k - 1];
        s.Analysis.Reservoir.Rain[k] = rech[k - 1];
        s.Analysis.RunMeas[k] = observed[k - 1];
        s.Analysis.HeadMeas[k] = observed[k - 1];
    }
    s.DMOmbrel.ModeTag = tag;
    return s;
}

TEST(FitTrend, QuadraticTrendOfAHandWorkedSeries) {
    // Discharge = recharge squared over recharges 1 .. 4.
    Session s = WithRows({1, 2, 3, 4}, {1, 4, 9, 16});
    FitTrend(s);
    const TrendResults& t = s.Values.Trend;
    EXPECT_TRUE(t.TrendValid);
    // Linear: Sx 10, Sy 30, Sxx 30, Sxy 100: Cxx 5, Cxy 25, L1 5, L0 7.5 - 12.5.
    EXPECT_EQ(s.Analysis.AlphaSlope, 5);
    EXPECT_EQ(s.Analysis.AlphaIntercept, -5);
    EXPECT_EQ(t.TrendA, 1);
    EXPECT_EQ(t.TrendB, 0);
    EXPECT_EQ(t.TrendC, 0);
}

TEST(FitTrend, TooManyRowsWithoutRechargeGiveNoTrend) {
    // 20 rows allow one dry row (20 div 20); two are too many.
    std::vector<double> rech(20, 2.0), obs(20, 1.0);
    for (int k = 0; k < 20; ++k) obs[k] = k;
    rech[3] = 0.0005;
    rech[9] = 0;
    Session s = WithRows(rech, obs);
    s.Analysis.AlphaSlope = 0.5;
    s.Values.Trend.TrendA = 3;
    FitTrend(s);
    EXPECT_FALSE(s.Values.Trend.TrendValid);
    EXPECT_EQ(s.Analysis.AlphaSlope, 0.5);
    EXPECT_EQ(s.Values.Trend.TrendA, 3);

    rech[9] = 1;  // one dry row: allowed
    Session one = WithRows(rech, obs);
    FitTrend(one);
    EXPECT_TRUE(one.Values.Trend.TrendValid);
}

TEST(FitTrend, EqualRechargesGiveNoFitAtAll) {
    Session s = WithRows({2, 2, 2, 2}, {1, 2, 3, 4});
    s.Analysis.AlphaSlope = 0.25;
    FitTrend(s);
    EXPECT_FALSE(s.Values.Trend.TrendValid);
    EXPECT_EQ(s.Analysis.AlphaSlope, 0.25);
}

TEST(FitTrend, TwoRowsFitOnlyTheLineAndKeepTheEarlierParabola) {
    Session s = WithRows({1, 3}, {2, 6});
    s.Values.Trend.TrendA = 0.125;
    FitTrend(s);
    EXPECT_TRUE(s.Values.Trend.TrendValid);
    EXPECT_EQ(s.Analysis.AlphaSlope, 2);
    EXPECT_EQ(s.Analysis.AlphaIntercept, 0);
    EXPECT_EQ(s.Values.Trend.TrendA, 0.125);
}

TEST(FitTrend, OtherModeTagFitsNothing) {
    Session s = WithRows({1, 2, 3}, {1, 2, 3}, " Pre");
    FitTrend(s);
    EXPECT_FALSE(s.Values.Trend.TrendValid);
}

TEST(FitTrend, HeadTagFitsTheHeads) {
    Session s = WithRows({1, 2, 3, 4}, {1, 4, 9, 16}, " Hyd");
    s.Analysis.RunMeas.assign(5, 0.0);
    FitTrend(s);
    EXPECT_EQ(s.Values.Trend.TrendA, 1);
}

// Rain 0 .. 10 (W = 10): a turning point strictly between 2 and 8 warns.
Session ForWarning(double trendA, double trendB, const std::string& tag = " Dis") {
    Session s = WithRows({0, 10, 5}, {1, 1, 1}, tag);
    s.Values.Trend.TrendValid = true;
    s.Values.Trend.TrendA = trendA;
    s.Values.Trend.TrendB = trendB;
    return s;
}

TEST(TrendWarning, TurningPointInsideTheRainRangeWarns) {
    RecordingMessages m;
    Session s = ForWarning(-1, 10);  // V = 5
    WarnAboutInconsistentTrend(s, m);
    EXPECT_EQ(m.messages,
              std::vector<std::string>{
                  "The quadratic trend of the relation between rainfall and runoff data shows an "
                  "inconsistency, see the. output graphics. The model may not fit perfectly."});
}

TEST(TrendWarning, HeadAnalysisWarnsAboutTheHead) {
    RecordingMessages m;
    Session s = ForWarning(1, -10, " Hyd");  // V = 5
    WarnAboutInconsistentTrend(s, m);
    EXPECT_EQ(m.messages, std::vector<std::string>{
                              "The quadratic trend of the relation between rainfall and hydr. "
                              "head data shows an inconsistency, see the. output graphics. The "
                              "model may not fit perfectly."});
}

TEST(TrendWarning, TurningPointOnTheFifthOfTheRangeDoesNotWarn) {
    RecordingMessages m;
    Session atLow = ForWarning(-1, 4);  // V = 2 = RainMin + 0.2 W
    WarnAboutInconsistentTrend(atLow, m);
    Session atHigh = ForWarning(-1, 16);  // V = 8 = RainMax - 0.2 W
    WarnAboutInconsistentTrend(atHigh, m);
    EXPECT_TRUE(m.messages.empty());
    Session inside = ForWarning(-1, 4.5);  // V = 2.25
    WarnAboutInconsistentTrend(inside, m);
    EXPECT_EQ(m.messages.size(), 1u);
}

TEST(TrendWarning, NoTrendOrNoTurningPointNoWarning) {
    RecordingMessages m;
    Session straight = ForWarning(0, 10);
    WarnAboutInconsistentTrend(straight, m);
    Session invalid = ForWarning(-1, 10);
    invalid.Values.Trend.TrendValid = false;
    WarnAboutInconsistentTrend(invalid, m);
    EXPECT_TRUE(m.messages.empty());
}

TEST(RSquare, HandWorkedValueAndItsLimits) {
    // Observed 3, 2, 2.5: SumMeas (rows 2..3) 4.5, mean 1.5, SST 3.5.
    Session s = WithRows({0, 0, 0}, {3, 2, 2.5});
    s.Analysis.SumMeas = 4.5;
    s.Analysis.Ssq = 1.25;
    ComputeRSquare(s, s.Analysis.RunMeas);
    EXPECT_DOUBLE_EQ(s.Values.Trend.RSquare, 1 - 0.5 * 1.25 / 3.5);
    EXPECT_DOUBLE_EQ(StandardDeviation(s.Analysis), std::sqrt(1.25 / 2));

    s.Analysis.Ssq = 0;  // a perfect reconstruction
    ComputeRSquare(s, s.Analysis.RunMeas);
    EXPECT_EQ(s.Values.Trend.RSquare, 0.99);
    s.Analysis.Ssq = 100;  // a useless one
    ComputeRSquare(s, s.Analysis.RunMeas);
    EXPECT_EQ(s.Values.Trend.RSquare, 0.01);
    s.Analysis.Ssq = 7;  // exactly 0
    ComputeRSquare(s, s.Analysis.RunMeas);
    EXPECT_EQ(s.Values.Trend.RSquare, 0.01);
}

TEST(RSquare, NoSpreadAroundTheMeanGives001) {
    // Mean = SumMeas / N; with SumMeas 4 over 2 rows of 2 the spread is 0.
    Session s = WithRows({0, 0}, {2, 2});
    s.Analysis.SumMeas = 4;
    s.Analysis.Ssq = 0;
    ComputeRSquare(s, s.Analysis.RunMeas);
    EXPECT_EQ(s.Values.Trend.RSquare, 0.01);
}

TEST(AlphaFunction, LinearAndQuadraticFitOfAlphaOnDischarge) {
    Session s = WithRows({0, 0, 0, 0}, {1, 2, 3, 4});
    s.Analysis.Alpha = {0, 0, 0.02, 0.04, 0.06};  // row 1 has no alpha
    FitAlphaFunction(s, false);
    // Alpha 0, 0.02, 0.04, 0.06 on 1 .. 4: slope 0.02, intercept -0.02.
    EXPECT_NEAR(s.Analysis.AlphaLinA, 0.02, 1e-15);
    EXPECT_NEAR(s.Analysis.AlphaLinC, -0.02, 1e-15);
    EXPECT_NEAR(s.Analysis.AlphaQuadA, 0, 1e-15);
    EXPECT_NEAR(s.Analysis.AlphaQuadB, 0.02, 1e-14);
    EXPECT_NEAR(s.Analysis.AlphaQuadC, -0.02, 1e-14);
}

TEST(AlphaFunction, HeadAnalysisFitsAgainstHeadOverAThousand) {
    Session s = WithRows({0, 0, 0}, {100, 200, 400}, " Hyd");
    s.Analysis.Alpha = {0, 1, 2, 4};
    FitAlphaFunction(s, true);
    EXPECT_EQ(s.Analysis.RunMeas, (DataArrayR{0, 0.1, 0.2, 0.4}));
    // Alpha = 10 * (head / 1000): exact line through the origin.
    EXPECT_NEAR(s.Analysis.AlphaLinA, 10, 1e-12);
    EXPECT_NEAR(s.Analysis.AlphaLinC, 0, 1e-12);
}

TEST(AlphaFunction, CoefficientsThatCannotBeFittedKeepTheirValues) {
    Session s = WithRows({0, 0, 0}, {2, 2, 2});
    s.Analysis.Alpha = {0, 0, 1, 2};
    s.Analysis.AlphaLinA = 0.5;
    s.Analysis.AlphaQuadC = 0.75;
    FitAlphaFunction(s, false);
    EXPECT_EQ(s.Analysis.AlphaLinA, 0.5);
    EXPECT_EQ(s.Analysis.AlphaQuadC, 0.75);

    Session two = WithRows({0, 0}, {1, 2});
    two.Analysis.Alpha = {0, 0, 1};
    two.Analysis.AlphaQuadA = 0.25;
    FitAlphaFunction(two, false);
    EXPECT_EQ(two.Analysis.AlphaLinA, 1);
    EXPECT_EQ(two.Analysis.AlphaQuadA, 0.25);  // fewer than 3 rows: no parabola
}

}  // namespace
}  // namespace tervala

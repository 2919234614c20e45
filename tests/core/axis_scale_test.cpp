// Axis scaling: factors, bounds, tick intervals and decimals, worked by hand
// from the data ranges below.
#include "graphs/axis_scale.h"

#include <gtest/gtest.h>

#include "graphs/compute_axes.h"

namespace tervala {

namespace {

DataRange Range(double min, double max) {
    DataRange r;
    r.Min = min;
    r.Max = max;
    return r;
}

// The range of a series of values, as the graphs take it.
DataRange RangeOf(const DataArrayR& values) {
    DataRange r;
    r.Include(values, static_cast<int>(values.size()));
    return r;
}

void ExpectAxis(const AxisScale& a, int factor, int decimals, double lower, double upper,
                int intervals) {
    EXPECT_EQ(a.Factor, factor);
    EXPECT_EQ(a.Decimals, decimals);
    EXPECT_EQ(a.Lower, lower);
    EXPECT_EQ(a.Upper, upper);
    EXPECT_EQ(a.Intervals, intervals);
}

}  // namespace

TEST(AxisScale, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(-6.5), -6);
    EXPECT_EQ(RoundHalfEven(132.5), 132);
    EXPECT_EQ(RoundHalfEven(7.1), 7);
    EXPECT_EQ(RoundHalfEven(-7.6), -8);
}

TEST(AxisScale, RangeStartsAtZeroAndTenMillion) {
    DataRange negative = RangeOf({-3, -1});
    EXPECT_EQ(negative.Max, 0);
    EXPECT_EQ(negative.Min, -3);
    DataRange huge = RangeOf({2e7, 3e7});
    EXPECT_EQ(huge.Min, 1e7);
    EXPECT_EQ(huge.Max, 3e7);
    DataRange shortSeries;
    shortSeries.Include({4, 9}, 5);  // NrOfData beyond the series: only what is there
    EXPECT_EQ(shortSeries.Max, 9);
}

TEST(AxisScale, SmallMaximaGetFactorsThousandHundredAndTen) {
    // 0.004 * 1.1 = 0.0044 -> * 1000 = 4.4: L 0, H round(4.9) = 5.
    AxisScale a = ScaleVerticalAxis(Range(0, 0.004));
    ExpectAxis(a, 1000, 1, 0, 5, 5);
    EXPECT_NEAR(a.DataMax, 4.4, 1e-12);
    // 0.055 * 100 = 5.5: H round(6.0) = 6.
    ExpectAxis(ScaleVerticalAxis(Range(0, 0.05)), 100, 1, 0, 6, 6);
    // 0.55 * 10 = 5.5.
    ExpectAxis(ScaleVerticalAxis(Range(0, 0.5)), 10, 1, 0, 6, 6);
    EXPECT_NEAR(ScaleVerticalAxis(Range(0, 0.5)).DataMax, 5.5, 1e-12);
}

TEST(AxisScale, TinyMaximumGetsOnlyOneFactorAndEqualBoundsMoveApart) {
    // 0.00005 * 1.1 * 1000 = 0.055 < 1: d 2, L round(-0.05) = 0, H round(0.105) = 0
    // raised to 1, n 0 raised to 4.
    ExpectAxis(ScaleVerticalAxis(Range(0, 0.00005)), 1000, 2, 0, 1, 4);
}

TEST(AxisScale, MaximumSevenPointTwo) {
    // 7.92: d 1, L round(-0.5) = 0, H round(8.42) = 8.
    ExpectAxis(ScaleVerticalAxis(Range(0, 7.2)), 1, 1, 0, 8, 8);
}

TEST(AxisScale, MaximumThirtySixStepsByFive) {
    // 39.6: step 5, L 5 * round(-0.5) = 0, H 5 * round(42.1 / 5 = 8.42) = 40.
    ExpectAxis(ScaleVerticalAxis(Range(0, 36)), 1, 1, 0, 40, 8);
}

TEST(AxisScale, MaximumFiveHundredStepsByHundred) {
    // 550: step 100, H 100 * round(6.0) = 600.
    ExpectAxis(ScaleVerticalAxis(Range(0, 500)), 1, 0, 0, 600, 6);
}

TEST(AxisScale, NegativeValuesGetNoFactorAndTooManyIntervalsAreCut) {
    // -60 .. 66: step 10, L 10 * round(-6.5) = -60, H 10 * round(7.1) = 70,
    // n 13 cut to 10, d 0 -> 1.
    ExpectAxis(ScaleVerticalAxis(Range(-60, 60)), 1, 1, -60, 70, 10);
    // Bounds exactly -60 .. 60 (maximum 50 -> 55): n 12 cut to 10.
    ExpectAxis(ScaleVerticalAxis(Range(-60, 50)), 1, 1, -60, 60, 10);
    // Small negative range: no factor although the maximum is below 1.
    ExpectAxis(ScaleVerticalAxis(Range(-0.5, 0.5)), 1, 2, -1, 1, 4);
}

TEST(AxisScale, AllValuesZero) {
    // M := 1, then 1.1: d 1, L 0, H round(1.6) = 2, n 2 raised to 4.
    ExpectAxis(ScaleVerticalAxis(RangeOf({0, 0, 0})), 1, 1, 0, 2, 4);
}

TEST(AxisScale, AllValuesFive) {
    // m := 0, M := 6, then 6.6: H round(7.1) = 7.
    ExpectAxis(ScaleVerticalAxis(RangeOf({5, 5, 5})), 1, 1, 0, 7, 7);
}

TEST(AxisScale, VerticalStepsAndTheirDecimals) {
    // 110 -> step 25: L 0, H 25 * round(122.5 / 25 = 4.9) = 125, n 5.
    ExpectAxis(ScaleVerticalAxis(Range(0, 100)), 1, 0, 0, 125, 5);
    // 27.5 -> step 5: H 5 * round(30 / 5) = 30, n 6, d 1.
    ExpectAxis(ScaleVerticalAxis(Range(0, 25)), 1, 1, 0, 30, 6);
    // 100 .. 121: step 25, L 25 * round(87.5 / 25 = 3.5) = 100, H 25 * round(5.34)
    // = 125, n 1 -> 4, d 0 -> 1.
    ExpectAxis(ScaleVerticalAxis(Range(100, 110)), 1, 1, 100, 125, 4);
    // 90 .. 110: L 25 * round(3.1) = 75, H 125, n 2 -> 4.
    ExpectAxis(ScaleVerticalAxis(Range(90, 100)), 1, 1, 75, 125, 4);
}

TEST(AxisScale, HorizontalRangeOneTo365) {
    // No margin: 365, step 50, L 50 * round(-0.48) = 0, H 50 * round(7.8) = 400.
    ExpectAxis(ScaleHorizontalAxis(Range(1, 365)), 1, 0, 0, 400, 8);
}

TEST(AxisScale, HorizontalMinimumZeroNeverGetsAFactor) {
    // 0 .. 0.5: no factor, d 1, L 0, H round(1.0) = 1, n 1 -> 4, d 2.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 0.5)), 1, 2, 0, 1, 4);
    ExpectAxis(ScaleHorizontalAxis(Range(0, 0.004)), 1, 2, 0, 1, 4);
    // 0.1 .. 0.5, all above 0: factor 10, 1 .. 5, L round(0.5) = 0, H round(5.5) = 6.
    ExpectAxis(ScaleHorizontalAxis(Range(0.1, 0.5)), 10, 1, 0, 6, 6);
    // 0.001 .. 0.004: factor 1000, 1 .. 4, H round(4.5) = 4, n 4.
    ExpectAxis(ScaleHorizontalAxis(Range(0.001, 0.004)), 1000, 1, 0, 4, 4);
}

TEST(AxisScale, HorizontalDecimalsFollowTheirOwnColumn) {
    // 30: step 5, decimals 0 on the horizontal axis (1 on the vertical one).
    // H 5 * round(32.5 / 5 = 6.5) = 30.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 30)), 1, 0, 0, 30, 6);
    // 12: step 4, decimals 1; H 4 * round(3.5) = 16.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 12)), 1, 1, 0, 16, 4);
    // 0 .. 9.6: d 1, H round(10.1) = 10, n 10.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 9.6)), 1, 1, 0, 10, 10);
    // 0.5 .. 9.6, all above 0 but no factor above 1: L round(0) = 0.
    ExpectAxis(ScaleHorizontalAxis(Range(0.5, 9.6)), 1, 1, 0, 10, 10);
    // -20 .. 9: n = 10 - (-20) = 30 -> 10, d 2.
    ExpectAxis(ScaleHorizontalAxis(Range(-20, 9)), 1, 2, -20, 10, 10);
}

TEST(AxisScale, EqualHorizontalBoundsMoveApart) {
    // All times 0: L round(-0.5) = 0, H round(0.5) = 0 -> H 1, n 0 -> 4, d 2.
    ExpectAxis(ScaleHorizontalAxis(RangeOf({0, 0, 0})), 1, 2, 0, 1, 4);
}

TEST(AxisScale, StepsContinueAboveOneHundredThousand) {
    // Each decade D from 100 on: D/4 below 2.5 D, D/2 below 5 D, D above.
    // 120 000: step 25 000, H 25 000 * round(5.3) = 125 000.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 120000)), 1, 0, 0, 125000, 5);
    // 300 000: step 50 000, H 50 000 * round(6.5) = 300 000.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 300000)), 1, 0, 0, 300000, 6);
    // 320 000: H 50 000 * round(6.9) = 350 000.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 320000)), 1, 0, 0, 350000, 7);
    // 800 000: step 100 000, H 100 000 * round(8.5) = 800 000.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 800000)), 1, 0, 0, 800000, 8);
    // 2 000 000: step 250 000, H 250 000 * round(8.5) = 2 000 000.
    ExpectAxis(ScaleHorizontalAxis(Range(0, 2000000)), 1, 0, 0, 2000000, 8);
    // Vertical 100 000 -> 110 000: step 25 000, H 25 000 * round(4.9) = 125 000.
    ExpectAxis(ScaleVerticalAxis(Range(0, 100000)), 1, 0, 0, 125000, 5);
    // The table's own rows keep their steps: 60 000 by 10 000 (H 10 000 *
    // round(6.5) = 60 000), 16 000 by 2 500 (H 2 500 * round(6.9) = 17 500).
    ExpectAxis(ScaleHorizontalAxis(Range(0, 60000)), 1, 0, 0, 60000, 6);
    ExpectAxis(ScaleHorizontalAxis(Range(0, 16000)), 1, 0, 0, 17500, 7);
}

TEST(AxisScale, AbsurdMaximaStillGiveUsableAxes) {
    AxisScale a = ScaleVerticalAxis(Range(0, 1.7e308));  // the margin overflows
    EXPECT_GE(a.Intervals, 4);
    EXPECT_LE(a.Intervals, 10);
    AxisScale h = ScaleHorizontalAxis(Range(-1e300, 5));
    EXPECT_EQ(h.Intervals, 10);
}

TEST(ComputeAxes, EachKindTakesItsOwnSeries) {
    GraphSeries s;
    s.Time = {1, 2, 365};
    s.Rain = {36, 0, 1};
    s.Recharge = {7.2, 0, 0};
    s.Observed = {0.004, 0.001, 0.002};
    s.Calculated = {0.003, 0.002, 0.0015};
    s.Discharge = {500, 10, 0};
    s.Head = {0, 0, 0};

    PlotAxes rain = ComputeAxes(GraphKind::AnalysisRainRecharge, s, 3);
    ExpectAxis(rain.Y, 1, 1, 0, 40, 8);
    ExpectAxis(rain.X, 1, 0, 0, 400, 8);
    ExpectAxis(ComputeAxes(GraphKind::RechargeObservedInTime, s, 3).Y, 1, 1, 0, 8, 8);
    ExpectAxis(ComputeAxes(GraphKind::PredictedDischarge, s, 3).Y, 1, 0, 0, 600, 6);
    ExpectAxis(ComputeAxes(GraphKind::WaterTable, s, 3).Y, 1, 1, 0, 2, 4);
    ExpectAxis(ComputeAxes(GraphKind::ObservedCalculatedInTime, s, 3).Y, 1000, 1, 0, 5, 5);

    // Kind 7: both axes from calculated and observed; the horizontal one
    // without the margin: 0.001 .. 0.004 -> factor 1000, 1 .. 4.
    s.Time = s.Observed;
    PlotAxes calcObs = ComputeAxes(GraphKind::CalculatedAgainstObserved, s, 3);
    ExpectAxis(calcObs.Y, 1000, 1, 0, 5, 5);
    ExpectAxis(calcObs.X, 1000, 1, 0, 4, 4);

    // Kind 8: observed on the vertical axis, the rain fixes the horizontal one.
    PlotAxes trend = ComputeAxes(GraphKind::ObservedAgainstRecharge, s, 3);
    ExpectAxis(trend.Y, 1000, 1, 0, 5, 5);
    ExpectAxis(trend.X, 1, 0, 0, 40, 8);
}

}  // namespace tervala

// The second reservoir of a prediction: discharge and head from the recharge.
#include "engine/prediction_series.h"

#include <gtest/gtest.h>

#include "engine/session.h"

namespace tervala {
namespace {

// A session whose prediction holds the given times and recharges (rows 1..n).
Session WithRecharge(const std::vector<double>& time, const std::vector<double>& rech) {
    Session s;
    const int n = static_cast<int>(time.size());
    s.Prediction.Resize(n);
    for (int k = 1; k <= n; ++k) {
        s.Prediction.Reservoir.Time[k] = time[k - 1];
        s.Prediction.Reservoir.Rech[k] = rech[k - 1];
    }
    s.Prediction.PorosityFrac = 0.1;
    return s;
}

TEST(PredictionSeries, StartDischargeIsRaisedAboveMinusNForANegativeN) {
    Session s = WithRecharge({1, 2}, {0, 0});
    s.Values.MCoeff = 0;
    s.Values.NValue = -0.02;
    s.DMOmbrel.RunIni = 0.01;
    PredictSeries(s);
    EXPECT_DOUBLE_EQ(s.Prediction.RunPred[1], 0.022);  // 0.02 * 1.1
}

TEST(PredictionSeries, StartDischargeAboveMinusNIsKept) {
    Session s = WithRecharge({1, 2}, {0, 0});
    s.Values.NValue = -0.02;
    s.DMOmbrel.RunIni = 0.03;
    PredictSeries(s);
    EXPECT_EQ(s.Prediction.RunPred[1], 0.03);
}

TEST(PredictionSeries, RowOneShowsAlphaZeroAndTheInitialValues) {
    Session s = WithRecharge({1, 2}, {3, 0});
    s.Values.MCoeff = 0.5;
    s.Values.NValue = 0.1;
    s.DMOmbrel.RunIni = 1.5;
    s.DMOmbrel.HeadIni = 80;
    s.Prediction.Alpha[1] = 7;  // left over from an earlier run
    PredictSeries(s);
    EXPECT_EQ(s.Prediction.Alpha[1], 0.0);
    EXPECT_EQ(s.Prediction.RunPred[1], 1.5);
    EXPECT_EQ(s.Prediction.HeadPred[1], 80.0);
}

TEST(PredictionSeries, AlphaOfZeroOrBelowIsFlooredAtOneTenThousandth) {
    // M = 0 and N = -0.02: alpha would be -0.02 at every step.
    Session s = WithRecharge({0, 1, 2}, {0, 2, 2});
    s.Values.MCoeff = 0;
    s.Values.NValue = -0.02;
    s.DMOmbrel.RunIni = 1;
    PredictSeries(s);
    EXPECT_EQ(s.Prediction.Alpha[2], 0.0001);
    EXPECT_EQ(s.Prediction.Alpha[3], 0.0001);
    // The discharge relaxes very slowly towards the recharge of 2:
    // 1 * exp(-0.0001) + (1 - exp(-0.0001)) * 2 = 1.0000999950...
    EXPECT_NEAR(s.Prediction.RunPred[2], 1.000099995, 1e-9);
}

TEST(PredictionSeries, AlphaExactlyZeroIsFloored) {
    // M = 0.5, N = -0.5, start discharge 1: alpha = 0.5 * 1 - 0.5 = 0.
    Session s = WithRecharge({0, 1}, {0, 0});
    s.Values.MCoeff = 0.5;
    s.Values.NValue = -0.5;
    s.DMOmbrel.RunIni = 1;
    PredictSeries(s);
    EXPECT_EQ(s.Prediction.Alpha[2], 0.0001);
}

TEST(PredictionSeries, HeadFollowsRechargeSpreadOverEightTenthsOfThePorosity) {
    // Porosity 10 %, previous head 100, alpha 0.05, time step 1, recharge 2:
    // 100 exp(-0.05) = 95.1229 from the decay, (1 - exp(-0.05)) 2 / (0.08 * 0.05)
    // = 24.3853 from the recharge, about 119.51 together.
    Session s = WithRecharge({3, 4}, {0, 2});
    s.Values.MCoeff = 0;
    s.Values.NValue = 0.05;
    s.DMOmbrel.HeadIni = 100;
    PredictSeries(s);
    EXPECT_EQ(s.Prediction.Alpha[2], 0.05);
    EXPECT_NEAR(s.Prediction.HeadPred[2], 119.50823, 1e-5);
}

TEST(PredictionSeries, HandWorkedThreeRows) {
    // M 0.5, N 0.1, start discharge 1, head 100, porosity 10 %, recharge 10, 0, 0.5.
    // Row 2: alpha = 0.5 * 1 + 0.1 = 0.6, E = exp(-0.6) = 0.5488116;
    //        Q = 1 * E = 0.5488116, H = 100 * E = 54.88116.
    // Row 3: alpha = 0.5 * 0.5488116 + 0.1 = 0.3744058, E = 0.6877325;
    //        Q = 0.5488116 E + (1 - E) 0.5 = 0.5335677,
    //        H = 54.88116 E + (1 - E) 0.5 / (0.08 * 0.3744058) = 42.95495.
    Session s = WithRecharge({1, 2, 3}, {10, 0, 0.5});
    s.Values.MCoeff = 0.5;
    s.Values.NValue = 0.1;
    s.DMOmbrel.RunIni = 1;
    s.DMOmbrel.HeadIni = 100;
    PredictSeries(s);
    const PredictionState& p = s.Prediction;
    EXPECT_DOUBLE_EQ(p.Alpha[2], 0.6);
    EXPECT_NEAR(p.RunPred[2], 0.5488116, 1e-7);
    EXPECT_NEAR(p.HeadPred[2], 54.881164, 1e-6);
    EXPECT_NEAR(p.Alpha[3], 0.3744058, 1e-7);
    EXPECT_NEAR(p.RunPred[3], 0.5335677, 1e-7);
    EXPECT_NEAR(p.HeadPred[3], 42.954952, 1e-6);
}

TEST(PredictionSeries, HeadNeverBelowZeroWhileDischargeIsNotClamped) {
    // A start below drain level decays towards 0 but may not stay below it;
    // a negative start discharge is kept as it is.
    Session s = WithRecharge({0, 1, 2}, {0, 0, 0});
    s.Values.MCoeff = 0;
    s.Values.NValue = 0.5;
    s.DMOmbrel.RunIni = -1;
    s.DMOmbrel.HeadIni = -50;
    PredictSeries(s);
    EXPECT_EQ(s.Prediction.HeadPred[1], -50.0);  // row 1 is the initial level as given
    EXPECT_EQ(s.Prediction.HeadPred[2], 0.0);
    EXPECT_EQ(s.Prediction.HeadPred[3], 0.0);
    // -1 * exp(-0.5) = -0.6065307
    EXPECT_NEAR(s.Prediction.RunPred[2], -0.6065307, 1e-7);
}

TEST(PredictionSeries, LongerTimeStepsDecayMore) {
    // Alpha 0.1 over a step of 5: E = exp(-0.5) = 0.6065307; Q = 2 E = 1.2130613.
    Session s = WithRecharge({10, 15}, {0, 0});
    s.Values.NValue = 0.1;
    s.DMOmbrel.RunIni = 2;
    PredictSeries(s);
    EXPECT_NEAR(s.Prediction.RunPred[2], 1.2130613, 1e-7);
}

}  // namespace
}  // namespace tervala

// The first reservoir (rain to recharge) and the prediction's second
// (recharge to discharge and head, alpha = M q + N), worked by hand.
#include <gtest/gtest.h>

#include "engine/first_reservoir.h"
#include "engine/prediction_series.h"
#include "tests/support/test_support.h"

namespace tervala {
namespace {

using V = std::vector<double>;
constexpr auto A = RechargeVariant::Analysis, P = RechargeVariant::Prediction;

ReservoirSeries Rows(const V& time, const V& rain, const V& esc) {
    ReservoirSeries s;
    s.Resize(static_cast<int>(time.size()));
    for (size_t i = 0; i < time.size(); ++i)
        std::tie(s.Time[i + 1], s.Rain[i + 1], s.Esc[i + 1]) = std::tuple{time[i], rain[i], esc[i]};
    return s;
}

V RowsOf(const DataArrayR& series) { return V(series.begin() + 1, series.end()); }

TEST(FirstReservoir, HandWorkedRows) {
    const struct {
        std::vector<RechargeVariant> variants;
        double maxSto, iniSto;
        V time, rain, esc, rech, stoDef, actSto;
        double iniStoAfter;
    } cases[] = {
        // clang-format off
        // Row 1 fills the deficit 30 and 10 overflow (its escape rate does nothing); row 2 lets
        // 5 escape; row 3, 90 % full, 4.5.
        {{A, P}, 50, 20, {1, 2, 3}, {40, 0, 10}, {99, 5, 5}, {10, 0, 0.5}, {0, 5, 0}, {50, 45, 50}, 20},
        {{A, P}, 50, 50, {0, 1}, {7, 0}, {0, 0}, {7, 0}, {0, 0}, {50, 50}, 50},
        {{A, P}, 50, 20, {0, 1, 2, 3}, {10, 12, 7, 9}, {0, 0, 0, 0}, {0, 0, 0, 8}, {20, 8, 1, 0}, {30, 42, 49, 50}, 20},
        // A step of 2 time units escapes 3 * 2; the next, 35/40 full, 4 * 0.875.
        {{A, P}, 40, 40, {0, 2, 3}, {0, 1, 0}, {0, 3, 4}, {0, 0, 0}, {0, 5, 8.5}, {40, 35, 31.5}, 40},
        {{A}, 50, 0, {0, 1}, {0, 0}, {0, 0}, {0, 0}, {45, 45}, {5, 5}, 5},  // zero storage: a tenth
        {{P}, 50, 0, {0, 1}, {0, 0}, {0, 0}, {0, 0}, {50, 50}, {0, 0}, 0},
        // 10 above the maximum spill in row 1, and in an analysis again in row 2.
        {{A}, 50, 60, {0, 1}, {0, 2}, {0, 0}, {10, 12}, {0, 0}, {50, 50}, 60},
        {{P}, 50, 60, {0, 1}, {0, 2}, {0, 0}, {10, 2}, {0, 0}, {50, 50}, 60},
        {{P}, 10, 10, {0, 1}, {0, 1}, {0, -2}, {0, 3}, {0, 0}, {10, 10}, 10},  // negative escape adds
        {{A}, 50, 20, {1, 1}, {0, 0}, {0, 5}, {0, 0}, {30, 30}, {20, 20}, 20},  // equal times: no escape
        // clang-format on
    };
    for (const auto& c : cases) {
        for (RechargeVariant v : c.variants) {
            ReservoirSeries s = Rows(c.time, c.rain, c.esc);
            EngineFlags flags;
            flags.TimeSeqError = flags.PredTimeError = true;  // left from an earlier run
            testing::RecordingMessages m;
            double iniSto = c.iniSto;
            ASSERT_TRUE(
                ComputeRecharge(v, static_cast<int>(c.time.size()), c.maxSto, iniSto, s, flags, m));
            EXPECT_EQ((std::tuple{RowsOf(s.Rech), RowsOf(s.StoDef), RowsOf(s.ActSto), iniSto}),
                      (std::tuple{c.rech, c.stoDef, c.actSto, c.iniStoAfter}));
            EXPECT_EQ(
                (std::tuple{m.messages.size(), v == A ? flags.TimeSeqError : flags.PredTimeError,
                            flags.MaxStoOk}),
                (std::tuple{size_t{0}, false, true}));
        }
    }
}

TEST(FirstReservoir, RefusedStepsKeepTheRowsFromTheRefusedOneOn) {
    const std::string time = "Incorrect time sequence encountered";
    const std::tuple<RechargeVariant, double, V, std::string> cases[] = {
        {A, 50, {1, 2, 1.5}, time + ". Please correct the input file"},
        {A, -1, {2, 1, 3}, time + ". Please correct the input file"},  // time before the storage
        {P, 50, {1, 2, 2}, time + " Please correct the input file"},
        // Regression: the prediction divided the fullness by a zero maximum storage.
        {P, 0, {1, 2, 3}, "The Maximum Storage must be > 0"}};
    for (const auto& [variant, maxSto, times, message] : cases) {
        ReservoirSeries s = Rows(times, {0, 0, 0}, {0, 1, 1});
        s.Rech[3] = -99;
        EngineFlags flags;
        testing::RecordingMessages m;
        double iniSto = 5;
        EXPECT_FALSE(ComputeRecharge(variant, 3, maxSto, iniSto, s, flags, m));
        EXPECT_EQ((std::pair{m.messages, s.Rech[3]}), (std::pair{std::vector{message}, -99.0}));
    }
    // An analysis takes a negative escape rate as water into its row.
    ReservoirSeries s = Rows({1, 2, 3}, {4, 2, 0}, {1, -3, 2});
    s.EscToRain[3] = 7;  // left from an earlier run
    MoveNegativeEscapeToRain(3, s);
    EXPECT_EQ((std::tuple{RowsOf(s.Rain), RowsOf(s.Esc), RowsOf(s.EscToRain)}),
              (std::tuple{V{4, 5, 0}, V{1, 0, 2}, V{0, 3, 0}}));
}

TEST(PredictionSeries, HandWorkedSteps) {
    const struct {
        V time, rech;
        double M, N, runIni, headIni;
        int row;  // 1-based
        double alpha, discharge, head;
    } cases[] = {
        {{1, 2}, {3, 0}, 0.5, 0.1, 1.5, 80, 1, 0, 1.5, 80},   // row 1: alpha 0 and the initial
                                                              // values
        {{1, 2}, {0, 0}, 0, -0.02, 0.03, 0, 1, 0, 0.03, 0},   // a start above -N is kept
        {{1, 2}, {0, 0}, 0, -0.02, 0.01, 0, 1, 0, 0.022, 0},  // one below is raised to 1.1 (-N)
        // Alpha 0.5 * 1 - 0.5 = 0 is floored at 0.0001: 1 E + 2 (1 - E) = 1.000099995 and
        // 2 (1 - E) / (0.8 * 0.1 * 0.0001) = 24.99875.
        {{0, 1}, {0, 2}, 0.5, -0.5, 1, 0, 2, 0.0001, 1.000099995, 24.99875},
        // 100 E + 2 (1 - E) / (0.8 * 0.1 * 0.05) = 95.12294 + 24.38529 with E = exp(-0.05).
        {{3, 4}, {0, 2}, 0, 0.05, 0, 100, 2, 0.05, 0.09754115, 119.50823},
        {{10, 15}, {0, 0}, 0, 0.1, 2, 0, 2, 0.1, 1.2130613, 0},    // a step of 5: 2 exp(-0.5)
        {{0, 1}, {0, 0}, 0, 0.5, -1, -50, 2, 0.5, -0.6065307, 0},  // the head stops at drain level
    };
    for (const auto& c : cases) {
        Session s;
        s.Prediction.Resize(static_cast<int>(c.time.size()));
        for (size_t k = 0; k < c.time.size(); ++k)
            std::tie(s.Prediction.Reservoir.Time[k + 1], s.Prediction.Reservoir.Rech[k + 1]) =
                std::tuple{c.time[k], c.rech[k]};
        s.Prediction.Alpha[1] = 7;  // left from an earlier run
        s.Prediction.PorosityFrac = 0.1;
        std::tie(s.Values.MCoeff, s.Values.NValue, s.DMOmbrel.RunIni, s.DMOmbrel.HeadIni) =
            std::tuple{c.M, c.N, c.runIni, c.headIni};
        PredictSeries(s);
        EXPECT_EQ(s.Prediction.Alpha[c.row], c.alpha);
        EXPECT_NEAR(s.Prediction.RunPred[c.row], c.discharge, 1e-7);
        EXPECT_NEAR(s.Prediction.HeadPred[c.row], c.head, 1e-5);
    }
}

}  // namespace
}  // namespace tervala

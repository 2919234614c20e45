// The first reservoir: rain in, escape out, overflow as recharge.
#include "engine/first_reservoir.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/recording_messages.h"

namespace tervala {
namespace {

using testing::RecordingMessages;

constexpr const char* kAnalysisTimeMessage =
    "Incorrect time sequence encountered. Please correct the input file";
constexpr const char* kPredictionTimeMessage =
    "Incorrect time sequence encountered Please correct the input file";

// Rows 1..n from plain lists (index 0 of the series stays unused).
ReservoirSeries Rows(const std::vector<double>& time, const std::vector<double>& rain,
                     const std::vector<double>& esc) {
    ReservoirSeries s;
    s.Resize(static_cast<int>(time.size()));
    for (size_t i = 0; i < time.size(); ++i) {
        s.Time[i + 1] = time[i];
        s.Rain[i + 1] = rain[i];
        s.Esc[i + 1] = esc[i];
    }
    return s;
}

}  // namespace

void PrintTo(RechargeVariant v, std::ostream* os) {
    *os << (v == RechargeVariant::Analysis ? "analysis" : "prediction");
}

namespace {

class FirstReservoir : public ::testing::TestWithParam<RechargeVariant> {};

TEST_P(FirstReservoir, WorkedExample) {
    ReservoirSeries s = Rows({1, 2, 3}, {40, 0, 10}, {0, 5, 5});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 20;
    ASSERT_TRUE(ComputeRecharge(GetParam(), 3, 50, iniSto, s, flags, messages));
    EXPECT_TRUE(messages.messages.empty());
    // Row 1: deficit 30 at the start, 40 mm of rain fills it and 10 overflow.
    EXPECT_EQ(s.Rech[1], 10);
    EXPECT_EQ(s.StoDef[1], 0);
    EXPECT_EQ(s.ActSto[1], 50);
    // Row 2: full reservoir, escape 5 * 1 * 1 = 5, no rain.
    EXPECT_EQ(s.Rech[2], 0);
    EXPECT_EQ(s.StoDef[2], 5);
    EXPECT_EQ(s.ActSto[2], 45);
    // Row 3: fullness 0.9, escape 4.5, deficit 9.5, rain 10 leaves 0.5.
    EXPECT_DOUBLE_EQ(s.Rech[3], 0.5);
    EXPECT_EQ(s.StoDef[3], 0);
    EXPECT_EQ(s.ActSto[3], 50);
    EXPECT_EQ(iniSto, 20);
}

TEST_P(FirstReservoir, FullInitialStorageRechargesAllRainOfRowOne) {
    ReservoirSeries s = Rows({0, 1}, {7, 0}, {0, 0});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 50;
    ASSERT_TRUE(ComputeRecharge(GetParam(), 2, 50, iniSto, s, flags, messages));
    EXPECT_EQ(s.Rech[1], 7);
    EXPECT_EQ(s.StoDef[1], 0);
    EXPECT_EQ(s.ActSto[1], 50);
}

TEST_P(FirstReservoir, RainBelowTheDeficitIsStoredUntilARowExceedsIt) {
    // MaxSto 50, IniSto 20: deficit 30. No escape, so only rain changes it.
    ReservoirSeries s = Rows({0, 1, 2, 3}, {10, 12, 7, 9}, {0, 0, 0, 0});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 20;
    ASSERT_TRUE(ComputeRecharge(GetParam(), 4, 50, iniSto, s, flags, messages));
    EXPECT_EQ(s.Rech[1], 0);
    EXPECT_EQ(s.StoDef[1], 20);
    EXPECT_EQ(s.ActSto[1], 30);
    EXPECT_EQ(s.Rech[2], 0);
    EXPECT_EQ(s.StoDef[2], 8);
    EXPECT_EQ(s.ActSto[2], 42);
    EXPECT_EQ(s.Rech[3], 0);
    EXPECT_EQ(s.StoDef[3], 1);
    EXPECT_EQ(s.ActSto[3], 49);
    EXPECT_EQ(s.Rech[4], 8);  // 9 mm of rain exceed the 1 mm deficit
    EXPECT_EQ(s.StoDef[4], 0);
    EXPECT_EQ(s.ActSto[4], 50);
}

TEST_P(FirstReservoir, DeficitGrowsByEscapeAndShrinksByRain) {
    // MaxSto 40, IniSto 40 (full). Row 2: step 2, escape 3 * 2 * 1 = 6, rain 1.
    ReservoirSeries s = Rows({0, 2, 3}, {0, 1, 0}, {0, 3, 4});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 40;
    ASSERT_TRUE(ComputeRecharge(GetParam(), 3, 40, iniSto, s, flags, messages));
    EXPECT_EQ(s.Rech[2], 0);
    EXPECT_EQ(s.StoDef[2], 5);   // 0 + 6 - 1
    EXPECT_EQ(s.ActSto[2], 35);  // 40 - 6 + 1
    // Row 3: fullness 35/40, escape 4 * 1 * 0.875 = 3.5.
    EXPECT_EQ(s.StoDef[3], 8.5);
    EXPECT_EQ(s.ActSto[3], 31.5);
}

TEST_P(FirstReservoir, EscapeRateOfRowOneHasNoEffect) {
    ReservoirSeries a = Rows({1, 2, 3}, {40, 0, 10}, {0, 5, 5});
    ReservoirSeries b = Rows({1, 2, 3}, {40, 0, 10}, {99, 5, 5});
    EngineFlags flags;
    RecordingMessages messages;
    double iniA = 20, iniB = 20;
    ASSERT_TRUE(ComputeRecharge(GetParam(), 3, 50, iniA, a, flags, messages));
    ASSERT_TRUE(ComputeRecharge(GetParam(), 3, 50, iniB, b, flags, messages));
    EXPECT_EQ(a.Rech, b.Rech);
    EXPECT_EQ(a.StoDef, b.StoDef);
    EXPECT_EQ(a.ActSto, b.ActSto);
}

TEST_P(FirstReservoir, DeficitPlusStorageIsTheMaximumAndRechargeNeverNegative) {
    const std::vector<double> rain = {60, 0, 3.5, 0, 12, 0.25, 0, 30, 1, 0, 0, 8};
    const std::vector<double> esc = {2, 1.5, 4, 2.25, 0.5, 3, 6, 1, 2, 2, 0.75, 1};
    std::vector<double> time;
    for (size_t i = 0; i < rain.size(); ++i) time.push_back(0.5 * static_cast<double>(i));
    ReservoirSeries s = Rows(time, rain, esc);
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 12;
    const int n = static_cast<int>(rain.size());
    ASSERT_TRUE(ComputeRecharge(GetParam(), n, 25, iniSto, s, flags, messages));
    for (int k = 1; k <= n; ++k) {
        EXPECT_NEAR(s.StoDef[k] + s.ActSto[k], 25, 1e-12) << "row " << k;
        EXPECT_GE(s.Rech[k], 0) << "row " << k;
    }
    EXPECT_GT(s.Rech[1], 0);  // 60 mm overflow the 13 mm deficit at once
}

INSTANTIATE_TEST_SUITE_P(BothVariants, FirstReservoir,
                         ::testing::Values(RechargeVariant::Analysis, RechargeVariant::Prediction),
                         [](const auto& info) {
                             return info.param == RechargeVariant::Analysis ? "Analysis"
                                                                            : "Prediction";
                         });

TEST(FirstReservoirAnalysis, ZeroInitialStorageBecomesATenthOfTheMaximum) {
    ReservoirSeries s = Rows({0, 1}, {0, 0}, {0, 0});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 0;
    ASSERT_TRUE(ComputeRecharge(RechargeVariant::Analysis, 2, 50, iniSto, s, flags, messages));
    EXPECT_EQ(iniSto, 5);
    EXPECT_EQ(s.ActSto[1], 5);
    EXPECT_EQ(s.StoDef[1], 45);
}

TEST(FirstReservoirPrediction, ZeroInitialStorageStaysZero) {
    ReservoirSeries s = Rows({0, 1}, {0, 0}, {0, 0});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 0;
    ASSERT_TRUE(ComputeRecharge(RechargeVariant::Prediction, 2, 50, iniSto, s, flags, messages));
    EXPECT_EQ(iniSto, 0);
    EXPECT_EQ(s.ActSto[1], 0);
    EXPECT_EQ(s.StoDef[1], 50);
}

TEST(FirstReservoirAnalysis, NegativeEscapeRateIsIrrigationOfItsRow) {
    ReservoirSeries s = Rows({1, 2, 3}, {4, 2, 0}, {1, -3, 2});
    MoveNegativeEscapeToRain(3, s);
    EXPECT_EQ(s.Rain[2], 5);
    EXPECT_EQ(s.Esc[2], 0);
    EXPECT_EQ(s.EscToRain[2], 3);
    EXPECT_EQ(s.Rain[2] - s.EscToRain[2], 2);  // the rain as entered, for the report
    EXPECT_EQ(s.EscToRain[1], 0);
    EXPECT_EQ(s.EscToRain[3], 0);
    EXPECT_EQ(s.Esc[3], 2);
}

TEST(FirstReservoirAnalysis, MovingNegativeEscapeClearsEarlierAmounts) {
    ReservoirSeries s = Rows({1, 2}, {0, 0}, {0, 1});
    s.EscToRain[2] = 7;  // left from an earlier run
    MoveNegativeEscapeToRain(2, s);
    EXPECT_EQ(s.EscToRain[2], 0);
    EXPECT_EQ(s.Rain[2], 0);
}

TEST(FirstReservoirPrediction, NegativeEscapeRateActsAsNegativeEscape) {
    // Full reservoir, escape -2 over one step: the deficit becomes -2, so
    // the 1 mm of rain all becomes recharge and 2 mm more.
    ReservoirSeries s = Rows({0, 1}, {0, 1}, {0, -2});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 10;
    ASSERT_TRUE(ComputeRecharge(RechargeVariant::Prediction, 2, 10, iniSto, s, flags, messages));
    EXPECT_EQ(s.Rech[2], 3);
}

TEST(FirstReservoirAnalysis, EqualTimesAreAStepWithoutEscape) {
    ReservoirSeries s = Rows({1, 1}, {0, 0}, {0, 5});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 20;
    ASSERT_TRUE(ComputeRecharge(RechargeVariant::Analysis, 2, 50, iniSto, s, flags, messages));
    EXPECT_FALSE(flags.TimeSeqError);
    EXPECT_EQ(s.StoDef[2], 30);
    EXPECT_TRUE(messages.messages.empty());
}

TEST(FirstReservoirPrediction, EqualTimesAreRefused) {
    ReservoirSeries s = Rows({1, 1}, {0, 0}, {0, 5});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 20;
    EXPECT_FALSE(ComputeRecharge(RechargeVariant::Prediction, 2, 50, iniSto, s, flags, messages));
    EXPECT_TRUE(flags.PredTimeError);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], kPredictionTimeMessage);
}

TEST(FirstReservoirAnalysis, GoingBackInTimeStopsAtThatRow) {
    ReservoirSeries s = Rows({1, 2, 1.5, 3}, {40, 0, 10, 0}, {0, 5, 5, 5});
    s.Rech[3] = -99;  // rows from the failing one on keep what they held
    s.Rech[4] = -99;
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 20;
    EXPECT_FALSE(ComputeRecharge(RechargeVariant::Analysis, 4, 50, iniSto, s, flags, messages));
    EXPECT_TRUE(flags.TimeSeqError);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], kAnalysisTimeMessage);
    EXPECT_EQ(s.Rech[2], 0);
    EXPECT_EQ(s.Rech[3], -99);
    EXPECT_EQ(s.Rech[4], -99);
}

TEST(FirstReservoirAnalysis, FlagsAreClearedByAGoodRun) {
    ReservoirSeries s = Rows({1, 2}, {0, 0}, {0, 0});
    EngineFlags flags;
    flags.TimeSeqError = true;
    RecordingMessages messages;
    double iniSto = 20;
    ASSERT_TRUE(ComputeRecharge(RechargeVariant::Analysis, 2, 50, iniSto, s, flags, messages));
    EXPECT_FALSE(flags.TimeSeqError);
    EXPECT_TRUE(flags.MaxStoOk);
}

TEST(FirstReservoirAnalysis, MaximumStorageMustBePositive) {
    ReservoirSeries s = Rows({1, 2}, {0, 0}, {0, 0});
    EngineFlags flags;
    flags.MaxStoOk = true;
    RecordingMessages messages;
    double iniSto = 5;
    EXPECT_FALSE(ComputeRecharge(RechargeVariant::Analysis, 2, 0, iniSto, s, flags, messages));
    EXPECT_FALSE(flags.MaxStoOk);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "The Maximum Storage must be > 0");
}

TEST(FirstReservoirAnalysis, TimeIsCheckedBeforeTheMaximumStorage) {
    ReservoirSeries s = Rows({2, 1}, {0, 0}, {0, 0});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 5;
    EXPECT_FALSE(ComputeRecharge(RechargeVariant::Analysis, 2, -1, iniSto, s, flags, messages));
    EXPECT_TRUE(flags.TimeSeqError);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], kAnalysisTimeMessage);
}

TEST(FirstReservoirPrediction, ZeroMaximumStorageIsRefusedInsteadOfDividingByZero) {
    // Regression: the fullness ratio divided by a zero maximum storage.
    ReservoirSeries s = Rows({1, 2}, {0, 0}, {0, 1});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 0;
    EXPECT_FALSE(ComputeRecharge(RechargeVariant::Prediction, 2, 0, iniSto, s, flags, messages));
    EXPECT_FALSE(flags.MaxStoOk);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_EQ(messages.messages[0], "The Maximum Storage must be > 0");
}

TEST(FirstReservoirAnalysis, InitialStorageAboveTheMaximumSpillsInRowTwo) {
    // MaxSto 50, IniSto 60: StoDefIni -10. Row 1: 0 rain, Rech = 0 - (-10)
    // = 10 >= 0, so the reservoir is full. Row 2: the override gives
    // Rech = Rain - StoDefIni = 2 + 10 = 12.
    ReservoirSeries s = Rows({0, 1}, {0, 2}, {0, 0});
    EngineFlags flags;
    RecordingMessages messages;
    double iniSto = 60;
    ASSERT_TRUE(ComputeRecharge(RechargeVariant::Analysis, 2, 50, iniSto, s, flags, messages));
    EXPECT_EQ(s.Rech[1], 10);
    EXPECT_EQ(s.Rech[2], 12);
    EXPECT_EQ(s.StoDef[2], 0);
    EXPECT_EQ(s.ActSto[2], 50);

    // The prediction has no such override: row 2 gives 2 - 0 = 2.
    ReservoirSeries p = Rows({0, 1}, {0, 2}, {0, 0});
    iniSto = 60;
    ASSERT_TRUE(ComputeRecharge(RechargeVariant::Prediction, 2, 50, iniSto, p, flags, messages));
    EXPECT_EQ(p.Rech[2], 2);
}

TEST(ReservoirSeriesResize, MakesRoomForRowsOneToN) {
    ReservoirSeries s;
    s.Resize(1501);
    EXPECT_EQ(s.Time.size(), 1502u);
    EXPECT_EQ(s.StoDef.size(), 1502u);
    EXPECT_EQ(s.EscToRain.size(), 1502u);
}

}  // namespace
}  // namespace tervala

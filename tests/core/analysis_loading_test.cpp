// Loading an analysis: the engine re-reads the saved input file by line
// position, checks the data, computes the recharge and (in the computing
// pass) fits and judges the trend.
#include "engine/analysis_loading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine_file_error.h"
#include "tests/support/analysis_input.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::AnalysisHeader;
using testing::RecordingMessages;
using testing::RecordingProgress;
using testing::Rows;
using testing::TempDir;
using testing::WriteBytes;

struct Loaded {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    RecordingProgress progress;

    void Load(const std::string& text, AnalysisKind kind, bool checkOnly = true) {
        s.DMOmbrel.FileName = dir.File("field.inp");
        WriteBytes(s.DMOmbrel.FileName, text);
        s.DMOmbrel.ModeTag = kind == AnalysisKind::Discharge ? " Dis" : " Hyd";
        s.Flags.CheckOnly = checkOnly;
        LoadAnalysisData(s, kind, messages, progress);
    }
};

const std::string kDischargeHeader =
    AnalysisHeader(false, "Field 3", "Winter", "   50.00", "   20.00", "    2.00");

TEST(AnalysisLoading, ReadsHeaderRowsAndSerialsByPosition) {
    Loaded l;
    l.Load(kDischargeHeader + Rows({"    7         1.00     40.00      2.00      3.00",
                                    "   42         2.00  5.0E-0001      5.00  2.5E-0001",
                                    "  123         3.50     10.00      5.00      2.50 extra"}),
           AnalysisKind::Discharge);
    const AnalysisState& a = l.s.Analysis;
    EXPECT_EQ(l.s.DMOmbrel.Title1, "Field 3");
    EXPECT_EQ(l.s.DMOmbrel.Title2, "Winter");
    EXPECT_EQ(a.MaxSto, 50);
    EXPECT_EQ(a.IniSto, 20);
    EXPECT_EQ(a.MaxEsc, 2);
    ASSERT_EQ(a.RowCount, 3);
    EXPECT_EQ(l.progress.rowCount, 3);
    EXPECT_EQ(a.SerialNo[1], 7);
    EXPECT_EQ(a.SerialText[3], "123");
    EXPECT_EQ(a.Reservoir.Time[3], 3.5);
    EXPECT_EQ(a.Reservoir.Rain[2], 0.5);
    EXPECT_EQ(a.RunMeas[2], 0.25);
    EXPECT_TRUE(l.s.Flags.AnalysisOk);
    EXPECT_FALSE(l.s.DMOmbrel.RunFailed);
    EXPECT_TRUE(l.s.Flags.MaxStoOk);
    EXPECT_FALSE(l.s.Flags.TimeSeqError);
    EXPECT_TRUE(l.messages.messages.empty());
    // The first reservoir's worked example: 10, 0 and 0.5 of recharge.
    EXPECT_EQ(a.Reservoir.Rech[1], 10);
    EXPECT_EQ(a.Reservoir.Rech[2], 0);
}

TEST(AnalysisLoading, FloorsObservedValuesAndMovesNegativeEscapeIntoRain) {
    Loaded l;
    l.s.DMOmbrel.EscData = {9, 9, 9, 9, 9};
    l.Load(kDischargeHeader + Rows({"    1         1.00     40.00      2.00  0.0E+0000",
                                    "    2         2.00      1.00     -3.00  5.0E-0004",
                                    "    3         3.00     10.00      5.00      2.50"}),
           AnalysisKind::Discharge);
    const AnalysisState& a = l.s.Analysis;
    EXPECT_EQ(a.RunMeas[1], 0.001);
    EXPECT_EQ(a.RunMeas[2], 0.001);
    EXPECT_EQ(a.Reservoir.Rain[2], 4);
    EXPECT_EQ(a.Reservoir.EscToRain[2], 3);
    EXPECT_EQ(a.Reservoir.Esc[2], 0);
    // The data set's escape series is the one the engine acted on.
    EXPECT_EQ(l.s.DMOmbrel.EscData, (std::vector<double>{2, 0, 5, 9, 9}));
}

TEST(AnalysisLoading, InitialStorageOfZeroBecomesATenthOfTheMaximum) {
    Loaded l;
    l.Load(AnalysisHeader(false, "", "", "   50.00", " 0.0E+0000", "    2.00") +
               Rows({"    1         1.00     40.00      2.00      3.00",
                     "    2         2.00      0.00      5.00      2.00"}),
           AnalysisKind::Discharge);
    EXPECT_EQ(l.s.Analysis.IniSto, 5);
}

TEST(AnalysisLoading, EmptyLinesCarryNoRow) {
    Loaded l;
    l.Load(kDischargeHeader + Rows({"    1         1.00     40.00      2.00      3.00", "",
                                    "    2         2.00      0.00      5.00      2.00", "  ",
                                    ""}),
           AnalysisKind::Discharge);
    EXPECT_EQ(l.s.Analysis.RowCount, 2);
    EXPECT_EQ(l.s.Analysis.RunMeas[2], 2);
}

TEST(AnalysisLoading, SerialTextKeepsSevenCharacters) {
    Loaded l;
    l.Load(kDischargeHeader + Rows({"12345678         1.00     40.00      2.00      3.00",
                                    "    2         2.00      0.00      5.00      2.00"}),
           AnalysisKind::Discharge);
    EXPECT_EQ(l.s.Analysis.SerialText[1], "1234567");
}

TEST(AnalysisLoading, FourFieldRowCannotBeReadAndNamesItsLine) {
    Loaded l;
    try {
        l.Load(kDischargeHeader + Rows({"    1         1.00     40.00      2.00      3.00",
                                        "    2         2.00      0.00      2.00"}),
               AnalysisKind::Discharge);
        FAIL() << "no error";
    } catch (const EngineFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Line 16 of the input file \"" + l.s.DMOmbrel.FileName +
                      "\" is no data row of an analysis: it needs a whole serial number, time, "
                      "rain, escape rate and observed value");
    }
}

TEST(AnalysisLoading, SerialThatIsNoWholeNumberCannotBeRead) {
    Loaded l;
    EXPECT_THROW(l.Load(kDischargeHeader + Rows({"  1.5         1.00     40.00      2.00      3.00"}),
                        AnalysisKind::Discharge),
                 EngineFileError);
}

TEST(AnalysisLoading, HeaderValueThatIsNoNumberNamesItsLine) {
    Loaded l;
    try {
        l.Load(AnalysisHeader(false, "", "", "   fifty", "   20.00", "    2.00"),
               AnalysisKind::Discharge);
        FAIL() << "no error";
    } catch (const EngineFileError& e) {
        EXPECT_NE(std::string(e.what()).find("Line 8 of the input file"), std::string::npos);
    }
}

TEST(AnalysisLoading, MissingFileIsAFileError) {
    Session s;
    RecordingMessages m;
    RecordingProgress p;
    s.DMOmbrel.FileName = "/nonexistent/folder/field.inp";
    EXPECT_THROW(LoadAnalysisData(s, AnalysisKind::Discharge, m, p), EngineFileError);
}

TEST(AnalysisLoading, HeadFileFillsTheHeadSeries) {
    Loaded l;
    l.Load(AnalysisHeader(true, "", "", "   50.00", "   20.00", "    2.00") +
               Rows({"    1         1.00     40.00      2.00    500.00",
                     "    2         2.00      0.00      5.00  2.5E-0001"}),
           AnalysisKind::Head);
    EXPECT_EQ(l.s.Analysis.HeadMeas[1], 500);
    EXPECT_EQ(l.s.Analysis.HeadMeas[2], 0.25);
    EXPECT_TRUE(l.s.Flags.AnalysisOk);
}

TEST(AnalysisLoading, RunoffVariationIsCheckedBeforeTimeVariation) {
    Loaded l;
    l.Load(kDischargeHeader + Rows({"    1         1.00     40.00      2.00      3.00",
                                    "    2         1.00      0.00      5.00      3.00"}),
           AnalysisKind::Discharge);
    EXPECT_EQ(l.messages.messages,
              std::vector<std::string>{"There is no variation in runoff values. "
                                       "Rainfall-Discharge analysis cannot be made"});
    EXPECT_FALSE(l.s.Flags.AnalysisOk);
    EXPECT_TRUE(l.s.DMOmbrel.RunFailed);
}

TEST(AnalysisLoading, TimeWithoutVariationIsRefused) {
    Loaded l;
    l.Load(kDischargeHeader + Rows({"    1         1.00     40.00      2.00      3.00",
                                    "    2         1.00      0.00      5.00      2.00"}),
           AnalysisKind::Discharge);
    EXPECT_EQ(l.messages.messages,
              std::vector<std::string>{
                  "There is no variation in time Rainfall-Discharge analysis cannot be made"});
    EXPECT_FALSE(l.s.Flags.AnalysisOk);
}

TEST(AnalysisLoading, MoreRowsThanTheEngineHoldsAreRefused) {
    Loaded l;
    std::vector<std::string> rows;
    for (int k = 1; k <= 1502; ++k) {
        rows.push_back("1 " + std::to_string(k) + " 1 0.5 " + std::to_string(k % 3));
    }
    l.Load(kDischargeHeader + Rows(rows), AnalysisKind::Discharge);
    EXPECT_EQ(l.messages.messages,
              std::vector<std::string>{"The input file holds 1502 data rows; an analysis can "
                                       "take at most 1501 rows."});
    EXPECT_FALSE(l.s.Flags.AnalysisOk);
    EXPECT_TRUE(l.s.DMOmbrel.RunFailed);
    EXPECT_EQ(l.progress.rowCount, 1502);
}

TEST(AnalysisLoading, TheCapacityOf1501RowsIsAccepted) {
    Loaded l;
    std::vector<std::string> rows;
    for (int k = 1; k <= 1501; ++k) {
        rows.push_back("1 " + std::to_string(k) + " 1 0.5 " + std::to_string(k % 3));
    }
    l.Load(kDischargeHeader + Rows(rows), AnalysisKind::Discharge);
    EXPECT_TRUE(l.messages.messages.empty());
    EXPECT_TRUE(l.s.Flags.AnalysisOk);
    EXPECT_EQ(l.s.Analysis.RowCount, 1501);
}

// Rain equal to recharge: a full first reservoir without escape.
const std::string kFullReservoir =
    AnalysisHeader(false, "", "", "    5.00", "    5.00", "    1.00");

TEST(AnalysisLoading, ComputingPassFitsTheTrendOfDischargeOnRecharge) {
    Loaded l;
    // Discharge = 2 * recharge + 1: the linear fit is exact, the parabola
    // has no square term and so no turning point, and nothing is warned.
    l.Load(kFullReservoir + Rows({"    1         1.00      1.00  0.0E+0000      3.00",
                                  "    2         2.00      2.00  0.0E+0000      5.00",
                                  "    3         3.00      3.00  0.0E+0000      7.00",
                                  "    4         4.00      4.00  0.0E+0000      9.00"}),
           AnalysisKind::Discharge, false);
    const TrendResults& t = l.s.Values.Trend;
    EXPECT_TRUE(t.TrendValid);
    EXPECT_EQ(l.s.Analysis.AlphaSlope, 2);
    EXPECT_EQ(l.s.Analysis.AlphaIntercept, 1);
    EXPECT_EQ(t.TrendA, 0);
    EXPECT_EQ(t.TrendB, 2);
    EXPECT_EQ(t.TrendC, 1);
    EXPECT_TRUE(l.messages.messages.empty());
}

TEST(AnalysisLoading, CheckingPassFitsNoTrend) {
    Loaded l;
    l.s.Analysis.AlphaSlope = 7;
    l.Load(kFullReservoir + Rows({"    1         1.00      1.00  0.0E+0000      3.00",
                                  "    2         2.00      2.00  0.0E+0000      5.00",
                                  "    3         3.00      3.00  0.0E+0000      7.00"}),
           AnalysisKind::Discharge, true);
    EXPECT_EQ(l.s.Analysis.AlphaSlope, 7);
    EXPECT_FALSE(l.s.Values.Trend.TrendValid);
}

}  // namespace
}  // namespace tervala

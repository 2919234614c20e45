// The prediction report: its lines, columns and the file beside the input.
#include "engine/prediction_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engine/engine_file_error.h"
#include "engine/session.h"
#include "tests/support/prediction_hand_worked.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// Rows 1..n with the given serials and values; everything else 0.
Session WithRows(const std::vector<int>& serials) {
    Session s;
    const int n = static_cast<int>(serials.size());
    s.Prediction.Resize(n);
    for (int k = 1; k <= n; ++k) {
        s.Prediction.SerialNo[k] = serials[k - 1];
        s.Prediction.Reservoir.Time[k] = k;
    }
    s.Prediction.LinearAlpha = 1;
    s.Prediction.PorosityFrac = 0.1;
    return s;
}

// The hand-worked prediction of three rows (tests/support/prediction_hand_worked.h),
// with its values to nine digits.
Session HandWorkedThreeRows() {
    Session s = WithRows({1, 2, 3});
    s.DMOmbrel.Title1 = "Test title one";
    s.DMOmbrel.Title2 = "Second title";
    PredictionState& p = s.Prediction;
    p.MaxSto = 50;
    p.IniSto = 20;
    p.MaxEsc = 0.1;
    s.Values.MCoeff = 0.5;
    s.Values.NValue = 0.1;
    const double rain[] = {40, 0, 10}, rech[] = {10, 0, 0.5};
    const double alpha[] = {0, 0.6, 0.374405818};
    const double run[] = {1, 0.548811636, 0.533567654};
    const double head[] = {100, 54.881163609, 42.954951581};
    for (int k = 1; k <= 3; ++k) {
        p.Reservoir.Rain[k] = rain[k - 1];
        p.Reservoir.Rech[k] = rech[k - 1];
        p.Alpha[k] = alpha[k - 1];
        p.RunPred[k] = run[k - 1];
        p.HeadPred[k] = head[k - 1];
    }
    return s;
}

const std::string kThreeRowReport = testing::HandWorkedThreeRowReport("/data/field.inp");

std::string Joined(const LineSet& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

TEST(PredictionReport, ThreeRowsGiveTwentyTwoLinesTheLastOneHyphens) {
    LineSet lines = PredictionReportLines(HandWorkedThreeRows(), "/data/field.inp");
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines.back(), std::string(64, '-'));
}

TEST(PredictionReport, HandWorkedThreeRowsLineByLine) {
    EXPECT_EQ(Joined(PredictionReportLines(HandWorkedThreeRows(), "/data/field.inp")),
              kThreeRowReport);
}

TEST(PredictionReport, PredictionMarkerOpensLineFourteenAndRowsStartFiveLinesLater) {
    LineSet lines = PredictionReportLines(HandWorkedThreeRows(), "x.inp");
    EXPECT_EQ(lines[13].substr(0, 10), "PREDICTION");
    EXPECT_EQ(lines[18].substr(0, 4), "   1");
}

TEST(PredictionReport, SerialsFiveFiftyAndFiveHundredEndInColumnFour) {
    LineSet lines = PredictionReportLines(WithRows({5, 50, 500}), "x.inp");
    ASSERT_EQ(lines.size(), 22u);
    EXPECT_EQ(lines[18].substr(0, 14), "   5      1.00");
    EXPECT_EQ(lines[19].substr(0, 14), "  50      2.00");
    EXPECT_EQ(lines[20].substr(0, 14), " 500      3.00");
}

TEST(PredictionReport, PorosityThirtyFivePercentPrintsAsThirtyFiveHundredths) {
    Session s = WithRows({1, 2, 3});
    s.Prediction.PorosityFrac = 35.0 / 100;  // as read from the file in percent
    LineSet lines = PredictionReportLines(s, "x.inp");
    EXPECT_EQ(lines[9], "Effective porosity (%):  35.00");
}

TEST(PredictionReport, NegativeNPrintsWithItsSignInTenCharacters) {
    Session s = WithRows({1, 2});
    s.Values.MCoeff = 0.25;
    s.Values.NValue = -0.02;
    LineSet lines = PredictionReportLines(s, "x.inp");
    EXPECT_EQ(lines[11], "M =   0.25000 N =  -0.02000");
}

TEST(PredictionReport, WithoutTheLinearAlphaFunctionItsTwoLinesAreLeftOut) {
    Session s = WithRows({1, 2, 3});
    s.Prediction.LinearAlpha = 0;
    LineSet lines = PredictionReportLines(s, "x.inp");
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[10], "");
    EXPECT_EQ(lines[11], "PREDICTION drainage:");
}

TEST(PredictionReport, WideValuesWidenTheirFieldsInsteadOfBeingCut) {
    Session s = WithRows({1});
    s.Prediction.MaxSto = 12345.678;
    s.Prediction.HeadPred[1] = 12345678.9;
    LineSet lines = PredictionReportLines(s, "x.inp");
    EXPECT_EQ(lines[6], "Maximum dead storage:   12345.68 mm");
    EXPECT_EQ(lines[18], "   1      1.00      0.00      0.00     0.000      0.0012345678.90");
}

TEST(PredictionReport, IsWrittenBesideTheInputFileAndFileNameNamesTheInputAgain) {
    TempDir dir;
    Session s = HandWorkedThreeRows();
    s.DMOmbrel.FileName = dir.File("field.inp");
    WritePredictionReport(s);
    EXPECT_EQ(s.DMOmbrel.FileName, dir.File("field.inp"));
    std::string expected = kThreeRowReport;
    expected.replace(expected.find("/data/field.inp"), 15, dir.File("field.inp"));
    EXPECT_EQ(ReadBytes(dir.File("field.out")), expected);
}

TEST(PredictionReport, ReplacesAnOlderReport) {
    TempDir dir;
    WriteBytes(dir.File("field.out"), std::string(5000, '#'));
    Session s = HandWorkedThreeRows();
    s.DMOmbrel.FileName = dir.File("field.inp");
    WritePredictionReport(s);
    EXPECT_EQ(ReadBytes(dir.File("field.out")).substr(0, 26), "RESULTS OF Ombrel PROGRAM\n");
    EXPECT_EQ(ReadBytes(dir.File("field.out")).find('#'), std::string::npos);
}

TEST(PredictionReport, AReportThatCannotBeWrittenRaisesAFileErrorAndFileNameIsTheInputAgain) {
    TempDir dir;
    Session s = HandWorkedThreeRows();
    // The report's name is taken by a folder, so the file cannot be created.
    std::filesystem::create_directory(dir.File("field.out"));
    s.DMOmbrel.FileName = dir.File("field.inp");
    try {
        WritePredictionReport(s);
        ADD_FAILURE() << "no error raised";
    } catch (const EngineFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "The file \"" + dir.File("field.out") + "\" could not be written");
    }
    EXPECT_EQ(s.DMOmbrel.FileName, dir.File("field.inp"));
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("field.out")));
}

}  // namespace
}  // namespace tervala

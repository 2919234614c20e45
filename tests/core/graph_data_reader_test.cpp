// Rows and single values of a report brought back for each graph kind, on
// reports written by hand in the engine's layouts.
#include "model/graph_data_reader.h"

#include <gtest/gtest.h>

#include "tests/support/example_reports.h"
#include "tests/support/recording_messages.h"
#include "tests/support/temp_dir.h"

namespace tervala {

using testing::DischargeReportLines;
using testing::HeadReportLines;
using testing::JoinLines;
using testing::PredictionReportLines;
using testing::RecordingMessages;
using testing::TempDir;
using Lines = std::vector<std::string>;
using Reals = std::vector<double>;

namespace {

struct ReadCase {
    TempDir folder;
    TDMOmbrel data;
    ProgramValues values;
    RecordingMessages messages;

    GraphReadOutcome Read(const Lines& lines, GraphKind kind, const std::string& eol = "\n") {
        return ReadText(JoinLines(lines, eol), kind);
    }
    GraphReadOutcome ReadText(const std::string& text, GraphKind kind) {
        data.LastFileName = folder.Write("report.out", text);
        return ReadGraphData(data, values, kind, messages);
    }
};

// A data set holding the rows of an earlier graph, to see that a failed read
// leaves it as it was.
void HoldEarlierRows(TDMOmbrel& data, ProgramValues& values) {
    data.NrOfData = 2;
    data.RowCheck = {8, 9};
    data.Graph.Time = {10, 20};
    data.Graph.Observed = {1, 2};
    values.Trend.RSquare = 0.42;
}

void ExpectEarlierRows(const TDMOmbrel& data, const ProgramValues& values) {
    EXPECT_EQ(data.NrOfData, 2);
    EXPECT_EQ(data.RowCheck, (DataArrayI{8, 9}));
    EXPECT_EQ(data.Graph.Time, (Reals{10, 20}));
    EXPECT_EQ(data.Graph.Observed, (Reals{1, 2}));
    EXPECT_EQ(values.Trend.RSquare, 0.42);
}

}  // namespace

TEST(ReadGraphData, DischargeReportOfThreeRowsGivesThreeRowsAndItsRSquare) {
    ReadCase c;
    ASSERT_EQ(DischargeReportLines().size(), 25u);
    EXPECT_EQ(c.Read(DischargeReportLines(), GraphKind::ObservedCalculatedInTime),
              GraphReadOutcome::Read);
    EXPECT_EQ(c.data.NrOfData, 3);
    EXPECT_EQ(c.data.RowCheck, (DataArrayI{1, 2, 3}));
    EXPECT_EQ(c.data.Graph.Time, (Reals{1, 2, 3}));
    EXPECT_EQ(c.data.Graph.Rain, (Reals{12.5, 3, 0}));
    EXPECT_EQ(c.data.Graph.Recharge, (Reals{4.1, 2.35, 0.4}));
    EXPECT_EQ(c.data.Graph.Observed, (Reals{0.8, 1.2, 0.66}));
    EXPECT_EQ(c.data.Graph.Alpha, (Reals{0, 0.012, 0.011}));
    EXPECT_EQ(c.data.Graph.Calculated, (Reals{0.8, 0.78, 0.69}));
    EXPECT_TRUE(c.data.Graph.Discharge.empty());
    EXPECT_TRUE(c.data.Graph.Head.empty());
    EXPECT_TRUE(c.data.Graph.LastHead.empty());
    EXPECT_EQ(c.values.Trend.RSquare, 0.87);
    EXPECT_TRUE(c.messages.messages.empty());
}

TEST(ReadGraphData, CrLfReportReadsTheSame) {
    ReadCase c;
    EXPECT_EQ(c.Read(DischargeReportLines(), GraphKind::ObservedCalculatedInTime, "\r\n"),
              GraphReadOutcome::Read);
    EXPECT_EQ(c.data.NrOfData, 3);
    EXPECT_EQ(c.data.Graph.Calculated, (Reals{0.8, 0.78, 0.69}));
    EXPECT_EQ(c.values.Trend.RSquare, 0.87);
}

TEST(ReadGraphData, OnlyKindsOneAndSevenTakeRSquare) {
    ReadCase c;
    c.values.Trend.RSquare = 0.42;
    EXPECT_EQ(c.Read(DischargeReportLines(), GraphKind::AnalysisRainRecharge),
              GraphReadOutcome::Read);
    EXPECT_EQ(c.values.Trend.RSquare, 0.42);
    EXPECT_EQ(c.Read(DischargeReportLines(), GraphKind::ObservedAgainstRecharge),
              GraphReadOutcome::Read);
    EXPECT_EQ(c.values.Trend.RSquare, 0.42);
}

TEST(ReadGraphData, KindSevenPutsTheObservedValuesOnTheTimeAxis) {
    ReadCase c;
    EXPECT_EQ(c.Read(DischargeReportLines(), GraphKind::CalculatedAgainstObserved),
              GraphReadOutcome::Read);
    EXPECT_EQ(c.data.Graph.Time, (Reals{0.8, 1.2, 0.66}));
    EXPECT_EQ(c.values.Trend.RSquare, 0.87);
}

TEST(ReadGraphData, HeadReportRowsAreFoundAfterReconstruction) {
    ReadCase c;
    ASSERT_EQ(HeadReportLines().size(), 27u);
    c.data.ModeTag = kHeadTag;
    EXPECT_EQ(c.Read(HeadReportLines(), GraphKind::ObservedCalculatedInTime),
              GraphReadOutcome::Read);
    EXPECT_EQ(c.data.NrOfData, 3);
    EXPECT_EQ(c.data.Graph.Time, (Reals{0.5, 1, 1.5}));
    EXPECT_EQ(c.data.Graph.Observed, (Reals{350, 362.4, 370}));
    EXPECT_EQ(c.data.Graph.Calculated, (Reals{350, 355.1, 368.9}));
    EXPECT_EQ(c.values.Trend.RSquare, 0.64);
    EXPECT_TRUE(c.data.Graph.LastHead.empty());
}

TEST(ReadGraphData, KindNineInHeadModeTakesTheCalculatedHeadAsLastHead) {
    ReadCase c;
    c.data.ModeTag = kHeadTag;
    EXPECT_EQ(c.Read(HeadReportLines(), GraphKind::RechargeObservedInTime), GraphReadOutcome::Read);
    EXPECT_EQ(c.data.Graph.LastHead, (Reals{350, 355.1, 368.9}));
    EXPECT_EQ(c.data.Graph.Observed, (Reals{350, 362.4, 370}));
    EXPECT_EQ(c.data.Graph.Recharge, (Reals{0, 2.5, 1.25}));

    ReadCase discharge;
    discharge.data.ModeTag = kDischargeTag;
    EXPECT_EQ(discharge.Read(DischargeReportLines(), GraphKind::RechargeObservedInTime),
              GraphReadOutcome::Read);
    EXPECT_TRUE(discharge.data.Graph.LastHead.empty());
}

TEST(ReadGraphData, PredictionReportRowsAreAllRead) {
    ReadCase c;
    ASSERT_EQ(PredictionReportLines().size(), 22u);
    EXPECT_EQ(c.Read(PredictionReportLines(), GraphKind::PredictedDischarge, "\r\n"),
              GraphReadOutcome::Read);
    EXPECT_EQ(c.data.NrOfData, 3);  // the last row included
    EXPECT_EQ(c.data.RowCheck, (DataArrayI{1, 2, 3}));
    EXPECT_EQ(c.data.Graph.Time, (Reals{1, 2, 3}));
    EXPECT_EQ(c.data.Graph.Rain, (Reals{12.5, 0, 1.5}));
    EXPECT_EQ(c.data.Graph.Recharge, (Reals{3.2, 7.5, 0.45}));
    EXPECT_EQ(c.data.Graph.Alpha, (Reals{0, 0.011, 0.012}));
    EXPECT_EQ(c.data.Graph.Discharge, (Reals{0.5, 0.62, 0.58}));
    EXPECT_EQ(c.data.Graph.Head, (Reals{120, 135.5, 128.25}));
    EXPECT_TRUE(c.data.Graph.Observed.empty());
    EXPECT_TRUE(c.data.Graph.Calculated.empty());
}

TEST(ReadGraphData, WaterTableReadsTheAlphaFunctionAndClearsPredictionMode) {
    ReadCase c;
    c.data.PredictionMode = true;  // as the probe leaves it
    EXPECT_EQ(c.Read(PredictionReportLines(), GraphKind::WaterTable), GraphReadOutcome::Read);
    EXPECT_FALSE(c.data.PredictionMode);  // "PREDICTION drainage:" has "inag" at 15..18
    EXPECT_EQ(c.values.MCoeff, 0.01);
    EXPECT_EQ(c.values.NValue, -0.02);
    EXPECT_EQ(c.data.NrOfData, 3);
    EXPECT_EQ(c.data.Graph.Head, (Reals{120, 135.5, 128.25}));
}

TEST(ReadGraphData, WaterTableHeadingNamingDrainageKeepsPredictionMode) {
    // "PREDICTION of drainage:" has "drai" at 15..18; its alpha function is
    // then looked for one line lower, where this report has none: M and N
    // stay as they were.
    Lines lines = PredictionReportLines();
    lines[13] = "PREDICTION of drainage:";
    ReadCase c;
    c.values.MCoeff = 0.5;
    c.values.NValue = 0.25;
    EXPECT_EQ(c.Read(lines, GraphKind::WaterTable), GraphReadOutcome::Read);
    EXPECT_TRUE(c.data.PredictionMode);
    EXPECT_EQ(c.values.MCoeff, 0.5);
    EXPECT_EQ(c.values.NValue, 0.25);
    EXPECT_EQ(c.data.NrOfData, 3);
}

TEST(ReadGraphData, WideAlphaCoefficientKeepsItsSign) {
    // F(10,5) of -123.45678 fills all ten characters; the sign must not be
    // taken with the label.
    Lines lines = PredictionReportLines();
    lines[11] = "M =-123.45678 N =  -0.02000";
    ReadCase c;
    EXPECT_EQ(c.Read(lines, GraphKind::WaterTable), GraphReadOutcome::Read);
    EXPECT_EQ(c.values.MCoeff, -123.45678);
    EXPECT_EQ(c.values.NValue, -0.02);
}

TEST(ReadGraphData, AnalysisReportWithoutItsClosingEmptyLineKeepsAllRows) {
    Lines lines = DischargeReportLines();
    lines.pop_back();
    ReadCase c;
    EXPECT_EQ(c.Read(lines, GraphKind::ObservedCalculatedInTime), GraphReadOutcome::Read);
    EXPECT_EQ(c.data.NrOfData, 3);
    EXPECT_EQ(c.values.Trend.RSquare, 0.87);
    // Nor without the last line break.
    std::string text = JoinLines(lines, "\n");
    text.pop_back();
    EXPECT_EQ(c.ReadText(text, GraphKind::ObservedCalculatedInTime), GraphReadOutcome::Read);
    EXPECT_EQ(c.data.NrOfData, 3);
    EXPECT_EQ(c.values.Trend.RSquare, 0.87);
}

TEST(ReadGraphData, TrailingEmptyLinesAddNoRows) {
    Lines lines = PredictionReportLines();
    lines.push_back("");
    lines.push_back("");
    ReadCase c;
    EXPECT_EQ(c.Read(lines, GraphKind::PredictedDischarge), GraphReadOutcome::Read);
    EXPECT_EQ(c.data.NrOfData, 3);
}

TEST(ReadGraphData, TitlesStartingWithAMarkerDoNotMisleadTheReader) {
    Lines analysis = DischargeReportLines();
    analysis[2] = "RECORDED RUNOFF 1998";
    ReadCase c;
    EXPECT_EQ(c.Read(analysis, GraphKind::ObservedCalculatedInTime), GraphReadOutcome::Read);
    EXPECT_EQ(c.data.Graph.Observed, (Reals{0.8, 1.2, 0.66}));

    Lines prediction = PredictionReportLines();
    prediction[3] = "PREDICTED FOR A DESIGN STORM";
    EXPECT_EQ(c.Read(prediction, GraphKind::WaterTable), GraphReadOutcome::Read);
    EXPECT_EQ(c.data.Graph.Head, (Reals{120, 135.5, 128.25}));
    EXPECT_EQ(c.values.MCoeff, 0.01);
}

TEST(ReadGraphData, ReportWithoutTheNeededTableGivesNoRowsWithoutHanging) {
    ReadCase c;
    HoldEarlierRows(c.data, c.values);
    // A prediction graph asked of an analysis report: there is no "PRED".
    EXPECT_EQ(c.Read(DischargeReportLines(), GraphKind::PredictedDischarge),
              GraphReadOutcome::NoRows);
    EXPECT_EQ(c.data.NrOfData, 0);
    EXPECT_TRUE(c.data.RowCheck.empty());
    EXPECT_TRUE(c.data.Graph.Time.empty());
    EXPECT_TRUE(c.messages.messages.empty());
    // And an analysis graph of a prediction report, and an empty file.
    EXPECT_EQ(c.Read(PredictionReportLines(), GraphKind::AnalysisRainRecharge),
              GraphReadOutcome::NoRows);
    EXPECT_EQ(c.ReadText("", GraphKind::ObservedCalculatedInTime), GraphReadOutcome::NoRows);
    EXPECT_EQ(c.ReadText("", GraphKind::WaterTable), GraphReadOutcome::NoRows);
    EXPECT_EQ(c.data.NrOfData, 0);
    EXPECT_TRUE(c.messages.messages.empty());
}

TEST(ReadGraphData, ReportWithAnEmptyTableGivesNoRows) {
    Lines lines = PredictionReportLines();
    lines.erase(lines.begin() + 18, lines.begin() + 21);
    ReadCase c;
    EXPECT_EQ(c.Read(lines, GraphKind::PredictedDischarge), GraphReadOutcome::NoRows);
    EXPECT_EQ(c.data.NrOfData, 0);
}

TEST(ReadGraphData, ReportCutShortIsToldAndLeavesTheDataSetAsItWas) {
    ReadCase c;
    HoldEarlierRows(c.data, c.values);
    Lines lines = DischargeReportLines();
    lines.resize(20);  // cut after the second row
    EXPECT_EQ(c.Read(lines, GraphKind::ObservedCalculatedInTime), GraphReadOutcome::Failed);
    ASSERT_EQ(c.messages.messages.size(), 1u);
    EXPECT_EQ(c.messages.messages[0],
              "The report \"" + c.data.LastFileName +
                  "\" is damaged or cut short: it ends before its table is complete. "
                  "The graph is not drawn.");
    ExpectEarlierRows(c.data, c.values);

    // Cut after the last row, after the ruler and after the standard deviation.
    for (std::size_t kept : {21u, 22u, 23u}) {
        lines = DischargeReportLines();
        lines.resize(kept);
        EXPECT_EQ(c.Read(lines, GraphKind::AnalysisRainRecharge), GraphReadOutcome::Failed)
            << kept << " lines";
        EXPECT_EQ(c.messages.messages.back(),
                  "The report \"" + c.data.LastFileName +
                      "\" is damaged or cut short: its data rows do not end where the report "
                      "says. The graph is not drawn.");
        ExpectEarlierRows(c.data, c.values);
    }

    Lines prediction = PredictionReportLines();
    prediction.pop_back();  // the closing ruler is missing
    EXPECT_EQ(c.Read(prediction, GraphKind::PredictedDischarge), GraphReadOutcome::Failed);
    prediction.resize(16);  // cut inside the headings
    EXPECT_EQ(c.Read(prediction, GraphKind::PredictionRainRecharge), GraphReadOutcome::Failed);
    ExpectEarlierRows(c.data, c.values);
    EXPECT_EQ(c.messages.messages.size(), 6u);
}

TEST(ReadGraphData, NonNumberInARowIsToldAndLeavesTheDataSetAsItWas) {
    ReadCase c;
    HoldEarlierRows(c.data, c.values);
    Lines lines = DischargeReportLines();
    lines[19] = " 2        2.00      3.00      x.xx      1.20     0.012      0.78     45.10";
    EXPECT_EQ(c.Read(lines, GraphKind::ObservedCalculatedInTime), GraphReadOutcome::Failed);
    ASSERT_EQ(c.messages.messages.size(), 1u);
    EXPECT_EQ(c.messages.messages[0],
              "The report \"" + c.data.LastFileName +
                  "\" is damaged or cut short: data row 2 could not be read. "
                  "The graph is not drawn.");
    ExpectEarlierRows(c.data, c.values);

    Lines prediction = PredictionReportLines();
    prediction[18] = " 1.0      1.00     12.50      3.20     0.000      0.50    120.00";
    EXPECT_EQ(c.Read(prediction, GraphKind::WaterTable), GraphReadOutcome::Failed);
    EXPECT_EQ(c.messages.messages.back(),
              "The report \"" + c.data.LastFileName +
                  "\" is damaged or cut short: data row 1 could not be read. "
                  "The graph is not drawn.");
    ExpectEarlierRows(c.data, c.values);
    EXPECT_EQ(c.values.MCoeff, 0.0);  // kind 5 changes nothing either
}

TEST(ReadGraphData, ShortRowIsNoticedOnItsOwnLine) {
    // A row missing its last fields does not borrow numbers from the next row.
    ReadCase c;
    HoldEarlierRows(c.data, c.values);
    Lines lines = DischargeReportLines();
    lines[19] = " 2        2.00      3.00      2.35      1.20";
    EXPECT_EQ(c.Read(lines, GraphKind::AnalysisRainRecharge), GraphReadOutcome::Failed);
    EXPECT_EQ(c.messages.messages.back(),
              "The report \"" + c.data.LastFileName +
                  "\" is damaged or cut short: data row 2 could not be read. "
                  "The graph is not drawn.");
    ExpectEarlierRows(c.data, c.values);
}

TEST(ReadGraphData, UnreadableRSquareBecomesZeroAndTheRowsAreUsed) {
    Lines lines = DischargeReportLines();
    lines[23] = "Coefficient of explanation R square is:     n/a";
    ReadCase c;
    c.values.Trend.RSquare = 0.42;
    EXPECT_EQ(c.Read(lines, GraphKind::CalculatedAgainstObserved), GraphReadOutcome::Read);
    EXPECT_EQ(c.values.Trend.RSquare, 0.0);
    EXPECT_EQ(c.data.NrOfData, 3);
    EXPECT_EQ(c.data.Graph.Time, (Reals{0.8, 1.2, 0.66}));
}

TEST(ReadGraphData, RSquareWiderThanItsFieldIsReadWhole) {
    Lines lines = DischargeReportLines();
    lines[23] = "Coefficient of explanation R square is:-1234.56";
    ReadCase c;
    EXPECT_EQ(c.Read(lines, GraphKind::ObservedCalculatedInTime), GraphReadOutcome::Read);
    EXPECT_EQ(c.values.Trend.RSquare, -1234.56);
}

TEST(ReadGraphData, MissingReportIsToldAndNothingChanges) {
    ReadCase c;
    HoldEarlierRows(c.data, c.values);
    c.data.LastFileName = c.folder.File("never-written.out");
    EXPECT_EQ(ReadGraphData(c.data, c.values, GraphKind::ObservedCalculatedInTime, c.messages),
              GraphReadOutcome::Failed);
    ASSERT_EQ(c.messages.messages.size(), 1u);
    EXPECT_EQ(c.messages.messages[0].rfind(
                  "The file \"" + c.data.LastFileName + "\"could not be opened.", 0),
              0u);
    ExpectEarlierRows(c.data, c.values);
}

}  // namespace tervala

// Graphs read from reports that the engine itself wrote: the report kinds are
// told apart, every row written is read back, and the single values a graph
// shows come with them.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "engine/prediction.h"
#include "engine/run_selected_mode.h"
#include "engine/session.h"
#include "graphs/show_graphics.h"
#include "model/fit_trend_reader.h"
#include "model/graph_data_reader.h"
#include "model/graph_report_probe.h"
#include "model/input_file.h"
#include "model/report_loading.h"
#include "tests/core/analysis_reports_expected.h"
#include "tests/support/prediction_input_text.h"
#include "tests/support/recording_messages.h"
#include "tests/support/recording_surface.h"
#include "tests/support/temp_dir.h"

namespace tervala {
namespace {

namespace fs = std::filesystem;
using testing::PredictionInputHeader;
using testing::PredictionInputText;
using testing::PredictionRow;
using testing::ReadBytes;
using testing::RecordingMessages;
using testing::TempDir;
using testing::WithCrLf;
using testing::WriteBytes;
using Reals = std::vector<double>;

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The numbers of one report row, split on blanks.
Reals NumbersOf(const std::string& row) {
    std::istringstream in(row);
    Reals numbers;
    for (double v; in >> v;) numbers.push_back(v);
    return numbers;
}

// A prediction run on the hand-worked three rows: rain 40, 0, 10 at times 1,
// 2, 3; M 0.5, N 0.1; recharge 10, 0, 0.5; discharge 1, 0.549, 0.534; head
// 100, 54.88, 42.95.
struct PredictionReport {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    std::string report;

    PredictionReport() {
        std::string input = dir.File("field.inp");
        WriteBytes(input,
                   PredictionInputText(PredictionInputHeader{},
                                       {PredictionRow(1, 1, 40, 5), PredictionRow(2, 2, 0, 5),
                                        PredictionRow(3, 3, 10, 5)}));
        s.DMOmbrel.FileName = input;
        s.DMOmbrel.NrOfData = 3;
        s.DMOmbrel.EscData = {5, 5, 5};
        RunPrediction(s, messages);
        report = dir.File("field.out");
        s.DMOmbrel.LastFileName = report;
    }
};

// An analysis run as the window makes it: the input file opened, the mode
// of the file selected, Save/Run's dispatch, then the report loaded for the
// Output tab (which tells a head report by its second line) and chosen for
// the graphs. The inputs and their reports are the hand-worked ones of the
// analysis tests.
struct AnalysisReport {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    std::string report;

    AnalysisReport(const char* inputText, bool head) {
        std::string input = dir.File("field.inp");
        WriteBytes(input, WithCrLf(inputText));
        TDMOmbrel& dm = s.DMOmbrel;
        dm.FileName = input;
        if (!ReadInputFile(dm, s.Values, messages, false).ok) return;
        if (head) {
            dm.ModeTag = kHeadTag;
            dm.DischargeMode = false;
            dm.HeadMode = true;
            dm.PredictionMode = false;
        }
        s.Flags.CheckOnly = true;
        SilentProgress progress;
        RunSelectedMode(s, messages, progress);
        report = dir.File("field.out");
        dm.ModeTag.clear();
        LoadReport(dm, report, messages);
        dm.LastFileName = report;
    }
};

}  // namespace

TEST(GraphsOfEngineReports, ThreeRowDischargeReportGivesThreeRowsAndHyphens) {
    AnalysisReport a(expected::kSerialsInput, false);
    ASSERT_TRUE(a.messages.messages.empty());
    ASSERT_EQ(LinesOf(ReadBytes(a.report)).size(), 25u);
    ASSERT_TRUE(ProbeGraphReport(a.s.DMOmbrel, a.messages));
    EXPECT_EQ(a.s.DMOmbrel.GraphTag, "----");
    EXPECT_EQ(a.s.DMOmbrel.Title1, "Serials 7, 42 and 123");
    EXPECT_EQ(a.s.DMOmbrel.Title2, "three rows");

    ASSERT_EQ(
        ReadGraphData(a.s.DMOmbrel, a.s.Values, GraphKind::ObservedCalculatedInTime, a.messages),
        GraphReadOutcome::Read);
    const GraphSeries& g = a.s.DMOmbrel.Graph;
    EXPECT_EQ(a.s.DMOmbrel.NrOfData, 3);
    EXPECT_EQ(a.s.DMOmbrel.RowCheck, (DataArrayI{7, 42, 123}));
    EXPECT_EQ(g.Time, (Reals{1, 2, 3}));
    EXPECT_EQ(g.Rain, (Reals{40, 0, 10}));
    EXPECT_EQ(g.Recharge, (Reals{10, 10, 0.5}));
    EXPECT_EQ(g.Observed, (Reals{3, 2, 2.5}));
    EXPECT_EQ(g.Alpha, (Reals{0, 0, 0}));
    EXPECT_EQ(g.Calculated, (Reals{3, 3, 3}));
    EXPECT_EQ(a.s.Values.Trend.RSquare, 0.82);

    // Its fit file says the quadratic trend is not to be drawn.
    a.s.Values.Trend.TrendValid = true;
    ASSERT_TRUE(ReadFitTrend(a.s.DMOmbrel, a.s.Values.Trend, a.messages));
    EXPECT_FALSE(a.s.Values.Trend.TrendValid);
    EXPECT_EQ(a.s.Values.Trend.TrendA, 0);
}

TEST(GraphsOfEngineReports, TwelveRowDischargeReportGraphs) {
    AnalysisReport a(expected::kTwelveInput, false);
    ASSERT_TRUE(a.messages.messages.empty());
    a.s.DMOmbrel.Title1 = "typed on the Input tab";
    ASSERT_TRUE(ProbeGraphReport(a.s.DMOmbrel, a.messages));
    ASSERT_TRUE(ReadFitTrend(a.s.DMOmbrel, a.s.Values.Trend, a.messages));
    EXPECT_TRUE(a.s.Values.Trend.TrendValid);
    EXPECT_EQ(a.s.Values.Trend.TrendA, 0.00284);
    EXPECT_EQ(a.s.Values.Trend.TrendB, -0.00617);
    EXPECT_EQ(a.s.Values.Trend.TrendC, 3.00963);

    ASSERT_EQ(
        ReadGraphData(a.s.DMOmbrel, a.s.Values, GraphKind::CalculatedAgainstObserved, a.messages),
        GraphReadOutcome::Read);
    EXPECT_EQ(a.s.DMOmbrel.NrOfData, 12);
    EXPECT_EQ(a.s.Values.Trend.RSquare, 0.99);
    EXPECT_EQ(a.s.DMOmbrel.Graph.Time, a.s.DMOmbrel.Graph.Observed);
    EXPECT_EQ(a.s.DMOmbrel.Graph.Time[1], 2.46);

    // Observed and calculated in time: runoff 2.00 .. 4.38, 4.818 with the
    // margin: bounds 2 .. 5, 3 intervals raised to 4, ticks 5, 4.25, 3.5,
    // 2.75, 2 written with one decimal (halves away from zero). Time 1 .. 12:
    // step 4, bounds 0 .. 16.
    ASSERT_EQ(
        ReadGraphData(a.s.DMOmbrel, a.s.Values, GraphKind::ObservedCalculatedInTime, a.messages),
        GraphReadOutcome::Read);
    testing::RecordingSurface surface;
    ShowGraphics(surface,
                 GraphInput{a.s.DMOmbrel, a.s.Values, GraphKind::ObservedCalculatedInTime, true},
                 nullptr);
    std::vector<std::string> ticks;
    for (const auto& t : surface.Texts()) ticks.push_back(t.text);
    std::vector<std::string> expectedTicks = {"5.0", "4.3", "3.5", "2.8",  "2.0",
                                              "0.0", "4.0", "8.0", "12.0", "16.0"};
    ASSERT_GE(ticks.size(), expectedTicks.size());
    EXPECT_EQ(std::vector<std::string>(ticks.end() - expectedTicks.size(), ticks.end()),
              expectedTicks);
    EXPECT_EQ(surface.Texts()[0].text, "Twelve rows");
}

TEST(GraphsOfEngineReports, HeadReportIsTaggedRecoAndGivesTheLastHead) {
    AnalysisReport a(expected::kHead3Input, true);
    ASSERT_TRUE(a.messages.messages.empty());
    ASSERT_EQ(LinesOf(ReadBytes(a.report)).size(), 27u);
    ASSERT_EQ(a.s.DMOmbrel.ModeTag, kHeadTag);  // set by loading the report
    ASSERT_TRUE(ProbeGraphReport(a.s.DMOmbrel, a.messages));
    EXPECT_EQ(a.s.DMOmbrel.GraphTag, "RECO");

    ASSERT_EQ(
        ReadGraphData(a.s.DMOmbrel, a.s.Values, GraphKind::ObservedCalculatedInTime, a.messages),
        GraphReadOutcome::Read);
    EXPECT_EQ(a.s.DMOmbrel.NrOfData, 3);
    EXPECT_EQ(a.s.DMOmbrel.Graph.Observed, (Reals{500, 420, 380}));
    EXPECT_EQ(a.s.DMOmbrel.Graph.Calculated, (Reals{500, 420.57, 379.62}));
    EXPECT_EQ(a.s.DMOmbrel.Graph.Alpha, (Reals{0, 0.173, 0.165}));
    EXPECT_EQ(a.s.Values.Trend.RSquare, 0.99);

    ASSERT_EQ(
        ReadGraphData(a.s.DMOmbrel, a.s.Values, GraphKind::RechargeObservedInTime, a.messages),
        GraphReadOutcome::Read);
    EXPECT_EQ(a.s.DMOmbrel.Graph.LastHead, (Reals{500, 420.57, 379.62}));
    EXPECT_EQ(a.s.DMOmbrel.Graph.Recharge, (Reals{10, 0, 0.5}));

    ASSERT_TRUE(ReadFitTrend(a.s.DMOmbrel, a.s.Values.Trend, a.messages));
    EXPECT_FALSE(a.s.Values.Trend.TrendValid);
    // A prediction graph of an analysis report finds no prediction table.
    EXPECT_EQ(ReadGraphData(a.s.DMOmbrel, a.s.Values, GraphKind::WaterTable, a.messages),
              GraphReadOutcome::NoRows);
}

TEST(GraphsOfEngineReports, PredictionReportIsTaggedPredAndSwitchesTheMode) {
    PredictionReport p;
    ASSERT_TRUE(p.messages.messages.empty());
    ASSERT_EQ(LinesOf(ReadBytes(p.report)).size(), 22u);
    p.s.DMOmbrel.DischargeMode = true;
    p.s.DMOmbrel.Title1 = "shown before";
    ASSERT_TRUE(ProbeGraphReport(p.s.DMOmbrel, p.messages));
    EXPECT_EQ(p.s.DMOmbrel.GraphTag, "PRED");
    EXPECT_TRUE(p.s.DMOmbrel.PredictionMode);
    EXPECT_FALSE(p.s.DMOmbrel.DischargeMode);
    EXPECT_FALSE(p.s.DMOmbrel.HeadMode);
    EXPECT_EQ(p.s.DMOmbrel.Title1, "Test title one");
    EXPECT_EQ(p.s.DMOmbrel.Title2, "Second title");
}

TEST(GraphsOfEngineReports, EveryPredictionRowIsReadForEachPredictionGraph) {
    PredictionReport p;
    for (GraphKind kind : {GraphKind::PredictedDischarge, GraphKind::PredictionRainRecharge,
                           GraphKind::WaterTable}) {
        SCOPED_TRACE(GraphKindNumber(kind));
        p.s.DMOmbrel.NrOfData = 15;
        ASSERT_EQ(ReadGraphData(p.s.DMOmbrel, p.s.Values, kind, p.messages),
                  GraphReadOutcome::Read);
        const GraphSeries& g = p.s.DMOmbrel.Graph;
        EXPECT_EQ(p.s.DMOmbrel.NrOfData, 3);  // the last row included
        EXPECT_EQ(p.s.DMOmbrel.RowCheck, (DataArrayI{1, 2, 3}));
        EXPECT_EQ(g.Time, (Reals{1, 2, 3}));
        EXPECT_EQ(g.Rain, (Reals{40, 0, 10}));
        EXPECT_EQ(g.Recharge, (Reals{10, 0, 0.5}));
        EXPECT_EQ(g.Alpha, (Reals{0, 0.6, 0.374}));
        EXPECT_EQ(g.Discharge, (Reals{1, 0.55, 0.53}));
        EXPECT_EQ(g.Head, (Reals{100, 54.88, 42.95}));
    }
    EXPECT_TRUE(p.messages.messages.empty());
}

TEST(GraphsOfEngineReports, WaterTableGraphTakesTheAlphaFunctionAndClearsPredictionMode) {
    PredictionReport p;
    ASSERT_TRUE(ProbeGraphReport(p.s.DMOmbrel, p.messages));
    ASSERT_TRUE(p.s.DMOmbrel.PredictionMode);
    p.s.Values.MCoeff = 9;
    p.s.Values.NValue = 9;
    ASSERT_EQ(ReadGraphData(p.s.DMOmbrel, p.s.Values, GraphKind::WaterTable, p.messages),
              GraphReadOutcome::Read);
    EXPECT_FALSE(p.s.DMOmbrel.PredictionMode);  // "PREDICTION drainage:"
    EXPECT_EQ(p.s.Values.MCoeff, 0.5);
    EXPECT_EQ(p.s.Values.NValue, 0.1);
    // The discharge graph leaves the mode as the probe set it.
    ASSERT_TRUE(ProbeGraphReport(p.s.DMOmbrel, p.messages));
    ASSERT_EQ(ReadGraphData(p.s.DMOmbrel, p.s.Values, GraphKind::PredictedDischarge, p.messages),
              GraphReadOutcome::Read);
    EXPECT_TRUE(p.s.DMOmbrel.PredictionMode);
}

TEST(GraphsOfEngineReports, AnalysisGraphOfAPredictionReportHasNoRows) {
    PredictionReport p;
    EXPECT_EQ(ReadGraphData(p.s.DMOmbrel, p.s.Values, GraphKind::AnalysisRainRecharge, p.messages),
              GraphReadOutcome::NoRows);
    EXPECT_EQ(p.s.DMOmbrel.NrOfData, 0);
    EXPECT_TRUE(p.messages.messages.empty());
}

TEST(GraphsOfEngineReports, VidoraPredictionIsReadWholeAndDrawnInsideTheAxes) {
    TempDir dir;
    Session s;
    RecordingMessages messages;
    std::string input = dir.File("VidoraPrediction.inp");
    fs::copy_file(fs::path(TERVALA_SOURCE_DIR) / "Data" / "VidoraPrediction.inp", input);
    // The rows of the example: the lines after the second ruler of the file.
    std::vector<std::string> inputLines = LinesOf(ReadBytes(input));
    int rulers = 0;
    int rows = 0;
    for (const auto& line : inputLines) {
        if (rulers == 2 && !line.empty()) ++rows;
        if (line.rfind(" ---", 0) == 0) ++rulers;
    }
    ASSERT_GT(rows, 30);
    s.DMOmbrel.FileName = input;
    s.DMOmbrel.NrOfData = rows;
    s.DMOmbrel.EscData.assign(rows, 0.2);
    RunPrediction(s, messages);
    ASSERT_TRUE(messages.messages.empty());

    s.DMOmbrel.LastFileName = dir.File("VidoraPrediction.out");
    ASSERT_TRUE(ProbeGraphReport(s.DMOmbrel, messages));
    ASSERT_EQ(s.DMOmbrel.GraphTag, "PRED");
    ASSERT_EQ(ReadGraphData(s.DMOmbrel, s.Values, GraphKind::PredictedDischarge, messages),
              GraphReadOutcome::Read);
    ASSERT_EQ(s.DMOmbrel.NrOfData, rows);
    // The last row read is the last row written.
    std::vector<std::string> reportLines = LinesOf(ReadBytes(s.DMOmbrel.LastFileName));
    Reals last = NumbersOf(reportLines[reportLines.size() - 2]);
    ASSERT_EQ(last.size(), 7u);
    EXPECT_EQ(s.DMOmbrel.RowCheck.back(), rows);
    EXPECT_EQ(s.DMOmbrel.Graph.Time.back(), last[1]);
    EXPECT_EQ(s.DMOmbrel.Graph.Discharge.back(), last[5]);
    EXPECT_EQ(s.DMOmbrel.Graph.Head.back(), last[6]);

    testing::RecordingSurface surface;
    DrawnGraph drawn = ShowGraphics(
        surface, GraphInput{s.DMOmbrel, s.Values, GraphKind::PredictedDischarge, true}, nullptr);
    ASSERT_TRUE(drawn.HasRows);
    ASSERT_EQ(drawn.Pixels.X.size(), static_cast<size_t>(rows));
    for (int k = 0; k < rows; ++k) {
        EXPECT_GE(drawn.Pixels.X[k], 70);
        EXPECT_LE(drawn.Pixels.X[k], 570);
        EXPECT_GE(drawn.Pixels.Discharge[k], 65);
        EXPECT_LE(drawn.Pixels.Discharge[k], 385);
    }
}

}  // namespace tervala

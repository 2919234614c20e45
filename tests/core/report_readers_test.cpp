// Reports and fit files read back for the graphs and the Output tab, from the
// hand-made reports of tests/data/reports and the golden ones.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "engine/field_run.h"
#include "graphs/graph_catalogue.h"
#include "model/fit_trend_reader.h"
#include "model/graph_data_reader.h"
#include "model/graph_report_probe.h"
#include "model/report_loading.h"
#include "tests/support/recording_surface.h"
#include "tests/support/test_support.h"

namespace tervala {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;
using V = std::vector<double>;

Lines LinesOf(const std::string& text) {
    Lines lines(1);
    for (char c : text) c == '\n' ? lines.emplace_back() : (lines.back() += c);
    lines.pop_back();
    return lines;
}

std::string Joined(const Lines& lines, const char* eol = "\n") {
    std::string text;
    for (const std::string& l : lines) text += l + eol;
    return text;
}

// A report of tests/data/reports with line `line` replaced, or cut to `line`
// lines when `text` is nothing.
std::function<std::string(Lines)> Edit(size_t line, const char* text = nullptr) {
    return [=](Lines l) {
        text ? void(l[line] = text) : l.resize(line);
        return Joined(l);
    };
}

// The report the engine writes of an hourly series in seconds, rows from hour
// `hour` on, under the header of golden input `golden`.
std::string HourlyReport(const TempDir& dir, const std::string& golden, int rows, int hour) {
    std::string text = DataFile("golden/" + golden + ".inp", "x");
    text.resize(text.find('\n', text.rfind("\n -") + 1) + 1);  // up to the second ruler
    for (int k = 1; k <= rows; ++k)
        text += std::to_string(k) + " " + std::to_string(3600 * (hour + k)) +
                (k % 10 ? " 0 0.05 " : " 4 0.05 ") +
                (golden[0] == 'p' ? "" : std::to_string((golden[0] == 'h') * 400 + k % 7)) + "\r\n";
    RecordingMessages m;
    return ReadBytes(RunFieldFile(dir.Write("hourly.inp", text), SearchOptions{}, m).ReportFile);
}

TEST(GraphDataReader, RowsAndValuesOfEachKindAndWhatTheReaderRefuses) {
    const auto asIs = [](Lines l) { return Joined(l); };
    const auto crLf = [](Lines l) { return Joined(l, "\r\n"); };
    const GraphReadOutcome Read = GraphReadOutcome::Read, NoRows = GraphReadOutcome::NoRows,
                           Failed = GraphReadOutcome::Failed;
    const std::string ends = "it ends before its table is complete",
                      notWhere = "its data rows do not end where the report says",
                      row1 = "data row 1 could not be read", row2 = "data row 2 could not be read";
    // clang-format off
    const struct {
        const char* report;
        std::function<std::string(Lines)> edit;
        int kind;
        const char* modeTag;
        GraphReadOutcome outcome;
        std::string message = "";  // what the report is, when it is refused
        std::function<void(const TDMOmbrel&, const ProgramValues&)> expect = {};
    } cases[] = {
        {"discharge", crLf, 1, " Dis", Read, "", [](auto& d, auto& v) {
             EXPECT_EQ(d.RowCheck, (DataArrayI{1, 2, 3}));
             EXPECT_EQ((std::tuple{d.Graph.Time, d.Graph.Rain, d.Graph.Recharge, d.Graph.Observed, d.Graph.Alpha,
                                   d.Graph.Calculated, d.Graph.Discharge, d.Graph.LastHead, v.Trend.RSquare}),
                       (std::tuple{V{1, 2, 3}, V{12.5, 3, 0}, V{4.1, 2.35, 0.4}, V{0.8, 1.2, 0.66}, V{0, 0.012, 0.011},
                                   V{0.8, 0.78, 0.69}, V{}, V{}, 0.87}));
         }},
        {"discharge", asIs, 3, " Dis", Read, "",  // no R square for kind 3
         [](auto&, auto& v) { EXPECT_EQ(v.Trend.RSquare, 0.42); }},
        {"discharge", asIs, 7, " Dis", Read, "", [](auto& d, auto& v) {
             EXPECT_EQ((std::pair{d.Graph.Time, v.Trend.RSquare}), (std::pair{V{0.8, 1.2, 0.66}, 0.87}));
         }},
        {"head", asIs, 1, " Hyd", Read, "", [](auto& d, auto& v) {
             EXPECT_EQ((std::tuple{d.Graph.Time, d.Graph.Calculated, d.Graph.LastHead, v.Trend.RSquare}),
                       (std::tuple{V{0.5, 1, 1.5}, V{350, 355.1, 368.9}, V{}, 0.64}));
         }},
        {"head", asIs, 9, " Hyd", Read, "", [](auto& d, auto&) {
             EXPECT_EQ((std::pair{d.Graph.LastHead, d.Graph.Recharge}), (std::pair{V{350, 355.1, 368.9}, V{0, 2.5, 1.25}}));
         }},
        {"prediction", crLf, 2, " Pre", Read, "", [](auto& d, auto& v) {
             EXPECT_EQ((std::tuple{d.Graph.Rain, d.Graph.Alpha, d.Graph.Discharge, d.Graph.Head, d.Graph.Observed}),
                       (std::tuple{V{12.5, 0, 1.5}, V{0, 0.011, 0.012}, V{0.5, 0.62, 0.58}, V{120, 135.5, 128.25}, V{}}));
             EXPECT_EQ((std::pair{d.PredictionMode, v.MCoeff}), (std::pair{true, 9.0}));  // only kind 5 reads them
         }},
        {"prediction", asIs, 5, " Pre", Read, "", [](auto& d, auto& v) {
             // "PREDICTION drainage:" names no drainage run; the alpha function is read.
             EXPECT_EQ((std::tuple{d.PredictionMode, v.MCoeff, v.NValue}), (std::tuple{false, 0.01, -0.02}));
         }},
        {"prediction", Edit(13, "PREDICTION of drainage:"), 5, " Pre", Read, "",
         [](auto& d, auto& v) { EXPECT_EQ((std::pair{d.PredictionMode, v.MCoeff}), (std::pair{true, 9.0})); }},
        {"prediction", Edit(11, "M =-123.45678 N =  -0.02000"), 5, " Pre", Read, "",
         [](auto&, auto& v) { EXPECT_EQ(v.MCoeff, -123.45678); }},  // the sign is not the label's
        {"discharge", Edit(24), 1, " Dis", Read, "",  // no closing empty line
         [](auto&, auto& v) { EXPECT_EQ(v.Trend.RSquare, 0.87); }},
        {"discharge", [](Lines l) { return Joined(l).substr(0, Joined(l).size() - 2); },  // nor line break
         1, " Dis", Read},
        {"prediction", [](Lines l) { return Joined(l) + "\n\n"; }, 2, " Pre", Read},
        {"discharge", Edit(2, "RECORDED RUNOFF 1998"), 1, " Dis", Read},
        {"discharge", Edit(23, "Coefficient of explanation R square is:     n/a"), 7,
         " Dis", Read, "", [](auto&, auto& v) { EXPECT_EQ(v.Trend.RSquare, 0); }},
        {"discharge", asIs, 2, " Dis", NoRows},
        {"prediction", asIs, 3, " Pre", NoRows},
        {"prediction", [](Lines) { return std::string(); }, 5, " Pre", NoRows},
        {"prediction", [](Lines l) { return Joined({l.begin(), l.begin() + 18}) + l[21] + "\n"; },
         2, " Pre", NoRows},
        {"discharge", Edit(20), 1, " Dis", Failed, ends},
        {"discharge", Edit(22), 3, " Dis", Failed, notWhere},
        {"prediction", Edit(21), 2, " Pre", Failed, notWhere},
        {"prediction", Edit(16), 4, " Pre", Failed, ends},
        {"discharge", Edit(19, " 2        2.00      3.00      x.xx      1.20     0.012      0.78     45.10"),
         1, " Dis", Failed, row2},
        {"discharge", Edit(19, " 2        2.00      3.00      2.35      1.20"), 3, " Dis",
         Failed, row2},  // a short row borrows nothing from the next
        {"prediction", Edit(18, " 1.0      1.00     12.50      3.20     0.000      0.50    120.00"), 5,
         " Pre", Failed, row1, [](auto&, auto& v) { EXPECT_EQ(v.MCoeff, 9); }},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.report) + " kind " + std::to_string(c.kind) + " " + c.message);
        TempDir dir;
        TDMOmbrel d;
        ProgramValues v;
        d.ModeTag = c.modeTag;
        d.PredictionMode = true;  // as the probe leaves it for a prediction
        d.LastFileName = dir.Write(
            "r.out", c.edit(LinesOf(DataFile(std::string("reports/") + c.report + ".out"))));
        d.NrOfData = 2;  // an earlier graph's rows
        d.RowCheck = {8, 9};
        d.Graph.Time = {10, 20};
        v.Trend.RSquare = 0.42;
        v.MCoeff = 9;
        RecordingMessages m;
        EXPECT_EQ(ReadGraphData(d, v, *GraphKindFromNumber(c.kind), m), c.outcome);
        const bool failed = c.outcome == Failed;
        EXPECT_EQ(m.messages, failed ? Lines{"The report \"" + d.LastFileName +
                                             "\" is damaged or cut short: " + c.message +
                                             ". The graph is not drawn."}
                                     : Lines{});
        const size_t rows = failed              ? 2
                            : c.outcome == Read ? 3
                                                : 0;  // failed: the earlier rows kept
        EXPECT_EQ((std::tuple{size_t(d.NrOfData), d.Graph.Time.size(), d.RowCheck.size()}),
                  (std::tuple{rows, rows, rows}));
        EXPECT_TRUE(!failed || v.Trend.RSquare == 0.42);
        if (c.expect) c.expect(d, v);
    }
    TDMOmbrel d;
    ProgramValues v;
    RecordingMessages m;
    d.LastFileName = "/nonexistent/gone.out";
    EXPECT_EQ(ReadGraphData(d, v, GraphKind::WaterTable, m), Failed);
    EXPECT_EQ(d.NrOfData, 0);  // a fresh data set holds no rows, and a failed read adds none
    EXPECT_EQ(m.messages,
              Lines{"The file \"/nonexistent/gone.out\"could not be opened. It may be damaged,  "
                    "not created due to inadequateinput data, or in use by another program."});
}

TEST(GraphReportProbe, TellsTheReportKindsApartAndEveryReportIsReadWhole) {
    const std::tuple<std::string, const char*, const char*, bool> cases[] = {
        // tag, title, prediction
        {DataFile("reports/discharge.out"), "----", "Polder Oost, winter 1998", false},
        {Replaced(DataFile("reports/head.out"), "\n", "\r\n"), "RECO", "Field 7, tube B", false},
        {DataFile("reports/prediction.out"), "PRED", "Polder West prediction", true},
        {"", "", "", false},
        {"THE RESULTS OF Tervala PROGRAM\n\nonly a title\n", "", "only a title", false}};
    for (const auto& [text, tag, title, prediction] : cases) {
        TempDir dir;
        TDMOmbrel d;
        d.DischargeMode = d.HeadMode = true;
        d.LastFileName = dir.Write("r.out", text);
        RecordingMessages m;
        ASSERT_TRUE(ProbeGraphReport(d, m));
        // The tag goes with the flags: a Save/Run after viewing a prediction's
        // graphs wrote an analysis heading over a prediction, which no reader took.
        EXPECT_EQ((std::tuple{d.GraphTag, d.Title1, d.PredictionMode, d.DischargeMode, d.HeadMode,
                              d.ModeTag, m.messages.size()}),
                  (std::tuple{tag, title, prediction, !prediction, !prediction,
                              prediction ? " Pre" : "", size_t{0}}));
    }
    TempDir dir;
    TDMOmbrel gone;  // nothing changes
    gone.LastFileName = dir.File("gone.out"), gone.Title1 = "kept";
    RecordingMessages m;
    EXPECT_FALSE(ProbeGraphReport(gone, m));
    EXPECT_EQ((std::pair{m.messages.size(), gone.Title1}),
              (std::pair{size_t{1}, std::string("kept")}));
    // The reports the engine writes give every row to each of their graphs: the golden ones
    // and, a regression, hourly series in seconds (from row 278 the time filled its field and
    // ran into the serial number, and every graph called the report damaged).
    for (const auto& [name, tag, rows, report] :
         {std::tuple{"serials", "----", 3, DataFile("golden/serials.out", "x.inp")},
          {"twelve", "----", 12, DataFile("golden/twelve.out", "x.inp")},
          {"head3", "RECO", 3, DataFile("golden/head3.out", "x.inp")},
          {"prediction3", "PRED", 3, DataFile("golden/prediction3.out", "x.inp")},
          {"hourly prediction", "PRED", 300, HourlyReport(dir, "prediction3", 300, 0)},
          {"hourly discharge", "----", 12, HourlyReport(dir, "serials", 12, 275)},
          {"hourly head", "RECO", 12, HourlyReport(dir, "head3", 12, 275)}}) {
        TDMOmbrel d;
        ProgramValues v;
        RecordingMessages m;
        d.LastFileName = dir.Write("r.out", report);
        EXPECT_TRUE(ProbeGraphReport(d, m) && d.GraphTag == tag);
        d.ModeTag = d.GraphTag == "RECO" ? " Hyd" : " Dis";
        for (int k : d.GraphTag == "PRED" ? std::vector{2, 4, 5} : std::vector{1, 3, 7, 8, 9}) {
            const GraphKind kind = *GraphKindFromNumber(k);
            EXPECT_EQ(ReadGraphData(d, v, kind, m), GraphReadOutcome::Read);
            RecordingSurface surface;
            EXPECT_TRUE(d.NrOfData == rows && DrawGraph(surface, GraphInput{d, v, kind}).HasRows)
                << name << " kind " << k;
        }
        EXPECT_TRUE(m.messages.empty()) << name;
    }
}

TEST(FitTrendReader, TheQuadraticTrendOfLineFiveAndItsFlag) {
    TempDir dir;
    TDMOmbrel d;
    d.LastFileName = dir.File("polder.out");
    d.FileName = dir.File("picture.bmp");  // a saved graph was opened: the report's fit file still
    Lines fit = LinesOf(DataFile("reports/discharge.dat"));
    TrendResults t;
    RecordingMessages m;
    for (const auto& [flag, valid] : {std::pair{"1", true}, {"0", false}, {"", true}}) {
        fit[6] = std::string("Q= ") + flag;
        dir.Write("polder.dat", Joined(fit, "\r\n"));
        ASSERT_TRUE(ReadFitTrend(d, t, m));
        EXPECT_EQ((std::tuple{t.TrendValid, t.TrendA, t.TrendB, t.TrendC}),
                  (std::tuple{valid, -0.0025, 0.184, 0.155}));
    }
    fit[4] = "A= -0.00250 B=  ------- C=  0.15500";  // damaged, then missing: told, the trend kept
    dir.Write("polder.dat", Joined(fit));
    EXPECT_FALSE(ReadFitTrend(d, t, m));
    std::filesystem::remove(dir.File("polder.dat"));
    EXPECT_FALSE(ReadFitTrend(d, t, m));
    EXPECT_EQ(t.TrendA, -0.0025);
    ASSERT_EQ(m.messages.size(), 2u);
    EXPECT_EQ(
        m.messages[0],
        "The fit file \"" + dir.File("polder.dat") +
            "\" is damaged: its trend coefficients could not be read. The graph is not drawn.");
}

TEST(ReportLoading, TheLinesTheOutputTabShows) {
    // clang-format off
    const std::tuple<const char*, Lines, const char*> cases[] = {  // the mode tag after " Dis"
        {"Discharge\r\n line two \r\n\r\nlast\r\n", {"Discharge", " line two ", "", "last"}, " Dis"},
        {"one\ntwo", {"one", "two"}, " Dis"}, {"Hydraulic Head simulation\r\n", {"Hydraulic Head simulation"}, " Dis"},
        {"Polder\r\nHydraulic Head simulation\r\n", {"Polder", "Hydraulic Head simulation"}, " Hyd"}, {"", {}, " Dis"}};
    // clang-format on
    TempDir dir;
    for (const auto& [text, lines, tag] : cases) {
        TDMOmbrel d;
        d.ModeTag = " Dis";
        d.OutputLines = {"old"};
        RecordingMessages m;
        EXPECT_TRUE(LoadReport(d, dir.Write("a.out", text), m));
        EXPECT_EQ((std::tuple{d.OutputLines, d.OutputLineCount, d.ModeTag}),
                  (std::tuple{lines, int(lines.size()), tag}));
    }
    TDMOmbrel d;
    d.OutputLineCount = 2;
    RecordingMessages m;
    EXPECT_FALSE(LoadReport(d, dir.path().string(), m));
    EXPECT_EQ((std::pair{m.messages, d.OutputLineCount}),
              (std::pair{Lines{"The file \"" + dir.path().string() +
                               "\" could not be opened.  It may be damaged,  not "
                               "created due to inadequate input data,  in use by another program."},
                         2}));
}

}  // namespace
}  // namespace tervala

// The engine from a saved input file to its report, as Save/Run and the batch
// run it: the golden cases of tests/data byte for byte, refusals, file errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sstream>

#include "engine/analysis_loading.h"
#include "engine/engine_file_error.h"
#include "engine/run_selected_mode.h"
#include "model/input_file.h"
#include "tests/support/test_support.h"

namespace tervala {
namespace {

using namespace testing;
using Edits = std::vector<std::pair<std::string, std::string>>;

// An input file run as Save/Run runs it after saving; the data set is the
// one "Open input" makes of the file (a head file in head mode again). An
// older report lies where the report goes.
struct EngineRun {
    TempDir dir;
    Session s;
    RecordingMessages m;
    RecordingProgress progress;
    std::vector<int> pauses;
    std::string input = dir.File("field.inp");
    std::string error;  // of an EngineFileError
    RunOutcome outcome;
    RunVerdict verdict = RunVerdict::Refused;

    EngineRun(const std::string& text, const std::function<void(Session&)>& prepare = {},
              bool referenceLoop = false, size_t stopAfter = SIZE_MAX) {
        WriteBytes(input, text);
        WriteBytes(dir.File("field.out"), "older report\n");
        TDMOmbrel& dm = s.DMOmbrel;
        dm.FileName = input;
        ReadInputFile(dm, s.Values, m);
        const std::string tag = text.substr(text.find('\n') + 1, 4);
        std::tie(dm.ModeTag, dm.DischargeMode, dm.HeadMode, dm.PredictionMode) =
            std::tuple{tag, tag == kDischargeTag, tag == kHeadTag, tag == kPredictionTag};
        if (prepare) prepare(s);
        m.messages.clear();
        progress.stopAfter = stopAfter;
        SearchOptions options;
        options.referenceLoop = referenceLoop;
        try {
            outcome = RunSelectedMode(
                s, m, progress, [this](int ms) { pauses.push_back(ms); }, options);
            verdict = JudgeRun(s, outcome);
        } catch (const EngineFileError& e) {
            error = e.what();
        }
    }
    std::string Report() const { return ReadBytes(dir.File("field.out")); }
    // Report lines 19 on: the rows of a prediction.
    std::vector<std::string> Rows() const {
        std::vector<std::string> lines;
        std::istringstream in(Report());
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return std::vector<std::string>(lines.begin() + 18, lines.end() - 1);
    }
};

// The header of a golden input with `edits` made, then `rows`.
std::string Input(const char* golden, const std::vector<std::string>& rows,
                  const Edits& edits = {}) {
    std::string t = DataFile(std::string("golden/") + golden + ".inp", "x");
    t.resize(t.find('\n', t.find("\r\n -", t.find("\r\n -") + 1) + 2) + 1);
    for (const auto& [from, to] : edits) t = Replaced(t, from, to);
    for (const std::string& r : rows) t += r + "\r\n";
    return t;
}

std::string Str(int k) { return std::to_string(k); }

// Rows "k" + row(k) for k = 1 .. n.
std::vector<std::string> Numbered(int n, const std::function<std::string(int)>& row) {
    std::vector<std::string> rows;
    for (int k = 1; k <= n; ++k) rows.push_back(std::to_string(k) + " " + row(k));
    return rows;
}

TEST(EngineRun, GoldenCasesGiveTheirReportsAndFitFilesByteForByte) {
    std::vector<std::string> searchLines = {" Please wait ....."};
    for (int p = 20; p <= 90; p += 10) searchLines.push_back(" Progress " + Str(p) + "% ....");
    const struct {
        const char* name;
        std::vector<std::string> messages;
        bool referenceLoop;               // the plain grid loop as well, which must write the same
    } cases[] = {{"serials", {}, false},  // every grid point ties: the first one wins
                 {"twelve", {}, true},    // an interior winner
                 {"hump",
                  {"The quadratic trend of the relation between rainfall and runoff data shows an "
                   "inconsistency, see the. output graphics. The model may not fit perfectly."},
                  false},
                 {"head3", {}, false},
                 {"prediction3", {}, false}};
    for (const auto& c : cases) {
        for (bool reference : {false, c.referenceLoop}) {
            SCOPED_TRACE(std::string(c.name) + (reference ? " (plain loop)" : ""));
            EngineRun r(DataFile(std::string("golden/") + c.name + ".inp", "x"), {}, reference);
            const std::string golden = std::string("golden/") + c.name;
            const bool prediction = r.s.DMOmbrel.PredictionMode;
            EXPECT_EQ((std::tuple{r.error, r.verdict, r.m.messages}),
                      (std::tuple{"", RunVerdict::Good, c.messages}));
            EXPECT_EQ(r.Report(), DataFile(golden + ".out", r.input));
            EXPECT_EQ(ReadBytes(r.dir.File("field.dat")),
                      prediction ? "" : DataFile(golden + ".dat"));
            const std::vector<std::string> lines =
                prediction ? std::vector<std::string>{" Calculating .....", " Progress 75% ...."}
                           : searchLines;
            EXPECT_EQ(
                (std::tuple{r.s.DMOmbrel.FileName, r.progress.lines, r.pauses, r.outcome.Report}),
                (std::tuple{r.input, lines, std::vector<int>(prediction ? 2 : 1, 500),
                            prediction              ? DataMode::Prediction
                            : r.s.DMOmbrel.HeadMode ? DataMode::HeadAnalysis
                                                    : DataMode::DischargeAnalysis}));
            if (prediction) continue;
            // A prediction that follows starts from the alpha function found.
            EXPECT_EQ((std::tuple{r.s.Values.MCoeff, r.s.Values.NValue, r.progress.rowCount}),
                      (std::tuple{r.s.Analysis.AlphaSlope, r.s.Analysis.AlphaIntercept,
                                  r.s.Analysis.RowCount}));
            EXPECT_NE(r.s.Values.MCoeff, 0);
        }
    }
    // The trend follows the analysis run, not a tag a head report left
    // behind: it was fitted to the head series, empty in a discharge analysis.
    EngineRun hump(DataFile("golden/hump.inp", "x"),
                   [](Session& s) { s.DMOmbrel.ModeTag = " Hyd"; });
    EXPECT_EQ(ReadBytes(hump.dir.File("field.dat")), DataFile("golden/hump.dat"));
}

// The flags a caller tests, as text: those that are set.
std::string SetFlags(const Session& s) {
    const std::pair<bool, const char*> flags[] = {
        {s.Flags.AnalysisOk, "AnalysisOk "},     {s.Flags.MaxStoOk, "MaxStoOk "},
        {s.Flags.TimeSeqError, "TimeSeqError "}, {s.Flags.PredTimeError, "PredTimeError "},
        {s.Flags.PredNoData, "PredNoData "},     {s.DMOmbrel.RunFailed, "RunFailed "}};
    std::string t;
    for (const auto& [set, name] : flags) t += set ? name : "";
    return t;
}

TEST(EngineRun, RefusalsTellWhyAndWriteNoReport) {
    const std::string noRunoff =
        "There is no variation in runoff values. Rainfall-Discharge analysis cannot be made";
    const std::string noTime = "There is no variation in time The hydrograph cannot be made";
    const std::string pred = "MaxStoOk PredNoData ", failed = "MaxStoOk RunFailed ";
    const std::vector<std::string> twoRows = {"1 1 40 5", "2 2 0 5"};
    const std::string tooLarge =
        "Some data values are too large: the calculation goes beyond the largest real number the "
        "program can handle. No output has been written";
    const struct {
        std::string text, message, flags;
        RunVerdict verdict = RunVerdict::Refused;
        std::function<void(Session&)> prepare = {};
    } cases[] = {
        // clang-format off
        {Input("serials", {"1 1 40 2 3", "2 2 0 5 3", "3 3 10 5 3"}), noRunoff, "RunFailed "},
        {Input("serials", {"1 1 40 2 0", "2 2 0 5 0.0001"}), noRunoff, "RunFailed "},  // floored
        {Input("serials", {"1 1 40 2 3", "2 1 0 5 3"}), noRunoff, "RunFailed "},  // before time
        {Input("serials", {"1 2 40 2 3", "2 2 0 5 2"}),
         "There is no variation in time Rainfall-Discharge analysis cannot be made", "RunFailed "},
        {Input("serials", {"1 1 40 2 3", "2 2 0 5 2", "3 2.5 0 5 2", "4 2.4 0 5 2"}),
         "Incorrect time sequence encountered. Please correct the input file",
         "AnalysisOk MaxStoOk TimeSeqError ", RunVerdict::Failed},
        {Input("serials", {"1 1 40 2 3", "2 2 0 5 2"}, {{"   50.00", "    0.00"}}),
         "The Maximum Storage must be > 0", "AnalysisOk ", RunVerdict::Failed},
        {Input("serials", Numbered(1502, [](int k) { return Str(k) + " 1 0.5 " + Str(k % 3); })),
         "The input file holds 1502 data rows; an analysis can take at most 1501 rows.", "RunFailed "},
        {Input("head3", {"1 1 40 2 500", "2 2 0 5 500"}),
         "There is no variation in water level values. Rainfall-Hydr.Head analysis cannot be made",
         "RunFailed "},
        {Input("prediction3", Numbered(502, [](int k) { return Str(k) + " 1 2"; })),
         "The input file \"@\" holds more than 501 data rows. A prediction can be made for at most 501 rows",
         pred},
        {Input("prediction3", twoRows, {{" Linear", " Exponential"}}),
         "The input file \"@\" holds no linear alpha function (line 11 does not start with \" Lin\"). "
         "The prediction cannot be made", pred},
        {Input("prediction3", twoRows, {{"   50.00", "  -10.00"}}), "The Maximum Storage must be > 0",
         "PredNoData "},
        {Input("prediction3", twoRows, {{"   10.00", "    0.00"}}), "The Effective porosity must be > 0", pred},
        {Input("prediction3", {"1 1.0000 1 5", "2 1.0009 1 5"}), noTime, pred},  // within a thousandth
        {Input("prediction3", {"1 1 40 5"}), noTime, pred},
        {Input("prediction3", {}), noTime, pred},
        {Input("prediction3", {"1 1 40 5", "2 2 0 5", "3 2 10 5"}),
         "Incorrect time sequence encountered Please correct the input file", "MaxStoOk PredTimeError "},
        {Input("prediction3", {"1 1 40 5", "2 2 0 5", "3 3 10 5"}),
         "The data set holds 1 escape rates for the 3 data rows of the input file. The prediction "
         "cannot be made; please save the input data again", pred, RunVerdict::Refused,
         [](Session& s) { s.DMOmbrel.EscData.resize(1); }},
        // Regression: arithmetic beyond the largest double wrote "+Inf" and "Nan" into a good
        // report, or into the fit file; refused when loaded or after the search.
        {Input("serials", {"1 1 1.7E+308 2 3", "2 2 1.7E+308 5 2", "3 3 10 5 1"}), tooLarge, failed},
        {Input("serials", {"1 1 40 2 1E+308", "2 2 0 5 2", "3 3 10 5 1E+308"}), tooLarge, failed},
        {Input("head3", {"1 1 1.7E+308 2 500", "2 2 1.7E+308 5 420", "3 3 10 5 380"}), tooLarge, failed},
        {Input("prediction3", {"1 1 1.7E+308 5", "2 2 1.7E+308 5", "3 3 10 5"}), tooLarge, pred},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        EngineRun r(c.text, [&](Session& s) {
            s.Values.MCoeff = 9;  // a refused prediction file changes nothing
            if (c.prepare) c.prepare(s);
        });
        EXPECT_EQ(r.error, "");
        EXPECT_EQ(r.m.messages, std::vector<std::string>{Replaced(c.message, "@", r.input)});
        EXPECT_EQ((std::pair{r.verdict, SetFlags(r.s)}), (std::pair{c.verdict, c.flags}));
        EXPECT_EQ(r.Report(), "older report\n");
        EXPECT_EQ(r.dir.Names(), (std::vector<std::string>{"field.inp", "field.out"}));
        EXPECT_TRUE(c.verdict == RunVerdict::Failed || r.pauses.empty());
        EXPECT_TRUE(c.message.find('@') == std::string::npos || r.s.Values.MCoeff == 9);
    }
    // A refusal does not stick: a good run after it clears the flags.
    EngineRun good(DataFile("golden/prediction3.inp", "x"),
                   [](Session& s) { s.Flags.PredNoData = s.Flags.PredTimeError = true; });
    EXPECT_EQ(good.verdict, RunVerdict::Good);
}

// A run asked to stop, as when the user ends the program during the search:
// the search, plain loop or fast, stops at its next progress point on every
// thread, says it stopped, and writes neither report nor fit file. The plain
// loop is stopped after its first line, which it must not follow with
// another; the fast searches, whose workers may run ahead of the lines, from
// the start.
TEST(EngineRun, AStoppedRunWritesNoReport) {
    for (auto [golden, reference, after] : {std::tuple{"twelve", true, 1u},
                                            {"twelve", false, 0u},
                                            {"head3", true, 0u},
                                            {"head3", false, 0u}}) {
        EngineRun r(DataFile(std::string("golden/") + golden + ".inp", "x"), {}, reference, after);
        EXPECT_EQ(
            (std::tuple{r.s.Flags.RunStopped, r.verdict, r.outcome.Report.has_value(),
                        r.pauses.size(), r.progress.lines.size(), r.m.messages.size(), r.Report()}),
            (std::tuple{true, RunVerdict::Stopped, false, 0u, size_t{after}, 0u, "older report\n"}))
            << golden << reference;
        EXPECT_EQ(r.dir.Names(), (std::vector<std::string>{"field.inp", "field.out"}));
    }
}

TEST(EngineRun, FilesTheEngineCannotReadOrWriteRaiseAFileError) {
    const std::string analysisRow =
        "\" is no data row of an analysis: it needs a whole serial number, time, rain, escape "
        "rate and observed value";
    const std::string predictionRow =
        "\" is no data row of a prediction: it needs a whole serial number, time and rain";
    const std::pair<std::string, std::string> cases[] = {
        // clang-format off
        {Input("serials", {"1 1 40 2 3", "2 2 0 2"}), "Line 16 of the input file \"@" + analysisRow},
        {Input("serials", {"1 1 40 2 3"}, {{"   20.00", "   fifty"}}),
         "Line 9 of the input file \"@\" holds no number after its label"},
        {Input("prediction3", {"1 1 40 5", "2 two 0 5"}), "Line 22 of the input file \"@" + predictionRow},
        {Input("prediction3", {"1 1 40 5", "2 2"}), "Line 22 of the input file \"@" + predictionRow},
        {Input("prediction3", {}, {{"1.0000E-001", "missing"}}),
         "Line 13 of the input file \"@\" holds no number after its label"},
        {Input("prediction3", {}).substr(0, Input("prediction3", {}).find(" Initial runoff")),
         "The input file \"@\" ends before line 15 of its header"},
        // clang-format on
    };
    for (const auto& [text, error] : cases) {
        EngineRun r(text, [](Session& s) {
            s.DMOmbrel.NrOfData = 3;
            s.DMOmbrel.EscData = {5, 5, 5};
            s.Values.MCoeff = 9;
        });
        EXPECT_EQ(r.error, Replaced(error, "@", r.input));
        EXPECT_EQ((std::tuple{r.m.messages.size(), r.Report(), r.s.Values.MCoeff}),
                  (std::tuple{size_t{0}, "older report\n", 9.0}));
        EXPECT_EQ(r.s.Flags.PredNoData, r.s.DMOmbrel.PredictionMode);
    }
    // Nothing may stand where the report goes.
    for (const char* name : {"golden/serials.inp", "golden/prediction3.inp"}) {
        EngineRun r(DataFile(name, "x"), [](Session& s) {
            std::filesystem::remove(ReplaceExtension(s.DMOmbrel.FileName, ".out"));
            std::filesystem::create_directory(ReplaceExtension(s.DMOmbrel.FileName, ".out"));
        });
        EXPECT_EQ(r.error, "The file \"" + r.dir.File("field.out") + "\" could not be written");
        EXPECT_EQ(r.s.DMOmbrel.FileName, r.input);
    }
}

TEST(PredictionRun, TheFileAndTheDataSetEachGiveTheirPart) {
    // The file gives alpha, initial values and titles (M -250, N 0.03, start
    // 0.25 and 75); the data set its escape rates (0: all 10 mm of row 3
    // overflow) and keeps its porosity field.
    EngineRun r(Input("prediction3", {"1 1 40 5", "2 2 0 5", "3 3 10 5"},
                      {{"5.0000E-001", "-2.5000E+002"},
                       {"1.0000E-001", "3.0000E-002"},
                       {"Second title", ""},
                       {"    1.00\r\n", " 2.5E-0001\r\n"},
                       {"  100.00", "   75.00"}}),
                [](Session& s) {
                    s.DMOmbrel.EscData = {0, 0, 0};
                    s.DMOmbrel.Porosity = 22;
                });
    ASSERT_EQ(r.verdict, RunVerdict::Good);
    EXPECT_EQ((std::tuple{r.s.Values.MCoeff, r.s.Values.NValue, r.s.DMOmbrel.RunIni,
                          r.s.DMOmbrel.HeadIni, r.s.DMOmbrel.Title2, r.s.DMOmbrel.Porosity}),
              (std::tuple{-250.0, 0.03, 0.25, 75.0, "", 22.0}));
    EXPECT_NE(r.Report().find("\nM =-250.00000 N =   0.03000\n"), std::string::npos);
    EXPECT_EQ(r.Rows()[2].substr(0, 34), "   3      3.00     10.00     10.00");
}

TEST(PredictionRun, FiveHundredAndOneRowsWithTheirSerialsInColumnFour) {
    // Times below 1 come in the exponent form the program writes.
    EngineRun r(Input("prediction3", Numbered(501, [](int k) {
                          return (k == 1 ? "5.000E-0001" : Str(k)) + " " + Str(k % 7) + " 2";
                      })));
    ASSERT_EQ(r.verdict, RunVerdict::Good);
    const std::vector<std::string> rows = r.Rows();
    ASSERT_EQ(rows.size(), 501u);
    EXPECT_EQ(rows[0].substr(0, 14), "   1      0.50");
    for (int serial : {9, 10, 99, 100, 499, 500, 501}) {
        std::string expected = std::to_string(serial);
        EXPECT_EQ(rows[serial - 1].substr(0, 4), expected.insert(0, 4 - expected.size(), ' '));
    }
    // A time variation of a thousandth is variation enough; line feeds
    // alone and a table without its empty line read the same.
    EXPECT_EQ(EngineRun(Input("prediction3", {"1 0 1 5", "2 0.001 1 5"})).verdict,
              RunVerdict::Good);
    const std::string text = Replaced(
        Replaced(DataFile("golden/prediction3.inp", "x"), "\r\n\r\n -", "\r\n -"), "\r\n", "\n");
    EngineRun lf(text + "\n  \n", [](Session& s) {
        s.DMOmbrel.NrOfData = 3;
        s.DMOmbrel.EscData = {5, 5, 5};
    });
    EXPECT_EQ(lf.Report(), DataFile("golden/prediction3.out", lf.input));
}

TEST(AnalysisRun, WithoutAWinningGridPointTheTrendLineAndPorosityFactorStay) {
    // Observed = 10 * recharge + 5000 from a full reservoir: every step of
    // every grid point counts 100 000, so no sum falls below the initial 1E6.
    const auto rows =
        Numbered(12, [](int k) { return Str(k) + " " + Str(k) + " 0 " + Str(5000 + 10 * k); });
    EngineRun discharge(
        Input("serials", rows, {{"   50.00", "    5.00"}, {"   20.00", "    5.00"}}));
    EXPECT_EQ(discharge.s.Analysis.BestSsq, 1000000);
    EXPECT_NE(discharge.Report().find("\nA =10.0000  C =5000.0000\n"), std::string::npos);
    // A head of a million mm that stays put while no time passes.
    EngineRun head(Input("head3", {"1 1 1 0 1000000", "2 1 1 0 1", "3 1 1 0 1", "4 2 1 0 1"}));
    EXPECT_EQ(head.s.Analysis.BestSsq, 1000000000);
    EXPECT_NE(head.Report().find("porosity fraction = 5.000\n"), std::string::npos);
}

TEST(AnalysisLoading, TheCapacityOf1501RowsAndSevenCharacterSerials) {
    TempDir dir;
    Session s;
    s.Flags.CheckOnly = true;
    const std::vector<std::string> rows =
        Numbered(1500, [](int k) { return Str(k) + " 1 0.5 " + Str(k % 3); });
    for (const auto& [extra, ok] : {std::pair{"12345678 1501 1 0.5 1\r\n", true},
                                    {"12345678 1501 1 0.5 1\r\n1 1502 1 0.5 1\r\n", false}}) {
        s.DMOmbrel.FileName = dir.Write("big.inp", Input("serials", rows) + extra);
        RecordingMessages m;
        RecordingProgress p;
        LoadAnalysisData(s, AnalysisKind::Discharge, m, p);
        EXPECT_EQ((std::pair{s.Flags.AnalysisOk, m.messages.size()}),
                  (std::pair{ok, size_t{ok ? 0u : 1u}}));
    }
    EXPECT_EQ(s.Analysis.SerialText[1501], "1234567");
    EXPECT_EQ(s.Analysis.RunMeas[3], 0.001);  // observed 0 floored
}

}  // namespace
}  // namespace tervala

// A whole small run, as "tervala-batch run" makes it: any input file of at
// most 60 rows is opened, its mode runs (fast search on one thread), and a
// run that ends well must have written a report (and fit file) free of
// infinities and non-numbers, whose every graph of its kind is read in full
// and drawn.
#include "engine/engine_file_error.h"
#include "engine/run_selected_mode.h"
#include "model/graph_report_probe.h"
#include "model/input_file.h"
#include "model/report_loading.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

namespace {

constexpr int kMostRows = 60;

// Whether the file's lines from `fromLine` on hold the texts of an infinity
// or a non-number ("+Inf", "-Inf", "Nan"); lines above it hold titles and
// file names, which may contain any word.
bool HoldsNonFinite(const std::string& path, int fromLine) {
    const std::string text = fuzz::ReadWholeFile(path);
    size_t start = 0;
    for (int line = 1; line < fromLine && start != std::string::npos; ++line)
        start = text.find('\n', start + 1);
    if (start == std::string::npos) return false;
    return text.find("Inf", start) != std::string::npos ||
           text.find("Nan", start) != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    fuzz::QuietMessages messages;
    Session s;
    TDMOmbrel& dm = s.DMOmbrel;
    dm.FileName = fuzz::WriteFuzzFile("run.inp", input);
    if (!ReadInputFile(dm, s.Values, messages, false).ok || dm.NrOfData > kMostRows) return 0;
    if (input.compare(input.find('\n') + 1, 4, kHeadTag) == 0) {
        // The reader opens a head-analysis file as a prediction; the batch
        // command runs the head analysis it was saved for.
        dm.ModeTag = kHeadTag;
        dm.DischargeMode = dm.PredictionMode = false;
        dm.HeadMode = true;
    }
    const bool prediction = dm.PredictionMode;
    const bool head = dm.HeadMode;

    SilentProgress progress;
    SearchOptions oneThread;
    oneThread.threads = 1;
    s.Flags.CheckOnly = true;
    try {
        if (JudgeRun(s, RunSelectedMode(s, messages, progress, {}, oneThread)) != RunVerdict::Good)
            return 0;
    } catch (const EngineFileError&) {
        return 0;
    }

    const std::string report = fuzz::FuzzPath("run.out");
    Require(!HoldsNonFinite(report, 6), "no infinity or non-number in the report");
    if (!prediction) Require(!HoldsNonFinite(fuzz::FuzzPath("run.dat"), 1), "nor in the fit file");
    TDMOmbrel shown;
    Require(LoadReport(shown, report, messages), "the report is loaded");
    shown.FileName = shown.LastFileName = report;
    Require(ProbeGraphReport(shown, messages), "the report is probed");
    Require(shown.GraphTag == (prediction ? "PRED"
                               : head     ? "RECO"
                                          : "----"),
            "the report offers the graphs of its run");
    for (GraphKind kind : fuzz::kAllGraphs) {
        if (IsAnalysisGraph(kind) == prediction) continue;
        TDMOmbrel drawn = shown;
        ProgramValues values;
        Require(fuzz::ReadAndDraw(drawn, values, kind, messages) == GraphReadOutcome::Read,
                "every graph of the report is read");
        Require(drawn.NrOfData == (prediction ? s.Prediction.PredRowCount : s.Analysis.RowCount),
                "with every row of the run");
    }
    return 0;
}

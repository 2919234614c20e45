#include "engine/analysis.h"

#include "engine/analysis_loading.h"
#include "engine/analysis_report.h"
#include "engine/discharge_search.h"
#include "engine/finite_results.h"
#include "engine/fit_file.h"
#include "engine/head_search.h"

namespace tervala {

namespace {

bool LoadedWell(const Session& s) {
    return s.Flags.AnalysisOk && !s.Flags.TimeSeqError && !s.DMOmbrel.RunFailed &&
           s.Flags.MaxStoOk;
}

// A checking pass, then a computing pass over the same file with the trend
// check, the search, the fit file and the report.
void RunAnalysis(Session& s, AnalysisKind kind, UserMessages& messages, RunProgress& progress,
                 const SearchOptions& options) {
    s.Flags.RunStopped = false;
    const bool head = kind == AnalysisKind::Head;
    LoadAnalysisData(s, kind, messages, progress);
    if (!LoadedWell(s)) return;
    s.Flags.CheckOnly = false;
    LoadAnalysisData(s, kind, messages, progress);
    if (!LoadedWell(s)) return;  // the file changed between the passes
    if (head) {
        SearchAlphaHead(s, progress, options);
    } else {
        SearchAlphaDischarge(s, progress, options);
    }
    // A search stopped on request leaves the report (and the fit file) as they were.
    if (s.Flags.RunStopped) return;
    if (!AnalysisResultsFinite(s, head)) {
        // The arithmetic overflowed: no report or fit file, older ones stay.
        s.DMOmbrel.RunFailed = true;
        s.Flags.AnalysisOk = false;
        messages.ShowMessage(kNotFiniteText);
        return;
    }
    WriteFitFile(s, head);
    if (head) {
        WriteHeadReport(s);
    } else {
        WriteDischargeReport(s);
    }
}

}  // namespace

void RunDischargeAnalysis(Session& s, UserMessages& messages, RunProgress& progress,
                          const SearchOptions& options) {
    RunAnalysis(s, AnalysisKind::Discharge, messages, progress, options);
}

void RunHeadAnalysis(Session& s, UserMessages& messages, RunProgress& progress,
                     const SearchOptions& options) {
    RunAnalysis(s, AnalysisKind::Head, messages, progress, options);
}

}  // namespace tervala

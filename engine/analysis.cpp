#include "engine/analysis.h"

#include "engine/analysis_loading.h"
#include "engine/analysis_report.h"
#include "engine/discharge_search.h"
#include "engine/finite_results.h"
#include "engine/fit_file.h"
#include "engine/fit_statistics.h"
#include "engine/head_search.h"
#include "model/input_file.h"

namespace tervala {

namespace {

bool LoadedWell(const Session& s) {
    return s.Flags.AnalysisOk && !s.Flags.TimeSeqError && !s.DMOmbrel.RunFailed && s.Flags.MaxStoOk;
}

// After the search: the statistics of the reconstruction, the regression of
// alpha on the observed value, the fit file and the report.
void Conclude(Session& s, AnalysisKind kind, UserMessages& messages) {
    AnalysisState& a = s.Analysis;
    const int n = a.RowCount;
    const DataArrayR& observed = kind == AnalysisKind::Discharge ? a.RunMeas : a.HeadMeas;
    s.Values.Trend.RSquare = CoefficientOfExplanation(observed, n, a.SumMeas, a.Ssq);

    // The alpha of a head analysis is regressed on head / 1000, which RunMeas
    // holds from here on.
    if (kind == AnalysisKind::Head) {
        for (int k = 1; k <= n; ++k) a.RunMeas[k] = a.HeadMeas[k] / 1000;
    }
    const Regression alphaFit = FitAlphaFunction(a.RunMeas, a.Alpha, n);
    if (alphaFit.Line) {
        a.AlphaLinA = alphaFit.Line->L1;
        a.AlphaLinC = alphaFit.Line->L0;
    }
    if (alphaFit.Parabola) {
        a.AlphaQuadA = alphaFit.Parabola->Q2;
        a.AlphaQuadB = alphaFit.Parabola->Q1;
        a.AlphaQuadC = alphaFit.Parabola->Q0;
    }
    if (!AnalysisResultsFinite(s, kind)) {
        // The arithmetic overflowed: no report or fit file, older ones stay.
        s.DMOmbrel.RunFailed = true;
        s.Flags.AnalysisOk = false;
        messages.ShowMessage(kNotFiniteText);
        return;
    }
    WriteFitFile(s, kind);

    // Row 1 has no time step and so no alpha of its own.
    a.Alpha[1] = 0;
    // A prediction that follows starts from the alpha function found.
    s.Values.MCoeff = a.AlphaSlope;
    s.Values.NValue = a.AlphaIntercept;
    // The report names the input file used with its usual extension, and so
    // does FileName from now on, whatever extension the file was saved with.
    s.DMOmbrel.FileName = ReplaceExtension(s.DMOmbrel.FileName, ".inp");
    if (kind == AnalysisKind::Discharge) {
        WriteDischargeReport(s);
    } else {
        WriteHeadReport(s);
    }
}

// A checking pass, then a computing pass over the same file with the trend
// check, the search and what follows it.
void RunAnalysis(Session& s, AnalysisKind kind, UserMessages& messages, RunProgress& progress,
                 const SearchOptions& options) {
    s.Flags.RunStopped = false;
    s.Flags.CheckOnly = true;
    LoadAnalysisData(s, kind, messages, progress);
    if (!LoadedWell(s)) return;
    s.Flags.CheckOnly = false;
    LoadAnalysisData(s, kind, messages, progress);
    if (!LoadedWell(s)) return;  // the file changed between the passes
    if (kind == AnalysisKind::Discharge) {
        SearchAlphaDischarge(s, progress, options);
    } else {
        SearchAlphaHead(s, progress, options);
    }
    // A search stopped on request leaves the report and the fit file as they were.
    if (!s.Flags.RunStopped) Conclude(s, kind, messages);
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

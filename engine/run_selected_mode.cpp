#include "engine/run_selected_mode.h"

#include "engine/prediction.h"

namespace tervala {

RunOutcome RunSelectedMode(Session& s, UserMessages& messages, RunProgress& progress,
                           const RunPause& pause, const SearchOptions& options) {
    TDMOmbrel& dm = s.DMOmbrel;
    EngineFlags& f = s.Flags;
    RunOutcome outcome;
    auto wait = [&pause](int milliseconds) {
        if (pause) pause(milliseconds);
    };
    f.RunStopped = false;
    if (dm.DischargeMode) {
        RunDischargeAnalysis(s, messages, progress, options);
        if (!f.AnalysisOk || f.RunStopped) return outcome;
        outcome.Report = DataMode::DischargeAnalysis;
    }
    if (dm.HeadMode) {
        RunHeadAnalysis(s, messages, progress, options);
        if (!f.AnalysisOk || f.RunStopped) return outcome;
        outcome.Report = DataMode::HeadAnalysis;
    }
    if (dm.PredictionMode) {
        f.MaxStoOk = true;
        outcome.Report = DataMode::Prediction;
        RunPrediction(s, messages);
        f.AnalysisOk = !(f.PredTimeError || f.PredNoData);
        if (!f.AnalysisOk) return outcome;
        progress.AddProgressLine(" Calculating .....");
        wait(500);
        progress.AddProgressLine(" Progress 75% ....");
    }
    if (dm.RunFailed) {
        outcome.RunCancelled = true;
        return outcome;
    }
    wait(500);
    outcome.RunCancelled = false;
    return outcome;
}

RunVerdict JudgeRun(Session& s, const RunOutcome& outcome) {
    const EngineFlags& f = s.Flags;
    if (f.RunStopped) return RunVerdict::Stopped;
    if (!f.AnalysisOk) return RunVerdict::Refused;
    // A time going back stops an analysis without a report, even when the
    // rows before it found the maximum storage positive.
    if (!(f.MaxStoOk && !f.PredTimeError && !f.TimeSeqError && !s.DMOmbrel.RunFailed &&
          !outcome.RunCancelled)) {
        s.DMOmbrel.RunFailed = false;
        return RunVerdict::Failed;
    }
    return RunVerdict::Good;
}

}  // namespace tervala

// The discharge and head analyses: alpha of the second reservoir calibrated
// against observed discharge (mm per time unit) or head by an exhaustive grid
// search, the reconstruction, statistics, fit file and report.
#pragma once

#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

struct SearchOptions {
    int threads = 0;  // 0: one per processor the program may use
    // Run the plain grid loop instead of the fast search. Both give the same
    // winner and the same best sum; the plain loop is the reference.
    bool referenceLoop = false;
};

// Run on the input file named by s.DMOmbrel.FileName. The outcome is read from
// s.Flags (AnalysisOk, TimeSeqError, MaxStoOk) and s.DMOmbrel.RunFailed, and
// from the report (".out") and fit file (".dat") written beside the input.
// Like Save/Run, the caller sets s.Flags.CheckOnly before the run, so that the
// first loading pass only checks the data. A file that cannot be read or
// written raises EngineFileError. When `progress` asks the run to stop, the
// search stops at its next progress point, s.Flags.RunStopped is set and
// neither file is written.
void RunDischargeAnalysis(Session& s, UserMessages& messages, RunProgress& progress,
                          const SearchOptions& options = {});
void RunHeadAnalysis(Session& s, UserMessages& messages, RunProgress& progress,
                     const SearchOptions& options = {});

}  // namespace tervala

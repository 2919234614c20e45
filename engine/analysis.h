// The discharge and head analyses: alpha of the second reservoir calibrated
// against observed discharge (mm per time unit) or head by an exhaustive grid
// search, the reconstruction, statistics, fit file and report.
#pragma once

#include "engine/search_grid.h"
#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

// Run on the input file named by s.DMOmbrel.FileName. The outcome is read from
// s.Flags (AnalysisOk, TimeSeqError, MaxStoOk) and s.DMOmbrel.RunFailed, and
// from the report (".out") and fit file (".dat") written beside the input.
// The file is read twice: a first pass (s.Flags.CheckOnly) only checks it, a
// second one fits the trend. A run that writes its report also hands the
// alpha function found to a following prediction (MCoeff, NValue) and leaves
// FileName naming the input with ".inp". A file that cannot be read or
// written raises EngineFileError. When `progress` asks the run to stop, the
// search stops at its next progress point, s.Flags.RunStopped is set and
// neither file is written.
void RunDischargeAnalysis(Session& s, UserMessages& messages, RunProgress& progress,
                          const SearchOptions& options = {});
void RunHeadAnalysis(Session& s, UserMessages& messages, RunProgress& progress,
                     const SearchOptions& options = {});

}  // namespace tervala

// Loading of an analysis: the engine re-reads the input file by line
// position (titles, MaxSto, IniSto in mm, MaxEsc in mm per time unit, then one
// row per line: serial, time, rain, escape rate, observed discharge or head),
// checks the data and computes the first reservoir's recharge.
#pragma once

#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

// Re-reads the file named by s.DMOmbrel.FileName into s.Analysis, floors the
// observed values at 0.001, moves negative escape rates into the rain, runs
// the variation checks and the first reservoir. When s.Flags.CheckOnly is
// false (the computing pass) it also fits the trend of the observed values
// on the recharge, stores it and warns about an inconsistent trend. The outcome is in
// s.Flags.AnalysisOk, TimeSeqError, MaxStoOk and s.DMOmbrel.RunFailed. A file that cannot be
// opened, or a line that cannot be read, raises EngineFileError.
void LoadAnalysisData(Session& s, AnalysisKind kind, UserMessages& messages, RunProgress& progress);

}  // namespace tervala

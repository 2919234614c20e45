// Everything one program (or one batch run, or one test) owns: the data set,
// the program-wide values beside it, and the engine's series and flags.
// Passing this object around, instead of keeping globals, lets the search use
// all cores and keeps tests independent of each other.
#pragma once

#include "engine/analysis_state.h"
#include "engine/engine_flags.h"
#include "engine/prediction_state.h"
#include "model/data_set.h"
#include "model/program_values.h"

namespace tervala {

struct Session {
    TDMOmbrel DMOmbrel;
    ProgramValues Values;
    EngineFlags Flags;
    AnalysisState Analysis;
    PredictionState Prediction;
};

}  // namespace tervala

// Flags through which the engine tells its callers how a run went.
#pragma once

namespace tervala {

struct EngineFlags {
    bool CheckOnly = false;      // the loading pass only validates
    bool AnalysisOk = false;     // the variation checks passed
    bool TimeSeqError = false;   // analysis: a negative time step
    bool MaxStoOk = false;       // analysis: the maximum storage is positive
    bool PredTimeError = false;  // prediction: a time step of 0 or less
    bool PredNoData = false;     // prediction: no usable data (no variation in time, ...)
    bool RunStopped = false;     // analysis: the search stopped on request; nothing was written
};

}  // namespace tervala

// Running the mode the data set is in, right after its input file was saved:
// discharge analysis, head analysis or prediction, with the progress lines
// the user watches meanwhile, and the verdict on how the run went.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "engine/analysis.h"
#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

// Waits the given number of milliseconds between progress lines, so that the
// user can read them; may do nothing.
using RunPause = std::function<void(int milliseconds)>;

struct RunOutcome {
    // The run stopped on a data error or was not good; the window then keeps
    // the Input tab.
    bool RunCancelled = false;
    // The kind of report the run writes, once an analysis has passed its
    // checks and from the start of a prediction: the graph choices of the
    // window follow it.
    std::optional<DataMode> Report;
};

// Runs the mode the flags select: discharge analysis, head analysis,
// prediction, in that order, each set flag its mode. Each analysis checks its
// input file in a pass of its own first (s.Flags.CheckOnly). Reports through
// s.Flags, s.DMOmbrel.RunFailed and the outcome. Files the engine cannot read
// or write raise EngineFileError. A search that `progress` asks to stop ends
// the run at once, with s.Flags.RunStopped set and no report written.
RunOutcome RunSelectedMode(Session& s, UserMessages& messages, RunProgress& progress,
                           const RunPause& pause = {}, const SearchOptions& options = {});

enum class RunVerdict {
    Refused,  // the engine refused the data; its message was shown
    Failed,   // maximum storage not positive, or a data error; RunFailed is cleared
    Stopped,  // the search was asked to stop (the program ends); nothing was written
    Good,     // the report is written
};

// How the run went, from the engine's flags (clears RunFailed after a
// failed run, as the next run starts afresh).
RunVerdict JudgeRun(Session& s, const RunOutcome& outcome);

}  // namespace tervala

// Prediction of drain discharge (mm per time unit) and water table (head
// above drain level) from rain with a given alpha function.
#pragma once

#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

// Run on the input file named by s.DMOmbrel.FileName; the report (".out") is
// written beside it, and FileName then names the input with ".inp". Either of s.Flags.PredTimeError
// and s.Flags.PredNoData set afterwards means that no prediction and no report were made; the user
// has been told why. An input file that cannot be opened or does not hold its
// layout, and a report that cannot be written, raise EngineFileError (with
// PredNoData set), as the analyses do.
void RunPrediction(Session& s, UserMessages& messages);

}  // namespace tervala

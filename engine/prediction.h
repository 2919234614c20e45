// Prediction of drain discharge (mm per time unit) and water table (head
// above drain level) from rain with a given alpha function.
#pragma once

#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

// Run on the input file named by s.DMOmbrel.FileName. Either of
// s.Flags.PredTimeError and s.Flags.PredNoData set afterwards means that no
// prediction and no report were made.
void RunPrediction(Session& s, UserMessages& messages);

}  // namespace tervala

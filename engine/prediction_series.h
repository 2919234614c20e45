// The second (main) reservoir of a prediction: the recharge of the first
// reservoir (mm per step) drains with the reaction factor
// alpha = MCoeff * previous discharge + NValue (per time unit) into the
// predicted discharge (mm per time unit) and water table above drain level
// (head, raised by the recharge spread over 0.8 times the drainable porosity).
#pragma once

#include "engine/session.h"

namespace tervala {

// Fills Alpha, RunPred and HeadPred of s.Prediction for rows 1..PredRowCount
// from its Time and Rech, with MCoeff and NValue of s.Values and RunIni and
// HeadIni of the data set. Expects LoadPredictionData to have succeeded.
void PredictSeries(Session& s);

}  // namespace tervala

// Values near the largest real number (about 1E308) in the rain, escape rate
// or observed data make the reservoirs' arithmetic overflow: a sum or a
// square becomes infinite and what is computed from it is no number at all.
// Such results can be neither written readably nor drawn, so a run whose data
// lead there is refused before any file is written.
#pragma once

#include "engine/session.h"
#include "model/message_texts.h"

namespace tervala {

// Whether the time, rain, escape rates, recharge and observed values of an
// analysis just loaded are all finite (rows 1..RowCount).
bool AnalysisDataFinite(const AnalysisState& a, AnalysisKind kind);
// Whether everything the analysis report and fit file print is finite.
bool AnalysisResultsFinite(const Session& s, AnalysisKind kind);
// Whether everything the prediction report prints is finite.
bool PredictionResultsFinite(const Session& s);

}  // namespace tervala

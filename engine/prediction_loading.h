// Loading a prediction: the saved input file is re-read by its fixed line
// positions (titles, first-reservoir parameters in mm and mm per time unit,
// the linear alpha function, drainable porosity in percent, initial discharge
// and head, then serial, time and rain of each row), the data is checked, and
// the rain is routed through the first reservoir into recharge (mm per step).
#pragma once

#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

// Reads the input file named by s.DMOmbrel.FileName into s.Prediction and,
// once the file has been read in full, replaces Title1, Title2, RunIni and
// HeadIni of the data set and MCoeff and NValue by the file's values. The
// escape rates come from the data set's EscData (the grid values saved with
// the file). Then it checks the data and computes the recharge.
//
// Returns true when the data is ready for PredictSeries. Otherwise the user
// has been told why, and s.Flags.PredNoData (data refused) or
// s.Flags.PredTimeError (a time step of 0 or less) is set. A file that holds
// no linear alpha function or more rows than the prediction holds leaves the
// session as it was apart from the flags. A file that cannot be opened, or
// whose header or rows do not hold their numbers, raises EngineFileError
// after setting PredNoData; the session is otherwise unchanged.
bool LoadPredictionData(Session& s, UserMessages& messages);

}  // namespace tervala

// The report (".out") of a discharge or head analysis: parameters of the
// first reservoir (mm, mm per time unit), the alpha function found, and the
// reconstruction row by row (time, rain, recharge, observed and calculated
// discharge or head, alpha per time unit, storage in mm). The output tab and
// the graphs read it back by line position.
#pragma once

#include "engine/session.h"

namespace tervala {

// Each writes the report beside the input file named by s.DMOmbrel.FileName
// and leaves FileName with the extension ".inp". They copy AlphaSlope and
// AlphaIntercept into MCoeff and NValue, so that a following prediction
// starts from the alpha function found, and set Alpha[1] to 0. Raise
// EngineFileError when the report cannot be written.
void WriteDischargeReport(Session& s);
void WriteHeadReport(Session& s);

}  // namespace tervala

// The report (".out") of a discharge or head analysis: parameters of the
// first reservoir (mm, mm per time unit), the alpha function found, and the
// reconstruction row by row (time, rain, recharge, observed and calculated
// discharge or head, alpha per time unit, storage in mm). The output tab and
// the graphs read it back by line position.
#pragma once

#include "engine/session.h"

namespace tervala {

// Each writes the report beside the input file named by s.DMOmbrel.FileName,
// under its base name with ".out", and prints FileName as the input file
// used. Raise EngineFileError when the report cannot be written.
void WriteDischargeReport(const Session& s);
void WriteHeadReport(const Session& s);

}  // namespace tervala

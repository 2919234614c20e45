// The fit file (".dat") of an analysis: the linear and quadratic trend of the
// observed discharge (mm per time unit) or head on the recharge, and the
// quadratic regression of alpha on the observed value. The graphs read it
// back by position.
#pragma once

#include "engine/session.h"

namespace tervala {

// Writes the fit file beside the input file named by s.DMOmbrel.FileName.
// Raises EngineFileError when it cannot be written.
void WriteFitFile(const Session& s, AnalysisKind kind);

}  // namespace tervala

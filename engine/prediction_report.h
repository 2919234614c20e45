// The prediction report (".out" beside the input file): the first-reservoir
// parameters (mm, mm per time unit), the drainable porosity in percent, the
// alpha function, and per row the time, rain, recharge (mm per time unit),
// alpha (per time unit), predicted discharge (mm per time unit) and head. The
// graphs read it back by line position: "PREDICTION" opens line 14 and the
// rows start on the fifth line after it.
#pragma once

#include <string>

#include "engine/session.h"

namespace tervala {

// The lines of the report, without line ends; `inputFileName` is printed as
// the input file used.
LineSet PredictionReportLines(const Session& s, const std::string& inputFileName);

// Writes the report to s.DMOmbrel.FileName with the extension ".out", each
// line ended by the platform's line break, replacing an older report; line 5
// prints FileName as the input file used. Raises EngineFileError when the
// file cannot be written.
void WritePredictionReport(const Session& s);

}  // namespace tervala

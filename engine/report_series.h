// Every series of a report (".out"), read back with the readers the graphs
// use, for export to a spreadsheet. Analysis reports give time, rain plus
// irrigation, recharge, observed and calculated discharge (mm per time unit)
// or head (mm), and alpha (per time unit); prediction reports give time, rain
// plus irrigation, recharge, discharge, head and alpha.
#pragma once

#include <optional>
#include <string>

#include "model/messages.h"
#include "model/series_table.h"

namespace tervala {

// The series of the report `file`, or nothing when it cannot be read or is no
// report of the program (the user has been told why).
std::optional<SeriesTable> ReadReportSeries(const std::string& file, UserMessages& messages);

}  // namespace tervala

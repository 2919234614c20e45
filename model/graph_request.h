// Drawing graph K of a report, as the Graphics tab and `tervala-batch graph`
// ask for it: the report chosen (its lines loaded, as "Open output" and
// "Make graph" load them), then, for the graph, the report probed, a graph
// the report does not offer refused, the fit file read for the trend graph
// and the rows read. The graphs are drawn from the report file, never from
// the engine's memory.
#pragma once

#include <string>

#include "model/data_set.h"
#include "model/graph_kind.h"
#include "model/messages.h"
#include "model/program_values.h"

namespace tervala {

// "Open output" and "Make graph": `path` becomes the data set's file and the
// report the graphs are drawn from, and its lines are loaded into
// OutputLines. False, after telling the user, when it does not exist or
// cannot be read (the lines held before stay).
bool OpenReport(TDMOmbrel& dm, const std::string& path, UserMessages& messages);

enum class GraphRequestOutcome {
    Read,     // the series of the graph are in the data set
    NoRows,   // the report holds no rows for it: the graph says so
    Refused,  // the user has been told why; the series are as they were
};

// The series of graph `kind` of the report named by LastFileName (effects
// as ProbeGraphReport, ReadFitTrend and ReadGraphData have them). Refused
// when the report cannot be read, is no report of the program, does not
// offer the graph, or, for the trend graph, has no fit file that can be read.
GraphRequestOutcome RequestGraph(TDMOmbrel& dm, ProgramValues& values, GraphKind kind,
                                 UserMessages& messages);

}  // namespace tervala

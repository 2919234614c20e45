// Brings the rows of a report back into the data set for one graph: the
// series of times (the user's time unit), rain and recharge (mm per time
// unit), observed and calculated runoff or head, alpha, and the predicted
// discharge and head, with the few single values a graph shows (R square of
// an analysis, the alpha function of a prediction).
#pragma once

#include "model/data_set.h"
#include "model/graph_kind.h"
#include "model/messages.h"
#include "model/program_values.h"

namespace tervala {

enum class GraphReadOutcome {
    Read,    // the rows are in the data set
    NoRows,  // the report holds no rows for this graph (or not the table it needs):
             // the graph series and NrOfData are empty, the graph says so
    Failed,  // not opened, or damaged: the user has been told, nothing changed
};

// Reads the report named by LastFileName for the given kind. Analysis kinds
// read the table after the line starting "RECO", prediction kinds the table
// after the line starting "PRED". On success:
//  - NrOfData := rows read; RowCheck := their serial numbers;
//  - Graph series: every column the report kind holds, NrOfData entries each
//    (the others emptied); kind 7 puts the observed values into Time; kind 9
//    of a head analysis (ModeTag " Hyd") fills LastHead with the calculated head;
//  - kinds 1 and 7: values.Trend.RSquare := the report's R square (0 when it
//    cannot be read);
//  - kind 5: values.MCoeff, NValue := the alpha function of the report, and
//    PredictionMode := whether the table heading names a drainage run
//    ("PREDICTION drainage:" does not, so it becomes false).
// The report is read into a copy and the data set changes only when the whole
// table was read.
GraphReadOutcome ReadGraphData(TDMOmbrel& data, ProgramValues& values, GraphKind kind,
                               UserMessages& messages);

}  // namespace tervala

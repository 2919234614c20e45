// Looks at the head of the report chosen for graphs and tells which graphs it
// offers: a discharge analysis ("----"), a head analysis ("RECO") or a
// prediction ("PRED"). Takes the report's two title lines as the titles of the
// graph.
#pragma once

#include "model/data_set.h"
#include "model/messages.h"

namespace tervala {

// Reads the report named by LastFileName.
//  - Title1, Title2 := report lines 3 and 4.
//  - GraphTag := the first four characters of line 15 ("*" of a head report
//    becomes "RECO"), or "PRED" when line 14 starts with "PREDICTION"; a
//    prediction report also switches the data set to prediction mode.
// When the report cannot be opened the user is told so, nothing changes and
// the result is false.
bool ProbeGraphReport(TDMOmbrel& data, UserMessages& messages);

}  // namespace tervala

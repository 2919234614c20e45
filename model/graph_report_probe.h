// Looks at the head of the report chosen for graphs and tells which graphs it
// offers: a discharge analysis ("----"), a head analysis ("RECO") or a
// prediction ("PRED"). Takes the report's two title lines as the titles of the
// graph.
#pragma once

#include <optional>
#include <string>

#include "model/data_set.h"
#include "model/messages.h"

namespace tervala {

// The tags the probe leaves in GraphTag: the start of line 15 of a discharge
// report (its ruler), the start of the reconstruction heading that follows
// the "*" of line 15 in a head report, and the start of line 14 of a
// prediction report. The last two also mark the tables the graph reader reads.
inline constexpr const char* kDischargeReportTag = "----";
inline constexpr const char* kHeadReportTag = "RECO";
inline constexpr const char* kPredictionReportTag = "PRED";

// The kind of report a tag stands for, or nothing for a file that is no
// report of the program.
std::optional<DataMode> ReportModeOfTag(const std::string& graphTag);

// Reads the report named by LastFileName.
//  - Title1, Title2 := report lines 3 and 4.
//  - GraphTag := the first four characters of line 15 ("*" of a head report
//    becomes kHeadReportTag), or kPredictionReportTag when line 14 starts
//    with "PREDICTION"; a prediction report also puts the data set in
//    prediction mode.
// When the report cannot be opened the user is told so, nothing changes and
// the result is false.
bool ProbeGraphReport(TDMOmbrel& data, UserMessages& messages);

}  // namespace tervala

// Loading a report file (".out") into the data set's report lines: the text
// the Output tab shows and the graph commands read back. A report of a head
// analysis is known by its second line and sets the mode tag the graphs use.
#pragma once

#include <string>

#include "model/data_set.h"
#include "model/messages.h"

namespace tervala {

// "The file "<file>" could not be opened.  It may be damaged,  not created due
// to inadequate input data,  in use by another program."
std::string ReportNotOpenedText(const std::string& fileName);

// Reads every line of `fileName` (CR LF or LF line ends, removed) into
// dm.OutputLines and their number into dm.OutputLineCount; when line 2 is
// "Hydraulic Head simulation" dm.ModeTag becomes " Hyd". A file that cannot be
// opened or read is answered with ReportNotOpenedText and leaves the data set
// as it was; the result is then false.
bool LoadReport(TDMOmbrel& dm, const std::string& fileName, UserMessages& messages);

}  // namespace tervala

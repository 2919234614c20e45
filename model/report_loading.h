// Loading a report file (".out") into the data set's report lines: the text
// the Output tab shows and the graph commands read back. A report of a head
// analysis is known by its second line and sets the mode tag the graphs use.
#pragma once

#include <string>

#include "model/data_set.h"
#include "model/messages.h"

namespace tervala {

// Reads every line of `fileName` (CR LF or LF line ends, removed) into
// dm.OutputLines and their number into dm.OutputLineCount; when line 2 is
// "Hydraulic Head simulation" dm.ModeTag becomes " Hyd". A file that cannot be
// opened or read is answered with ReportNotOpenedText (model/message_texts.h) and leaves the data
// set as it was; the result is then false.
bool LoadReport(TDMOmbrel& dm, const std::string& fileName, UserMessages& messages);

}  // namespace tervala

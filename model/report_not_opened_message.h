// The message that tells the user a report (".out") or the fit file (".dat")
// beside it could not be opened for the graphs.
#pragma once

#include <string>

namespace tervala {

// "The file "<name>"could not be opened. It may be damaged,  not created due
// to inadequateinput data, or in use by another program." (the program's own
// wording, spacing included).
inline std::string ReportNotOpenedMessage(const std::string& name) {
    return "The file \"" + name + "\"could not be opened." +
           " It may be damaged,  not created due to inadequate" +
           "input data, or in use by another program.";
}

}  // namespace tervala

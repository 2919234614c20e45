// Opening the files the graphs are drawn from (a report ".out" or the fit
// file ".dat" beside it): the whole text, read at once, or the message that
// tells the user the file could not be opened.
#pragma once

#include <optional>
#include <string>

namespace tervala {

// The file's text, or nothing when it does not exist, is a folder or cannot
// be read.
std::optional<std::string> LoadGraphFileText(const std::string& path);

// "The file "<name>"could not be opened. It may be damaged,  not created due
// to inadequateinput data, or in use by another program." (the program's own
// wording, spacing included).
std::string ReportNotOpenedMessage(const std::string& name);

}  // namespace tervala

// Where the program's own files lie and where a user's files go. The program
// finds its folders from the folder of its executable at run time, so it runs
// alike from the build folder and from any installation prefix, with no
// folder of the build compiled in. The example data sets stay as installed:
// nothing the user makes is saved among them.
#pragma once

#include <optional>
#include <string>

namespace tervala {

// The folder of the example data sets: <prefix>/share/tervala/Data beside an
// installed program, or the build folder's link "Data" to the examples of the
// source tree. Empty when neither exists.
std::string ExamplesFolder();

// True when `path` (a file or a folder) lies in the examples folder.
bool InExamplesFolder(const std::string& path);

// The message refusing to write `file` because it lies in the examples
// folder, or nothing when the file may be written.
std::optional<std::string> ExamplesKeptRefusal(const std::string& file);

// The folder a save dialog opens in: `folder` when a user's file may go
// there, otherwise the user's documents folder (the home folder when there is
// none). Saving after opening an example thus proposes a folder of the user's.
std::string FolderForSaving(const std::string& folder);

}  // namespace tervala

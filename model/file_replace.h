// Writing a file of the program as a whole: the text goes to a temporary
// file beside the target, which then takes the target's place. A write that
// fails half-way (disk full, removed folder) leaves the old file, or none,
// never a half-written one that a later run would read.
#pragma once

#include <string>

namespace tervala {

// True when `path` now holds exactly `content`; false leaves `path` as it was.
bool ReplaceFileContent(const std::string& path, const std::string& content);

}  // namespace tervala

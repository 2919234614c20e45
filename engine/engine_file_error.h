// A file the engine needs could not be read or written: the input file it
// re-reads by line position, or a report or fit file it writes. The window
// shows the text as its general error display does; the batch command prints
// it and exits with its file-error code.
#pragma once

#include <stdexcept>
#include <string>

namespace tervala {

class EngineFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace tervala

// Every modal question and file dialog of the windows goes through this
// interface. The program uses QtDialogs (message boxes and file dialogs);
// tests hand in a scripted implementation, so nothing ever waits for a person.
#pragma once

#include <optional>
#include <string>

#include "model/messages.h"

namespace tervala {

struct FileDialogRequest {
    std::string title;
    std::string filter;            // e.g. "Input files (*.inp)"
    std::string defaultExtension;  // without the dot, e.g. "inp"
    std::string initialFolder;
    std::string initialName;
};

class Dialogs : public UserMessages {
public:
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
};

}  // namespace tervala

// Every modal question and file dialog of the windows goes through this
// interface. The program uses QtDialogs (message boxes and file dialogs);
// tests hand in a scripted implementation, so nothing ever waits for a person.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/messages.h"

namespace tervala {

struct FileDialogRequest {
    std::string Title;
    std::string Filter;            // e.g. "Input files (*.inp)"
    std::string DefaultExtension;  // without the dot, e.g. "inp"
    std::string InitialFolder;
    std::string InitialName;
};

// "Import series...": which column of a file holds each series, asked when
// the file's header does not name them.
struct ColumnChoiceRequest {
    std::string File;
    std::vector<std::string> Columns;  // the file's columns as shown ("2: rain_mm")
    std::vector<std::string> Roles;    // the series wanted, in the grid's order
    std::vector<int> Preselected;      // per role a column from 0, or -1
};

class Dialogs : public UserMessages {
  public:
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) = 0;
    // Per role the column chosen (from 0), or nothing when the user cancelled.
    virtual std::optional<std::vector<int>> ChooseColumns(const ColumnChoiceRequest& request) {
        (void)request;
        return std::nullopt;
    }
};

// A file the user chooses to write a picture or a table to: the save dialog,
// then, for a file in the examples folder, the refusal, and for an existing
// file the question whether to overwrite it. Nothing when the user cancelled
// or was refused.
std::optional<std::string> ChooseFileToWrite(Dialogs& dialogs, const FileDialogRequest& request);

}  // namespace tervala

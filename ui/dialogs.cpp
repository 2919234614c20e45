#include "ui/dialogs.h"

#include "model/message_texts.h"
#include "ui/program_folders.h"
#include "ui/window_helpers.h"

namespace tervala {

std::optional<std::string> ChooseFileToWrite(Dialogs& dialogs, const FileDialogRequest& request) {
    const std::optional<std::string> file = dialogs.ChooseSaveFile(request);
    if (!file) return std::nullopt;
    if (const std::optional<std::string> refusal = ExamplesKeptRefusal(*file)) {
        dialogs.ShowMessage(*refusal);
        return std::nullopt;
    }
    if (FileExists(*file) && !dialogs.AskYesNo(kOverwriteQuestion)) return std::nullopt;
    return file;
}

}  // namespace tervala

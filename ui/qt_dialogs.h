// The program's answers to the Dialogs interface: modal message boxes and
// the toolkit's file dialogs. Only the running program uses it; window tests
// hand the windows a scripted implementation instead.
#pragma once

#include <QString>
#include <string>

#include "ui/dialogs.h"

namespace tervala {

// A filter written as description and pattern pairs separated by "|"
// ("Input files (*.inp)|*.inp") becomes the toolkit's form
// ("Input files (*.inp)"); a filter already in that form passes unchanged.
QString ToQtFilter(const std::string& filter);

class QtDialogs : public Dialogs {
  public:
    // `caption` titles every message box (the application title).
    explicit QtDialogs(QString caption);

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override;
    // A small dialog of one list of the file's columns per series (qt_column_dialog.cpp).
    std::optional<std::vector<int>> ChooseColumns(const ColumnChoiceRequest& request) override;

  private:
    QString caption_;
};

}  // namespace tervala

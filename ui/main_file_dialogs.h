// The five file dialogs of the main window: what each one asks for (filter
// and default extension) and the folder it opens in. All of them follow the
// folder of the last file used.
#pragma once

#include <string>

#include "ui/dialogs.h"

namespace tervala {

// The series dialogs open where their file belongs (a CSV series beside the
// input files, a report's series beside the report), so each is made when used.
inline constexpr const char* kImportSeriesTitle = "Import series";
inline constexpr const char* kCsvFilesFilter = "CSV files (*.csv *.txt)|*.csv;*.txt";
inline constexpr const char* kSaveSeriesTitle = "Save series as CSV";
inline constexpr const char* kSaveSeriesFilter = "CSV files (*.csv)|*.csv";

struct TMainFileDialogs {
    FileDialogRequest InputOpenDialog{"Open input file", "Input files (*.inp)|*.inp", "inp", "",
                                      ""};
    FileDialogRequest InputSaveDialog{"Save input file", "Input files (*.inp)|*.inp", "inp", "",
                                      ""};
    FileDialogRequest OutputOpenDialog{"Open output file", "Output files (*.out)|*.out", ".out", "",
                                       ""};
    FileDialogRequest GraphOpenDialog{"Open graph", "Graph files (*.bmp)|*.bmp", "bmp", "", ""};
    FileDialogRequest GraphSaveDialog{"Save graph", "Image files (*.bmp)|*.bmp", "bmp", "", ""};

    // Sets the initial folder of all five dialogs.
    void SetDialogFolders(const std::string& folder) {
        for (FileDialogRequest* d : {&InputOpenDialog, &InputSaveDialog, &OutputOpenDialog,
                                     &GraphOpenDialog, &GraphSaveDialog})
            d->InitialFolder = folder;
    }
};

}  // namespace tervala

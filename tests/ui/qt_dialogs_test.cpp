// The file dialogs' filters in the toolkit's form.
#include "ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include "ui/main_file_dialogs.h"

namespace tervala {
namespace {

TEST(QtDialogs, FilterOfDescriptionAndPatternBecomesTheToolkitForm) {
    EXPECT_EQ(ToQtFilter("Input files (*.inp)|*.inp"), "Input files (*.inp)");
    EXPECT_EQ(ToQtFilter("Images|*.bmp;*.jpg"), "Images (*.bmp *.jpg)");
    EXPECT_EQ(ToQtFilter("Input files (*.inp)|*.inp|Output files (*.out)|*.out"),
              "Input files (*.inp);;Output files (*.out)");
    EXPECT_EQ(ToQtFilter("Output files (*.out)"), "Output files (*.out)");
}

TEST(MainFileDialogs, FiltersAndDefaultExtensions) {
    TMainFileDialogs d;
    EXPECT_EQ(d.InputOpenDialog.filter, "Input files (*.inp)|*.inp");
    EXPECT_EQ(d.InputOpenDialog.defaultExtension, "inp");
    EXPECT_EQ(d.InputSaveDialog.filter, "Input files (*.inp)|*.inp");
    EXPECT_EQ(d.InputSaveDialog.defaultExtension, "inp");
    EXPECT_EQ(d.OutputOpenDialog.filter, "Output files (*.out)|*.out");
    EXPECT_EQ(d.OutputOpenDialog.defaultExtension, ".out");
    EXPECT_EQ(d.GraphOpenDialog.filter, "Graph files (*.bmp)|*.bmp");
    EXPECT_EQ(d.GraphSaveDialog.filter, "Image files (*.bmp)|*.bmp");
    EXPECT_EQ(d.GraphSaveDialog.defaultExtension, "bmp");
}

TEST(MainFileDialogs, SetDialogFoldersSetsAllFive) {
    TMainFileDialogs d;
    d.SetDialogFolders("/data/area");
    for (const FileDialogRequest* r : {&d.InputOpenDialog, &d.InputSaveDialog, &d.OutputOpenDialog,
                                       &d.GraphOpenDialog, &d.GraphSaveDialog})
        EXPECT_EQ(r->initialFolder, "/data/area");
}

}  // namespace
}  // namespace tervala

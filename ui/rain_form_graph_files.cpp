// Saving the drawn graph as a bitmap file, in colour ("Save color graph",
// the File menu's "Save graph") or in black and white ("Save Bl-Wh graph"),
// and showing a saved bitmap again ("Open graph").
#include <QAction>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>

#include "engine/session.h"
#include "model/message_texts.h"
#include "ui/dialogs.h"
#include "ui/graph_picture.h"
#include "ui/program_folders.h"
#include "ui/rain_form.h"
#include "ui/window_helpers.h"

namespace tervala {

void TRainForm::GraphSaveActionExecute() { SaveGraph(true); }

void TRainForm::BlWhButtonClick() { SaveGraph(false); }

void TRainForm::SaveGraph(bool colour) {
    // Every later drawing keeps this palette until colour is chosen again.
    ColourMode = colour;
    ShowGraphics();
    FileDialogRequest request = FileDialogs.GraphSaveDialog;
    request.InitialFolder = FolderForSaving(request.InitialFolder);
    const std::optional<std::string> chosen = dialogs_.ChooseSaveFile(request);
    if (!chosen) {
        ShowMessage(kGraphNotSavedText);
        return;
    }
    const std::string& path = *chosen;
    if (const std::optional<std::string> refusal = ExamplesKeptRefusal(path)) {
        ShowMessage(QString::fromStdString(*refusal));
        return;
    }
    if (FileExists(path) && !dialogs_.AskYesNo(kOverwriteQuestion)) return;
    if (!SaveGraphPicture(GraphBitmap, path, PictureFileType::Bitmap)) {
        ShowMessage(QString::fromStdString(GraphNotWrittenText(path)));
        return;
    }
    ShowMessage(QString::fromStdString(GraphSavedText(path)));
    FileDialogs.SetDialogFolders(FolderOf(path));
}

void TRainForm::GraphOpenActionExecute() { OpenGraph(std::nullopt); }

void TRainForm::OpenGraph(const std::optional<std::string>& given) {
    TDMOmbrel& dm = DM();
    GraphSaveAction->setEnabled(false);
    BlWhButton->setEnabled(false);
    Panel1->hide();
    Panel3->hide();
    SelectButton->setEnabled(false);
    const std::optional<std::string> chosen =
        given ? given : dialogs_.ChooseOpenFile(FileDialogs.GraphOpenDialog);
    if (!chosen) {
        ShowMessage(kNoGraphFileSelectedText);
        return;
    }
    dm.FileName = *chosen;
    if (!FileExists(dm.FileName)) {
        ShowMessage(kNoSuchGraphFileText);
        return;
    }
    QImage picture;
    if (!picture.load(QString::fromStdString(dm.FileName))) {
        ShowMessage(QString::fromStdString(NoBitmapText(dm.FileName)));
        return;
    }
    PictureImage->setPixmap(QPixmap::fromImage(picture));
    FileDialogs.SetDialogFolders(FolderOf(dm.FileName));
    GraphImage->hide();
    HideCommentWindow();
    if (PageControl1->currentWidget() != GraphicsTabSheet) {
        PageControl1->setCurrentWidget(GraphicsTabSheet);
        // The tab's set-up may have offered the choices of the last report;
        // the opened picture is what is shown now, and it is not to be saved.
        Panel1->hide();
        Panel3->hide();
        GraphSaveAction->setEnabled(false);
        BlWhButton->setEnabled(false);
    }
    PictureImage->show();
    PictureImage->raise();
}

}  // namespace tervala

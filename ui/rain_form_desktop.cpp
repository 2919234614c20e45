// What a desktop program does beyond its own commands: keyboard shortcuts for
// opening and running, the window's size, place and last folder remembered
// between starts, File > Open recent, and files dropped on the window.
#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTabWidget>
#include <QUrl>

#include "engine/session.h"
#include "model/message_texts.h"
#include "ui/dialogs.h"
#include "ui/graph_picture.h"
#include "ui/rain_form.h"
#include "ui/window_settings.h"

namespace tervala {

namespace {

// The local files a drag carries.
QStringList DraggedFiles(const QMimeData* data) {
    QStringList files;
    if (!data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

}  // namespace

void TRainForm::CreateDesktopCommands() {
    InputOpenAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    InputSaveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    settings_ = new WindowSettings;
    RecentMenu = new QMenu("Open r&ecent", FileMenu);
    RecentMenu->setObjectName("RecentMenu");
    FileMenu->insertMenu(ImportSeriesAction, RecentMenu);
    FillRecentMenu();
    setAcceptDrops(true);

    // The size and place the user gave the window last time, and the folder
    // of the last file used; the first start keeps the placement by screen.
    const QByteArray geometry = settings_->Geometry();
    if (!geometry.isEmpty()) restoreGeometry(geometry);
    const QString folder = settings_->LastFolder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        FileDialogs.SetDialogFolders(folder.toStdString());
}

void TRainForm::RememberWindow() {
    settings_->SetGeometry(saveGeometry());
    settings_->SetLastFolder(QString::fromStdString(FileDialogs.InputOpenDialog.InitialFolder));
}

void TRainForm::RememberInputFile(const std::string& file) {
    settings_->AddRecentInputFile(QFileInfo(QString::fromStdString(file)).absoluteFilePath());
    FillRecentMenu();
}

void TRainForm::FillRecentMenu() {
    RecentMenu->clear();
    const QStringList files = settings_->RecentInputFiles();
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& file = files[i];
        QString shown = QDir::toNativeSeparators(file);
        shown.replace('&', "&&");
        QAction* entry = RecentMenu->addAction(QString("&%1 %2").arg(i + 1).arg(shown));
        connect(entry, &QAction::triggered, this, [this, file] { OpenRecentFile(file); });
    }
    RecentMenu->setEnabled(!files.isEmpty());
}

void TRainForm::OpenRecentFile(const QString& file) {
    if (runActive_) return;
    if (!QFileInfo(file).isFile()) {
        ShowMessage(QString::fromStdString(RecentFileGoneText(file.toStdString())));
        settings_->RemoveRecentInputFile(file);
        FillRecentMenu();
        return;
    }
    OpenGivenFile(file.toStdString());
}

void TRainForm::OpenDroppedFile(const std::string& path) {
    const std::string extension = LowerCaseExtension(path);
    if (extension == ".inp") {
        OpenGivenFile(path);
    } else if (extension == ".out") {
        OpenOutput(path);
    } else if (extension == ".bmp") {
        OpenGraph(path);
    } else {
        ShowMessage(QString::fromStdString(NotOpenedByTervalaText(path)));
    }
}

void TRainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!runActive_ && !DraggedFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TRainForm::dropEvent(QDropEvent* event) {
    const QStringList files = DraggedFiles(event->mimeData());
    if (runActive_ || files.isEmpty()) return;
    event->acceptProposedAction();
    if (files.size() > 1) {
        ShowMessage(kDropOneFileText);
        return;
    }
    OpenDroppedFile(files.front().toStdString());
}

}  // namespace tervala

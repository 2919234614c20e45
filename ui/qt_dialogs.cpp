#include "ui/qt_dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>
#include <QTreeView>
#include <QUrl>
#include <utility>

#include "ui/program_folders.h"

namespace tervala {

namespace {

QString DefaultSuffix(const std::string& extension) {
    QString suffix = QString::fromStdString(extension);
    while (suffix.startsWith('.')) suffix.remove(0, 1);
    return suffix;
}

// Beside the caption the title bar holds the window's icon and its buttons.
constexpr int kTitleBarFurniture = 150;

// A box as narrow as a short message would cut its caption in the title bar,
// which shows it in a bold font.
void ShowWholeCaption(QMessageBox& box) {
    QFont bold = box.font();
    bold.setBold(true);
    const int width = QFontMetrics(bold).horizontalAdvance(box.windowTitle()) + kTitleBarFurniture;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

// Large enough for the name, size, type and date of the files; the date, the
// last column, takes the room left over.
void ShowFileColumns(QFileDialog& dialog) {
    dialog.setViewMode(QFileDialog::Detail);
    QSize size(900, 540);
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size());
    dialog.resize(size);
    if (auto* files = dialog.findChild<QTreeView*>()) files->header()->setStretchLastSection(true);
}

std::optional<std::string> RunFileDialog(const FileDialogRequest& request,
                                         QFileDialog::AcceptMode mode) {
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(request.Title),
                       QString::fromStdString(request.InitialFolder));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The program asks its own question before it replaces a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const QString filter = ToQtFilter(request.Filter);
    if (!filter.isEmpty()) dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(DefaultSuffix(request.DefaultExtension));
    // The examples are one click away wherever the dialog opens (the toolkit's
    // own dialog shows this place; a desktop's native one may not).
    const std::string examples = ExamplesFolder();
    if (mode == QFileDialog::AcceptOpen && !examples.empty())
        dialog.setSidebarUrls(dialog.sidebarUrls()
                              << QUrl::fromLocalFile(QString::fromStdString(examples)));
    if (!request.InitialName.empty())
        dialog.selectFile(QString::fromStdString(request.InitialName));
    ShowFileColumns(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return std::nullopt;
    return files.front().toStdString();
}

}  // namespace

QString ToQtFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    if (parts.size() < 2) return QString::fromStdString(filter);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed().replace(';', ' ');
        filters << (description.contains('(') ? description : description + " (" + patterns + ")");
    }
    return filters.join(";;");
}

QtDialogs::QtDialogs(QString caption) : caption_(std::move(caption)) {}

void QtDialogs::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, caption_, QString::fromStdString(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    ShowWholeCaption(box);
    box.exec();
}

bool QtDialogs::AskYesNo(const std::string& text) {
    QMessageBox box(QMessageBox::Question, caption_, QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    ShowWholeCaption(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<std::string> QtDialogs::ChooseOpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::ChooseSaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

}  // namespace tervala

// The column dialog of "Import series...": one list of the file's columns
// per series the grid needs, each set to the column the header suggests.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "ui/qt_dialogs.h"

namespace tervala {

std::optional<std::vector<int>> QtDialogs::ChooseColumns(const ColumnChoiceRequest& request) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setObjectName("ColumnDialog");
    dialog.setWindowTitle(caption_);
    auto* layout = new QVBoxLayout(&dialog);
    auto* note = new QLabel(QString("Which column of \"%1\" holds each series?")
                                .arg(QString::fromStdString(request.File)),
                            &dialog);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* form = new QFormLayout;
    std::vector<QComboBox*> lists;
    for (size_t r = 0; r < request.Roles.size(); ++r) {
        auto* list = new QComboBox(&dialog);
        for (const std::string& column : request.Columns)
            list->addItem(QString::fromStdString(column));
        const int chosen = r < request.Preselected.size() ? request.Preselected[r] : -1;
        list->setCurrentIndex(chosen);
        form->addRow(QString::fromStdString(request.Roles[r]), list);
        lists.push_back(list);
    }
    layout->addLayout(form);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    std::vector<int> chosen;
    for (QComboBox* list : lists) chosen.push_back(list->currentIndex());
    return chosen;
}

}  // namespace tervala

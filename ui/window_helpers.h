// The small helpers the windows share: where a file lies, a number as a
// field or cell shows it, and named buttons, one of them standing for an
// action.
#pragma once

#include <QAction>
#include <QPushButton>
#include <QRect>
#include <QString>
#include <filesystem>
#include <string>
#include <system_error>

#include "model/number_text.h"

namespace tervala {

// The folder a file lies in; the file dialogs follow the folder of the last
// file used.
inline std::string FolderOf(const std::string& file) {
    return std::filesystem::path(file).parent_path().string();
}

inline bool FileExists(const std::string& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

// A number as the fields and the grid show it: general format, up to 15
// significant digits (2.5, 50, 1E-5).
inline QString General(double value) { return QString::fromStdString(FormatGeneral(value)); }

// A push button with the object name the layout and the tests know it by,
// placed at `geometry` when one is given.
inline QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption,
                               const QRect& geometry = QRect()) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (geometry.isValid()) button->setGeometry(geometry);
    return button;
}

// A button that carries out an action: pressing it triggers the action, and
// it is available exactly when the action is.
inline void BindButtonToAction(QPushButton* button, QAction* action) {
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
}

}  // namespace tervala

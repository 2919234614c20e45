// A button that carries out an action: pressing it triggers the action, and
// it is available exactly when the action is.
#pragma once

#include <QAction>
#include <QPushButton>

namespace tervala {

inline void BindButtonToAction(QPushButton* button, QAction* action) {
    button->setEnabled(action->isEnabled());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button,
                     [button, action] { button->setEnabled(action->isEnabled()); });
}

}  // namespace tervala

#include "ui/focus_exit_filter.h"

#include <QFocusEvent>
#include <QWidget>

namespace tervala {

void FocusExitFilter::Watch(QWidget* control, std::function<void()> onExit) {
    handlers_[control] = std::move(onExit);
    control->installEventFilter(this);
    connect(control, &QObject::destroyed, this, [this](QObject* gone) { handlers_.erase(gone); });
}

bool FocusExitFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            auto found = handlers_.find(watched);
            if (found != handlers_.end()) {
                // Copy: the handler may show a message box that re-enters here.
                auto handler = found->second;
                handler();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tervala

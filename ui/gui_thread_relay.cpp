#include "ui/gui_thread_relay.h"

#include <QMetaObject>
#include <QThread>
#include <utility>

namespace tervala {

GuiThreadRelay::GuiThreadRelay(QObject* context, UserMessages& messages,
                               std::function<void(const std::string&)> addLine,
                               std::function<void(int)> showRowCount)
    : context_(context),
      messages_(messages),
      addLine_(std::move(addLine)),
      showRowCount_(std::move(showRowCount)) {}

void GuiThreadRelay::OnWindowThread(const std::function<void()>& work) {
    if (!context_) return;  // the window is gone: nobody to tell
    if (QThread::currentThread() == context_->thread()) {
        work();
        return;
    }
    QMetaObject::invokeMethod(context_.data(), work, Qt::BlockingQueuedConnection);
}

void GuiThreadRelay::ShowMessage(const std::string& text) {
    OnWindowThread([this, &text] { messages_.ShowMessage(text); });
}

bool GuiThreadRelay::AskYesNo(const std::string& text) {
    bool answer = false;
    OnWindowThread([this, &text, &answer] { answer = messages_.AskYesNo(text); });
    return answer;
}

void GuiThreadRelay::AddProgressLine(const std::string& line) {
    OnWindowThread([this, &line] {
        if (addLine_) addLine_(line);
    });
}

void GuiThreadRelay::ShowRowCount(int rows) {
    OnWindowThread([this, rows] {
        if (showRowCount_) showRowCount_(rows);
    });
}

}  // namespace tervala

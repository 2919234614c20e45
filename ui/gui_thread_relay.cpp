#include "ui/gui_thread_relay.h"

#include <QMetaObject>
#include <QThread>
#include <chrono>
#include <utility>

namespace tervala {

GuiThreadRelay::GuiThreadRelay(UserMessages& messages,
                               std::function<void(const std::string&)> addLine,
                               std::function<void(int)> showRowCount)
    : messages_(messages), addLine_(std::move(addLine)), showRowCount_(std::move(showRowCount)) {}

void GuiThreadRelay::Post(std::function<void()> work) {
    QMetaObject::invokeMethod(&receiver_, std::move(work), Qt::QueuedConnection);
}

void GuiThreadRelay::ShowDialogs() {
    if (showingDialog_) return;  // the box open now is followed by the rest
    showingDialog_ = true;
    while (!dialogs_.empty()) {
        const std::function<void()> dialog = std::move(dialogs_.front());
        dialogs_.pop_front();
        dialog();
    }
    showingDialog_ = false;
}

void GuiThreadRelay::ShowMessage(const std::string& text) {
    Post([this, text] {
        dialogs_.push_back([this, text] { messages_.ShowMessage(text); });
        ShowDialogs();
    });
}

bool GuiThreadRelay::AskYesNo(const std::string& text) {
    // Asked on the window's thread itself, nothing is to be handed over.
    if (QThread::currentThread() == receiver_.thread()) return messages_.AskYesNo(text);
    std::unique_lock<std::mutex> lock(mutex_);
    answer_.reset();
    Post([this, text] {
        dialogs_.push_back([this, text] {
            const bool yes = messages_.AskYesNo(text);
            {
                std::lock_guard<std::mutex> answered(mutex_);
                answer_ = yes;
            }
            wake_.notify_all();
        });
        ShowDialogs();
    });
    // A run that is to stop takes No for an answer rather than wait for a
    // window that is closing.
    wake_.wait(lock, [this] { return answer_.has_value() || stop_.load(); });
    return answer_.value_or(false);
}

void GuiThreadRelay::AddProgressLine(const std::string& line) {
    Post([this, line] {
        if (addLine_) addLine_(line);
    });
}

void GuiThreadRelay::ShowRowCount(int rows) {
    Post([this, rows] {
        if (showRowCount_) showRowCount_(rows);
    });
}

bool GuiThreadRelay::StopRequested() const { return stop_.load(std::memory_order_relaxed); }

void GuiThreadRelay::Pause(int milliseconds) {
    if (milliseconds <= 0) return;
    std::unique_lock<std::mutex> lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return stop_.load(); });
}

void GuiThreadRelay::RequestStop() {
    {
        // Under the lock, so that a run just going to wait cannot miss it.
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_all();
}

}  // namespace tervala

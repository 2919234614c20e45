// Messages and progress of a run that works in a thread of its own, handed
// over to the window's thread without waiting there: progress lines, the row
// count and messages are queued and shown in the order the run gives them,
// the messages one box at a time. The window's thread never waits for the
// run either, so neither can hold the other up; on one processor, where
// painting and the run share so little, that is what keeps both going. Only
// a Yes/No question makes the run wait, for the answer or for a request to
// stop, whichever comes first. The window asks the run to stop when the
// program ends; the searches see the request at their next progress point.
#pragma once

#include <QObject>
#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>

#include "model/messages.h"

namespace tervala {

class GuiThreadRelay : public UserMessages, public RunProgress {
  public:
    // Made on the window's thread, and destroyed there after the run's thread
    // has ended; `messages`, `addLine` and `showRowCount` are only ever
    // called on the window's thread.
    GuiThreadRelay(UserMessages& messages, std::function<void(const std::string&)> addLine,
                   std::function<void(int)> showRowCount);

    // The run's side.
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void AddProgressLine(const std::string& line) override;
    void ShowRowCount(int rows) override;
    bool StopRequested() const override;
    // Waits the given time, so that the user can read the progress lines,
    // unless a stop is requested first.
    void Pause(int milliseconds);

    // The window's side.
    void RequestStop();

  private:
    // Runs `work` on the window's thread when its event loop comes to it.
    void Post(std::function<void()> work);
    // Message boxes and questions one after the other, never one inside the
    // other, even when the run hands over more while a box is open.
    void ShowDialogs();

    // Lives on the window's thread; hand-overs not yet delivered when the
    // relay ends are dropped with it.
    QObject receiver_;
    UserMessages& messages_;
    std::function<void(const std::string&)> addLine_;
    std::function<void(int)> showRowCount_;

    std::deque<std::function<void()>> dialogs_;  // window's thread only
    bool showingDialog_ = false;

    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::condition_variable wake_;  // a stop request or an answer came
    std::optional<bool> answer_;
};

}  // namespace tervala

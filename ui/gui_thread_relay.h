// Messages and progress of a run that works off the window's thread, carried
// over to the window's thread: a message box or question waits there for the
// user's answer while the run waits for it, and progress lines appear in the
// order the run gives them, each painted before the run goes on.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <string>

#include "model/messages.h"

namespace tervala {

class GuiThreadRelay : public UserMessages, public RunProgress {
  public:
    // `context` lives on the window's thread; `messages`, `addLine` and
    // `showRowCount` are only ever called there.
    GuiThreadRelay(QObject* context, UserMessages& messages,
                   std::function<void(const std::string&)> addLine,
                   std::function<void(int)> showRowCount);

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    void AddProgressLine(const std::string& line) override;
    void ShowRowCount(int rows) override;

  private:
    // Runs `work` on the context's thread and returns when it is done.
    void OnWindowThread(const std::function<void()>& work);

    QPointer<QObject> context_;
    UserMessages& messages_;
    std::function<void(const std::string&)> addLine_;
    std::function<void(int)> showRowCount_;
};

}  // namespace tervala

// How the core talks to people. The core never shows anything itself: the
// window answers with message boxes, the batch command with stderr, tests
// with recording fakes.
#pragma once

#include <string>

namespace tervala {

class UserMessages {
  public:
    virtual ~UserMessages() = default;
    // A modal message with one OK button.
    virtual void ShowMessage(const std::string& text) = 0;
    // A modal Yes/No question; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};

// Feedback of a run: progress lines (the window's WaitMemo) and the number of
// rows the engine read (the window's number-of-data field), and the way back:
// a request to stop, which the searches heed at their progress points.
class RunProgress {
  public:
    virtual ~RunProgress() = default;
    virtual void AddProgressLine(const std::string& line) = 0;
    virtual void ShowRowCount(int rows) { (void)rows; }
    // True once the user has asked the run to stop (the program is ending).
    // A search asks from every thread it runs on, so the answer must be
    // safe to give from any thread.
    virtual bool StopRequested() const { return false; }
};

// Messages nobody sees, and questions answered No as nobody is there to
// answer them (runs whose messages are kept elsewhere, or repeated ones).
class SilentMessages : public UserMessages {
  public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
};

// A progress sink that discards everything (batch runs that print nothing).
class SilentProgress : public RunProgress {
  public:
    void AddProgressLine(const std::string&) override {}
};

}  // namespace tervala

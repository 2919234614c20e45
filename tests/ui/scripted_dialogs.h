// Dialogs for window tests: every message, question and file dialog is
// recorded, questions and file dialogs are answered from a script, and
// nothing ever waits for a person.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace tervala::testing {

class ScriptedDialogs : public Dialogs {
  public:
    std::vector<std::string> messages;   // every ShowMessage text, in order
    std::vector<std::string> questions;  // every AskYesNo text, in order
    std::deque<bool> answers;            // Yes/No answers in order; No when exhausted
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::deque<std::optional<std::string>> openAnswers;  // cancelled when exhausted
    std::deque<std::optional<std::string>> saveAnswers;

    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next(openAnswers);
    }

    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveAnswers);
    }

    void Clear() {
        messages.clear();
        questions.clear();
    }

  private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& script) {
        if (script.empty()) return std::nullopt;
        auto answer = script.front();
        script.pop_front();
        return answer;
    }
};

}  // namespace tervala::testing

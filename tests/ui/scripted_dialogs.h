// Dialogs that record every message and answer from a script: nothing waits.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace tervala::testing {

class ScriptedDialogs : public Dialogs {
  public:
    std::vector<std::string> messages, questions;  // every text shown or asked, in order
    std::deque<bool> answers;                      // Yes/No answers in order; No when exhausted
    std::vector<FileDialogRequest> openRequests, saveRequests;
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;  // cancelled when exhausted
    std::vector<ColumnChoiceRequest> columnRequests;
    std::optional<std::vector<int>> columnAnswer;  // the columns chosen for the series

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return Next(answers).value_or(false);
    }
    std::optional<std::string> ChooseOpenFile(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return Next(openAnswers).value_or(std::nullopt);
    }
    std::optional<std::string> ChooseSaveFile(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveAnswers).value_or(std::nullopt);
    }
    std::optional<std::vector<int>> ChooseColumns(const ColumnChoiceRequest& request) override {
        columnRequests.push_back(request);
        return columnAnswer;
    }
    void Clear() { messages.clear(), questions.clear(); }

  private:
    template <typename T>
    static std::optional<T> Next(std::deque<T>& script) {
        if (script.empty()) return std::nullopt;
        T answer = script.front();
        script.pop_front();
        return answer;
    }
};

}  // namespace tervala::testing

// Test doubles for the message and progress interfaces: they record every
// text and answer Yes/No questions from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/messages.h"

namespace tervala::testing {

class RecordingMessages : public UserMessages {
public:
    std::vector<std::string> messages;   // every ShowMessage text, in order
    std::vector<std::string> questions;  // every AskYesNo text, in order
    std::deque<bool> answers;            // answers given in order; No when exhausted

    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
};

class RecordingProgress : public RunProgress {
public:
    std::vector<std::string> lines;
    int rowCount = -1;
    void AddProgressLine(const std::string& line) override { lines.push_back(line); }
    void ShowRowCount(int rows) override { rowCount = rows; }
};

}  // namespace tervala::testing

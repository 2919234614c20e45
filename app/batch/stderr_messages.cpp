#include "app/batch/stderr_messages.h"

#include <ostream>

namespace tervala::batch {

StderrMessages::StderrMessages(std::ostream& out) : out_(out) {}

void StderrMessages::ShowMessage(const std::string& text) { out_ << text << std::endl; }

bool StderrMessages::AskYesNo(const std::string& text) {
    out_ << text << std::endl;
    return false;
}

}  // namespace tervala::batch

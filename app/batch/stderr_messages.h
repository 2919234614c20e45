// The batch command's answer to the engine's message boxes: each message on
// its own line on stderr, nothing else there. A Yes/No question is printed
// the same way and answered No, since nobody is there to answer it.
#pragma once

#include <iosfwd>
#include <string>

#include "model/messages.h"

namespace tervala::batch {

class StderrMessages : public UserMessages {
  public:
    explicit StderrMessages(std::ostream& out);
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

  private:
    std::ostream& out_;
};

}  // namespace tervala::batch

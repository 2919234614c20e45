#include "model/program_error.h"

namespace tervala {

void ProgramError(UserMessages& messages, const std::string& text) {
    messages.ShowMessage(kProgramErrorText + text);
}

}  // namespace tervala

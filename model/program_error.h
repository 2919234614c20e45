// An error in a file the program itself wrote or reads (corrupt numbers).
// The user sees "A program error occurred." followed by what went wrong; the
// command stops, the data set and the program stay as they were.
#pragma once

#include <string>

#include "model/message_texts.h"
#include "model/messages.h"

namespace tervala {

void ProgramError(UserMessages& messages, const std::string& text);

}  // namespace tervala

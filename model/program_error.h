// An error in a file the program itself wrote or reads (corrupt numbers).
// The user sees "A program error occurred." followed by what went wrong; the
// command stops, the data set and the program stay as they were.
#pragma once

#include <string>

#include "model/messages.h"

namespace tervala {

void ProgramError(UserMessages& messages, const std::string& text);

// "Real numbers in the inputfile "<file>" are corrupt"
std::string CorruptNumbersText(const std::string& fileName);

// "The file "<file>"could not be opened. It may be damaged or in use by another program."
std::string FileNotOpenedText(const std::string& fileName);

}  // namespace tervala

#include "model/program_error.h"

namespace tervala {

void ProgramError(UserMessages& messages, const std::string& text) {
    messages.ShowMessage("A program error occurred." + text);
}

std::string CorruptNumbersText(const std::string& fileName) {
    return "Real numbers in the inputfile \"" + fileName + "\" are corrupt";
}

std::string FileNotOpenedText(const std::string& fileName) {
    return "The file \"" + fileName + "\"could not be opened. It may be " +
           "damaged or in use by another program.";
}

}  // namespace tervala

// Opening an input file (".inp"), as "Open input", the option selector's
// switch to a prediction and `tervala-batch run` open it: the file read into
// the data set, then the drainage parameter file of the same base name
// (".par") when there is one, and for a prediction the alpha function of the
// drained field derived from it (M and N per day, porosity in percent).
#pragma once

#include <optional>
#include <string>

#include "engine/drainage_inputs.h"
#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

struct OpenedInput {
    bool Read = false;  // false: the user has been told why, the data set is as it was
    // The file describes alpha the way older versions did: the alpha fields
    // show "missing" (AlphaMissing of the data set is set as well).
    bool AlphaMissing = false;
    // The parameter file beside the input file was read (ParFileRead).
    bool ParameterFileRead = false;
    // For a prediction, M and N derived from it; MCoeff and NValue now hold
    // them with five decimals, the data set's Porosity the porosity used.
    std::optional<DrainageResult> Derived;
};

// Reads the input file named by s.DMOmbrel.FileName again, and its
// parameter file. `predictionSelected`: the option selector shows the
// prediction entry, so M and N are derived for any input file. A file that
// cannot be opened, or holds a number that is no number, is told and leaves
// the data set and the program values as they were; a parameter file that
// cannot be read is told and leaves them as the input file left them.
OpenedInput ReopenInputFile(Session& s, bool predictionSelected, UserMessages& messages);

// "Open input" on `path`: the data set forgets the parameter file it had,
// takes the name, and reads the file as above. A file that does not exist is
// told and only its name is taken; one that cannot be read is told and the
// data set keeps its name as well.
OpenedInput OpenInputFile(Session& s, const std::string& path, bool predictionSelected,
                          UserMessages& messages);

}  // namespace tervala

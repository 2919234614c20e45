// The drainage parameter file (".par"): the six soil and drain quantities
// (Ka, Kb in m/day; D, U, L in m; porosity in percent) from which the alpha
// function of a drained field is derived. Six labelled lines, CR LF.
#pragma once

#include <string>

#include "model/data_set.h"
#include "model/messages.h"
#include "model/program_values.h"

namespace tervala {

// What reading a parameter file beside an input file did, for the window to
// show: hide the calculator when read; when M and N were derived, put the
// texts into the alpha and porosity fields and show the calculator.
struct ParameterFileStep {
    bool read = false;
    bool derived = false;
    std::string MText;         // "%8.5f" of M, as shown in A1coeffEdit
    std::string NText;         // "%8.5f" of N, as shown in B1valueEdit
    std::string PorosityText;  // general format of the porosity, for PorosityEdit
};

// Writes the six lines to `path`. Returns false (after a message) when the
// file cannot be created.
bool WriteParameterFile(const std::string& path, const ProgramValues& values, double porosity,
                        UserMessages& messages);

}  // namespace tervala

// The drainage parameter file (".par"): the six soil and drain quantities
// (Ka, Kb in m/day; D, U, L in m; porosity in percent) from which the alpha
// function of a drained field is derived. Six labelled lines, CR LF: a label
// of exactly 53 characters followed by the value in "%6.2f".
#pragma once

#include <optional>
#include <string>

#include "model/messages.h"
#include "model/program_values.h"

namespace tervala {

// The six values in file order.
struct DrainageParameters {
    double Ka = 0;        // m/day, above drain level
    double Kb = 0;        // m/day, below drain level
    double D = 0;         // m, soil layer below drain level
    double U = 0;         // m, wet perimeter of the drain or ditch
    double Porosity = 0;  // percent, drainable porosity of the top soil
    double L = 0;         // m, drain spacing
};

// The six lines, each ended by CR LF.
std::string ParameterFileText(const ProgramValues& values, double porosity);

// Writes the six lines to `path` (replacing it whole). Returns false (after a
// message) when the file cannot be written; `path` is then left as it was.
bool WriteParameterFile(const std::string& path, const ProgramValues& values, double porosity,
                        UserMessages& messages);

// Reads the six values. Nothing (after a message) when the file cannot be
// opened or a value is not a number.
std::optional<DrainageParameters> ReadParameterFile(const std::string& path,
                                                    UserMessages& messages);

}  // namespace tervala

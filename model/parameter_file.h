// The drainage parameter file (".par"): the six soil and drain quantities
// (Ka, Kb in m/day; D, U, L in m; porosity in percent) from which the alpha
// function of a drained field is derived. Six labelled lines, CR LF: a label
// of exactly 53 characters followed by the value in "%6.2f".
#pragma once

#include <optional>
#include <string>

#include "model/data_set.h"
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

// The step of the input reader after the input file has been read:
// ParFileName := FileName with ".par"; when that file exists, read it into Ka,
// Kb, D, U, Porosity and L, and when the data set is (or the option selector
// asks for) a prediction derive M and N from it, with five decimals, into
// MCoeff and NValue (TrendA receives M as well). A file that cannot be read
// changes nothing but ParFileName.
ParameterFileStep ReadParameterFileBeside(TDMOmbrel& dm, ProgramValues& values,
                                          UserMessages& messages, bool predictionSelected);

}  // namespace tervala

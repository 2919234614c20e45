// The six soil and drain quantities of the drainage calculator and the rules
// they must meet before M and N of the alpha function are derived from them:
// conductivities Ka, Kb in m/day; depth D, wet perimeter U, spacing L in m;
// drainable porosity in percent.
#pragma once

#include <string>

#include "engine/equivalent_depth.h"
#include "model/parameter_file.h"

namespace tervala {

enum class DrainageQuantity { Ka, Kb, D, U, Porosity, L };


inline constexpr const char* kDrainageIncompleteMessage = "One or more data values are incorrect";
inline constexpr const char* kDrainageComputedMessage =
    "The drainage parameters were computed and its values are entered in the input tabsheet.";

// The check made when the user leaves one field: the message that refuses the
// value, or an empty text when it is accepted. A conductivity of 0 and a
// porosity of exactly 1 or 30 percent pass here; the completeness check
// refuses them.
std::string DrainageFieldMessage(DrainageQuantity quantity, double value);

// All six usable together: positive conductivities and lengths, porosity
// strictly between 1 and 30 percent.
bool DrainageInputsComplete(const DrainageParameters& inputs);

// M and N of Alpha = M * discharge + N as the calculator shows them: "%8.5f"
// (eight characters, five decimals), and the numbers those texts stand for.
struct DrainageResult {
    AlphaCoefficients exact;
    std::string MText;
    std::string NText;
    double M = 0;  // MText read back: five decimals
    double N = 0;
};

DrainageResult ComputeDrainageResult(const DrainageParameters& inputs);

}  // namespace tervala

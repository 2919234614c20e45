// The six soil and drain quantities of the drainage calculator and the rules
// they must meet before M and N of the alpha function are derived from them:
// conductivities Ka, Kb in m/day; depth D, wet perimeter U, spacing L in m;
// drainable porosity in percent.
#pragma once

#include <string>

#include "engine/equivalent_depth.h"
#include "model/message_texts.h"
#include "model/parameter_file.h"

namespace tervala {

enum class DrainageQuantity { Ka, Kb, D, U, Porosity, L };

// The check made when the user leaves one field: the message that refuses the
// value, or an empty text when it is accepted. A conductivity of 0 and a
// porosity of exactly 1 or 30 percent pass here; the completeness check
// refuses them.
std::string DrainageFieldMessage(DrainageQuantity quantity, double value);

// All six usable together: positive conductivities and lengths, porosity
// strictly between 1 and 30 percent.
bool DrainageInputsComplete(const DrainageParameters& inputs);

// M and N of Alpha = M * discharge + N as derived, and as the calculator and
// the alpha fields show them, with five decimals: the values a prediction uses.
struct DrainageResult {
    AlphaCoefficients Exact;
    double M = 0;  // Exact.M to five decimals
    double N = 0;
};

DrainageResult ComputeDrainageResult(const DrainageParameters& inputs);

// M or N as the calculator and the alpha fields show it: "%8.5f", eight
// characters and five decimals (wider when the value needs it).
std::string AlphaFieldText(double value);

}  // namespace tervala

#include "engine/drainage_inputs.h"

#include "model/number_text.h"

namespace tervala {

std::string DrainageFieldMessage(DrainageQuantity quantity, double value) {
    switch (quantity) {
        case DrainageQuantity::Ka:
            return value < 0 ? kKaNegativeText : "";
        case DrainageQuantity::Kb:
            return value < 0 ? kKbNegativeText : "";
        case DrainageQuantity::D:
            return value <= 0 ? kDNotPositiveText : "";
        case DrainageQuantity::U:
            return value <= 0 ? kUNotPositiveText : "";
        case DrainageQuantity::Porosity:
            if (value <= 0) return kPNotPositiveText;
            if (value < 1) return kPBelowOneText;
            if (value > 30) return kPAboveThirtyText;
            return "";
        case DrainageQuantity::L:
            return value <= 0 ? kLNotPositiveText : "";
    }
    return "";
}

bool DrainageInputsComplete(const DrainageParameters& in) {
    return in.Ka > 0 && in.Kb > 0 && in.D > 0 && in.U > 0 && in.Porosity > 1 && in.Porosity < 30 &&
           in.L > 0;
}

DrainageResult ComputeDrainageResult(const DrainageParameters& in) {
    DrainageResult r;
    r.Exact = DeriveAlphaCoefficients(in.Ka, in.Kb, in.D, in.U, in.Porosity, in.L);
    // The number each field shows, read back.
    r.M = TryStringToFloat(AlphaFieldText(r.Exact.M)).value_or(r.Exact.M);
    r.N = TryStringToFloat(AlphaFieldText(r.Exact.N)).value_or(r.Exact.N);
    return r;
}

std::string AlphaFieldText(double value) { return FormatFixed(value, 8, 5); }

}  // namespace tervala

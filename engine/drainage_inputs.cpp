#include "engine/drainage_inputs.h"

#include "model/number_text.h"

namespace tervala {

std::string DrainageFieldMessage(DrainageQuantity quantity, double value) {
    switch (quantity) {
        case DrainageQuantity::Ka:
            return value < 0 ? "Ka should be greater than zero" : "";
        case DrainageQuantity::Kb:
            return value < 0 ? "Kb should be greater than zero" : "";
        case DrainageQuantity::D:
            return value <= 0 ? "D should be greater than zero" : "";
        case DrainageQuantity::U:
            return value <= 0 ? "U should be greater than zero" : "";
        case DrainageQuantity::Porosity:
            if (value <= 0) return "P should be greater than zero";
            if (value < 1) return "P should be greater than 1%";
            if (value > 30) return "P should be less than 30%";
            return "";
        case DrainageQuantity::L:
            return value <= 0 ? "L should be greater than zero" : "";
    }
    return "";
}

bool DrainageInputsComplete(const DrainageParameters& in) {
    return in.Ka > 0 && in.Kb > 0 && in.D > 0 && in.U > 0 && in.Porosity > 1 &&
           in.Porosity < 30 && in.L > 0;
}

DrainageResult ComputeDrainageResult(const DrainageParameters& in) {
    DrainageResult r;
    r.exact = DeriveAlphaCoefficients(in.Ka, in.Kb, in.D, in.U, in.Porosity, in.L);
    // The number each field shows, read back.
    r.M = TryStringToFloat(AlphaFieldText(r.exact.M)).value_or(r.exact.M);
    r.N = TryStringToFloat(AlphaFieldText(r.exact.N)).value_or(r.exact.N);
    return r;
}

std::string AlphaFieldText(double value) { return FormatFixed(value, 8, 5); }

}  // namespace tervala

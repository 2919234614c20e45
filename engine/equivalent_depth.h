// Alpha function of a drained field from soil and drain geometry, through
// Hooghoudt's equivalent depth. Conductivities in m/day, lengths in m,
// porosity in percent; M and N in per day.
#pragma once

namespace tervala {

struct AlphaCoefficients {
    double M = 0;  // 4 Ka / (P L^2)
    double N = 0;  // 8 Kb d / (P L^2)
    double d = 0;  // m, Hooghoudt's equivalent depth
};

AlphaCoefficients DeriveAlphaCoefficients(double Ka, double Kb, double D, double U,
                                          double porosityPercent, double L);

}  // namespace tervala

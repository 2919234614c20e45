#include "engine/equivalent_depth.h"

#include <cmath>

namespace tervala {

namespace {

// The constants stand for 2 pi, pi and pi squared rounded as the drainage
// tables of the method print them; results are compared with those tables,
// so the rounded values are kept on purpose.
constexpr double kTwoPi = 6.284;
constexpr double kPi = 3.142;
constexpr double kPiSquared = 9.872164;

// Hooghoudt's correction F(x) for the radial flow towards the drain, with
// x = 2 pi D / L: for deep soils (x above 1) the first three odd terms of the
// series, for shallow ones the logarithmic closed form.
double RadialCorrection(double x) {
    if (x > 1) {
        double F = 0;
        for (int n = 1; n <= 5; n += 2) {
            const double e = std::exp(-2 * n * x);
            F = F + 4 * e / (n * (1 - e));
        }
        return F;
    }
    return kPiSquared / (4 * x) + std::log(0.5 * x / kPi);
}

}  // namespace

AlphaCoefficients DeriveAlphaCoefficients(double Ka, double Kb, double D, double U,
                                          double porosityPercent, double L) {
    const double P = porosityPercent / 100;
    AlphaCoefficients result;
    result.M = 4 * Ka / (P * L * L);
    const double x = kTwoPi * D / L;
    const double F = RadialCorrection(x);
    const double d = (kPi * L / 8) / (std::log(L / U) + F);  // equivalent depth, m
    result.N = 8 * Kb * d / (P * L * L);
    result.d = d;
    return result;
}

}  // namespace tervala

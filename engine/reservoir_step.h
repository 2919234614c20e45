// One time step of the second reservoir, as every search and reconstruction
// computes it. Plain double arithmetic in this order; the build keeps the
// compiler from fusing or reordering it, so every caller gets the same bits.
#pragma once

#include <cmath>

#include "engine/lane_vector.h"

namespace tervala {

// Discharge analysis: alpha = A * q + C (per time unit, 0 when negative),
// q becomes the discharge at the end of the step (mm per time unit).
inline double DischargeAlpha(double A, double C, double q) {
    double alpha = A * q + C;
    if (alpha < 0) alpha = 0;
    return alpha;
}
inline double DischargeNext(double q, double alpha, double delta, double rech) {
    const double E = std::exp(-alpha * delta);
    return q * E + (1 - E) * rech;
}
// Squared deviation of a search step; a deviation of `cap` or more counts as
// `capped` (negative deviations are always squared).
inline double SearchTerm(double meas, double calc, double cap, double capped) {
    const double dev = meas - calc;
    return dev < cap ? dev * dev : capped;
}

// The smallest SearchTerm of any deviation in [devLo, devHi]: a lower bound
// of the step's term for every grid point of a block whose calculated value
// lies in the matching interval. Exact squares of the interval's ends, so no
// rounding margin is needed here. On plain doubles or on lanes of them
// (lane_vector.h); a deviation that is not a number gives no bound (0).
template <class V>
inline V LeastSearchTerm(V devLo, V devHi, double cap, double capped) {
    const V low = devLo * devLo;
    V term = Select(devLo > 0.0, Select((devHi >= cap) & (low > capped), V(capped), low), V(0.0));
    term = Select(devHi < 0.0, devHi * devHi, term);
    return Select(devLo >= cap, V(capped), term);
}

// Head analysis: alpha = B * h + F (0 when negative); h becomes the head at
// the end of the step. The search divides the recharge by P * alpha / 50 with
// the porosity percentage P.
inline double HeadAlpha(double B, double F, double h) {
    double alpha = B * h + F;
    if (alpha < 0) alpha = 0;
    return alpha;
}
inline double HeadNextSearch(double h, double alpha, double delta, double rech, double P,
                             double termWithoutAlpha) {
    const double E = std::exp(-alpha * delta);
    const double term = alpha == 0 ? termWithoutAlpha : (1 - E) * rech / (P * alpha / 50);
    return h * E + term;
}

}  // namespace tervala

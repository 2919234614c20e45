// The straight line through the observed runoff (or head) against the
// recharge of an analysis, by least squares, drawn on the graph of observed
// against recharge. Both in report units: mm per time unit (head in mm).
#pragma once

#include <optional>

#include "model/data_set.h"

namespace tervala {

struct LinearTrend {
    double MeanX = 0;  // mean recharge, Sx / n
    double MeanY = 0;  // mean observed value, Sy / n
    double Slope = 0;  // b = (Sxy - Sx * Sy / n) / Q

    // y(x) = Sy / n + b * (x - Sx / n)
    double At(double x) const { return MeanY + Slope * (x - MeanX); }
};

// Least-squares line of y (observed) on x (recharge) over the first n rows.
// No line when the recharges do not spread (Q = Sxx - Sx^2 / n is not
// positive, or only by the rounding left over from summing equal values), or
// when there are no rows.
std::optional<LinearTrend> ComputeLinearTrend(const DataArrayR& x, const DataArrayR& y, int n);

}  // namespace tervala

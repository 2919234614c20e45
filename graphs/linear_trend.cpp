#include "graphs/linear_trend.h"

#include <algorithm>

namespace tervala {

std::optional<LinearTrend> ComputeLinearTrend(const DataArrayR& x, const DataArrayR& y, int n) {
    n = std::min({n, static_cast<int>(x.size()), static_cast<int>(y.size())});
    if (n <= 0) return std::nullopt;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (int k = 0; k < n; ++k) {
        sx = sx + x[k];
        sy = sy + y[k];
        sxx = sxx + x[k] * x[k];
        sxy = sxy + x[k] * y[k];
    }
    const double q = sxx - sx * sx / n;
    // Equal recharges that are not exact in binary (0.1 mm, say) leave a Q of
    // a few units in the last place of Sxx instead of 0; a slope divided by
    // that would be noise, so such a Q counts as no spread at all.
    const double roundingLeftOver = 1e-12 * sxx;
    if (!(q > roundingLeftOver)) return std::nullopt;
    LinearTrend trend;
    trend.Slope = (sxy - sx * sy / n) / q;
    trend.MeanX = sx / n;
    trend.MeanY = sy / n;
    return trend;
}

}  // namespace tervala

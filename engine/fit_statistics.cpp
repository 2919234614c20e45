#include "engine/fit_statistics.h"

#include <cmath>

namespace tervala {

namespace {
// Recharge below this (mm per step) counts as a row without recharge.
constexpr double kNoRecharge = 0.001;
}  // namespace

void RegressionSums::Add(double x, double y) {
    n += 1;
    Sx += x;
    Sy += y;
    Sxx += x * x;
    Sxy += x * y;
    Sx3 += x * x * x;
    Sx2y += x * x * y;
    Sx4 += x * x * x * x;
}

LinearFit FitLinear(const RegressionSums& s) {
    LinearFit f;
    f.L1 = s.Cxy() / s.Cxx();
    f.L0 = s.Sy / s.n - f.L1 * s.Sx / s.n;
    return f;
}

QuadraticFit FitQuadratic(const RegressionSums& s) {
    const double Cxx = s.Cxx(), Cxy = s.Cxy(), Cx3 = s.Cx3(), Cx2y = s.Cx2y(), Cx4 = s.Cx4();
    const double D = Cxx * Cx4 - Cx3 * Cx3;
    QuadraticFit f;
    f.Q2 = (Cx2y * Cxx - Cxy * Cx3) / D;
    f.Q1 = (Cxy * Cx4 - Cx2y * Cx3) / D;
    f.Q0 = s.Sy / s.n - f.Q1 * s.Sx / s.n - f.Q2 * s.Sxx / s.n;
    return f;
}

TrendFit FitTrend(const DataArrayR& recharge, const DataArrayR& observed, int n) {
    int withoutRecharge = 0;
    RegressionSums sums;
    for (int k = 1; k <= n; ++k) {
        if (recharge[k] < kNoRecharge) ++withoutRecharge;
        sums.Add(recharge[k], observed[k]);
    }
    TrendFit trend;
    // Too many dry rows, or no recharge at all: the trend says nothing.
    // All recharges equal: no line can be fitted through them.
    if (sums.Sx == 0 || withoutRecharge > n / 20 || sums.Cxx() == 0) return trend;
    trend.Fit.Line = FitLinear(sums);
    trend.Valid = true;
    if (n <= 2) return trend;
    if (sums.D() == 0) {
        trend.Valid = false;
        return trend;
    }
    trend.Fit.Parabola = FitQuadratic(sums);
    return trend;
}

bool TrendInconsistent(const DataArrayR& rain, int n, const TrendResults& t) {
    double rainMin = 1000000, rainMax = 0;
    for (int k = 1; k <= n; ++k) {
        if (rain[k] < rainMin) rainMin = rain[k];
        if (rain[k] > rainMax) rainMax = rain[k];
    }
    const double w = rainMax - rainMin;
    // A straight trend has no turning point and so nothing to warn about.
    if (!t.TrendValid || t.TrendA == 0) return false;
    const double v = -0.5 * t.TrendB / t.TrendA;
    return rainMin + 0.2 * w < v && rainMax - 0.2 * w > v;
}

double CoefficientOfExplanation(const DataArrayR& observed, int n, double sumMeas, double ssq) {
    // Row 1 is not summed, but the divisor is the number of rows.
    const double mean = sumMeas / n;
    double sst = 0;
    for (int k = 1; k <= n; ++k) sst += (observed[k] - mean) * (observed[k] - mean);
    double r2 = sst == 0 ? 0.01 : 1 - 0.5 * ssq / sst;
    if (!(r2 > 0)) r2 = 0.01;
    if (r2 > 0.99) r2 = 0.99;
    return r2;
}

double StandardDeviation(double ssq, int n) { return std::sqrt(ssq / (n - 1)); }

Regression FitAlphaFunction(const DataArrayR& observed, const DataArrayR& alpha, int n) {
    RegressionSums sums;
    for (int k = 1; k <= n; ++k) sums.Add(observed[k], alpha[k]);
    Regression fit;
    if (n <= 0 || sums.Cxx() == 0) return fit;
    fit.Line = FitLinear(sums);
    if (n < 3 || sums.D() == 0) return fit;
    fit.Parabola = FitQuadratic(sums);
    return fit;
}

}  // namespace tervala

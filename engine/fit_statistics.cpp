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

void FitTrend(Session& s) {
    AnalysisState& a = s.Analysis;
    TrendResults& t = s.Values.Trend;
    const int n = a.RowCount;
    const DataArrayR& rech = a.Reservoir.Rech;

    int withoutRecharge = 0;
    for (int k = 1; k <= n; ++k) {
        if (rech[k] < kNoRecharge) ++withoutRecharge;
    }
    const DataArrayR* observed = nullptr;
    if (s.DMOmbrel.ModeTag == " Dis") observed = &a.RunMeas;
    if (s.DMOmbrel.ModeTag == " Hyd") observed = &a.HeadMeas;
    RegressionSums sums;
    if (observed != nullptr) {
        for (int k = 1; k <= n; ++k) sums.Add(rech[k], (*observed)[k]);
    }
    sums.n = n;  // with any other mode tag every sum stays 0

    t.TrendValid = true;
    // Too many dry rows, or no recharge at all: the trend says nothing.
    if (sums.Sx == 0 || withoutRecharge > n / 20) {
        t.TrendValid = false;
        return;
    }
    // All recharges equal: no line can be fitted through them.
    if (sums.Cxx() == 0) {
        t.TrendValid = false;
        return;
    }
    const LinearFit line = FitLinear(sums);
    a.AlphaSlope = line.L1;
    a.AlphaIntercept = line.L0;
    if (n <= 2) return;
    if (sums.D() == 0) {
        t.TrendValid = false;
        return;
    }
    const QuadraticFit parabola = FitQuadratic(sums);
    t.TrendA = parabola.Q2;
    t.TrendB = parabola.Q1;
    t.TrendC = parabola.Q0;
}

void WarnAboutInconsistentTrend(Session& s, UserMessages& messages) {
    const AnalysisState& a = s.Analysis;
    const TrendResults& t = s.Values.Trend;
    const int n = a.RowCount;
    double rainMin = 1000000, rainMax = 0;
    for (int k = 1; k <= n; ++k) {
        const double rain = a.Reservoir.Rain[k];
        if (rain < rainMin) rainMin = rain;
        if (rain > rainMax) rainMax = rain;
    }
    const double w = rainMax - rainMin;
    // A straight trend has no turning point and so nothing to warn about.
    if (!t.TrendValid || t.TrendA == 0) return;
    const double v = -0.5 * t.TrendB / t.TrendA;
    if (!(rainMin + 0.2 * w < v && rainMax - 0.2 * w > v)) return;
    if (s.DMOmbrel.ModeTag == " Dis") {
        messages.ShowMessage(
            "The quadratic trend of the relation between rainfall and runoff data shows an "
            "inconsistency, see the. output graphics. The model may not fit perfectly.");
    } else if (s.DMOmbrel.ModeTag == " Hyd") {
        messages.ShowMessage(
            "The quadratic trend of the relation between rainfall and hydr. head data shows an "
            "inconsistency, see the. output graphics. The model may not fit perfectly.");
    }
}

void ComputeRSquare(Session& s, const DataArrayR& observed) {
    const AnalysisState& a = s.Analysis;
    const int n = a.RowCount;
    // Row 1 is not summed, but the divisor is the number of rows.
    const double mean = a.SumMeas / n;
    double sst = 0;
    for (int k = 1; k <= n; ++k) sst += (observed[k] - mean) * (observed[k] - mean);
    double r2 = sst == 0 ? 0.01 : 1 - 0.5 * a.Ssq / sst;
    if (!(r2 > 0)) r2 = 0.01;
    if (r2 > 0.99) r2 = 0.99;
    s.Values.Trend.RSquare = r2;
}

double StandardDeviation(const AnalysisState& a) { return std::sqrt(a.Ssq / (a.RowCount - 1)); }

void FitAlphaFunction(Session& s, bool headAnalysis) {
    AnalysisState& a = s.Analysis;
    const int n = a.RowCount;
    if (headAnalysis) {
        for (int k = 1; k <= n; ++k) a.RunMeas[k] = a.HeadMeas[k] / 1000;
    }
    RegressionSums sums;
    for (int k = 1; k <= n; ++k) sums.Add(a.RunMeas[k], a.Alpha[k]);
    if (n <= 0 || sums.Cxx() == 0) return;
    const LinearFit line = FitLinear(sums);
    a.AlphaLinA = line.L1;
    a.AlphaLinC = line.L0;
    if (n < 3 || sums.D() == 0) return;
    const QuadraticFit parabola = FitQuadratic(sums);
    a.AlphaQuadA = parabola.Q2;
    a.AlphaQuadB = parabola.Q1;
    a.AlphaQuadC = parabola.Q0;
}

}  // namespace tervala

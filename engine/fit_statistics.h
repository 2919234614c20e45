// Regressions and goodness of fit of an analysis: the trend of the observed
// discharge (mm per time unit) or head on the recharge (mm per step), the
// coefficient of explanation of the reconstruction, and the regression of
// alpha (per time unit) on the observed value.
#pragma once

#include "engine/session.h"
#include "model/messages.h"

namespace tervala {

// Sums of one least-squares regression over pairs (x, y), accumulated in row order.
struct RegressionSums {
    double n = 0;
    double Sx = 0, Sy = 0, Sxx = 0, Sxy = 0, Sx3 = 0, Sx2y = 0, Sx4 = 0;

    void Add(double x, double y);

    // Centred sums.
    double Cxx() const { return Sxx - Sx * Sx / n; }
    double Cxy() const { return Sxy - Sy * Sx / n; }
    double Cx3() const { return Sx3 - Sx * Sxx / n; }
    double Cx2y() const { return Sx2y - Sxx * Sy / n; }
    double Cx4() const { return Sx4 - Sxx * Sxx / n; }
    // Determinant of the quadratic fit.
    double D() const { return Cxx() * Cx4() - Cx3() * Cx3(); }
};

struct LinearFit {
    double L1 = 0, L0 = 0;  // y = L1 * x + L0
};
struct QuadraticFit {
    double Q2 = 0, Q1 = 0, Q0 = 0;  // y = Q2 * x * x + Q1 * x + Q0
};

// Callers check Cxx() (linear) and D() (quadratic) for zero first.
LinearFit FitLinear(const RegressionSums& s);
QuadraticFit FitQuadratic(const RegressionSums& s);

// Trend of the observed values on the recharge (" Dis": discharge, " Hyd":
// head, by the data set's ModeTag). Sets TrendValid; its linear coefficients
// become the provisional AlphaSlope and AlphaIntercept, its quadratic ones
// TrendA, TrendB, TrendC. No trend is fitted when more than one row in twenty
// has no recharge, when the recharge sums to 0 or when all recharges are equal.
void FitTrend(Session& s);

// Warns when the turning point of the fitted parabola lies well inside the
// range of the rain: the model may not fit perfectly.
void WarnAboutInconsistentTrend(Session& s, UserMessages& messages);

// Coefficient of explanation of the reconstruction, kept between 0.01 and 0.99.
void ComputeRSquare(Session& s, const DataArrayR& observed);

// Standard deviation of the calculated from the observed values.
double StandardDeviation(const AnalysisState& a);

// Regression of the rows' alpha on the observed value. A head analysis first
// replaces RunMeas by head / 1000 and fits against that. Coefficients that
// cannot be fitted keep their previous values.
void FitAlphaFunction(Session& s, bool headAnalysis);

}  // namespace tervala

// Regressions and goodness of fit of an analysis: the trend of the observed
// discharge (mm per time unit) or head on the recharge (mm per step), the
// coefficient of explanation of the reconstruction, and the regression of
// alpha (per time unit) on the observed value. Each takes series of rows
// 1..n (index 0 unused) and returns what it found; the analysis driver
// stores it.
#pragma once

#include <optional>

#include "model/data_set.h"
#include "model/program_values.h"

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

// What a regression could fit: nothing, the line, or the line and the parabola.
struct Regression {
    std::optional<LinearFit> Line;
    std::optional<QuadraticFit> Parabola;
};

// Callers check Cxx() (linear) and D() (quadratic) for zero first.
LinearFit FitLinear(const RegressionSums& s);
QuadraticFit FitQuadratic(const RegressionSums& s);

// The trend of the observed values on the recharge. Valid tells whether
// the trend is to be drawn. Its line gives the provisional alpha function,
// its parabola the quadratic trend; what was not fitted keeps the values
// held before. No trend is fitted when more than one row in twenty has no
// recharge, when the recharge sums to 0 or when all recharges are equal; two
// rows or fewer fit the line only.
struct TrendFit {
    bool Valid = false;
    Regression Fit;
};
TrendFit FitTrend(const DataArrayR& recharge, const DataArrayR& observed, int n);

// True when the turning point of the trend's parabola lies well inside the
// range of the rain: the model may not fit perfectly, and the user is warned.
bool TrendInconsistent(const DataArrayR& rain, int n, const TrendResults& trend);

// Coefficient of explanation of a reconstruction whose squared deviations
// sum to `ssq`, with `sumMeas` the sum of the observed values of rows 2..n;
// kept between 0.01 and 0.99.
double CoefficientOfExplanation(const DataArrayR& observed, int n, double sumMeas, double ssq);

// Standard deviation of the calculated from the observed values of n rows.
double StandardDeviation(double ssq, int n);

// Regression of the rows' alpha on the observed value; fewer than 3 rows
// fit the line only.
Regression FitAlphaFunction(const DataArrayR& observed, const DataArrayR& alpha, int n);

}  // namespace tervala

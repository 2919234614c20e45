// How well a calculated series follows the observed one, in the measures
// hydrologists compare models by: the Nash-Sutcliffe efficiency, the
// Kling-Gupta efficiency in its 2012 form with its three components, the
// root mean square error (in the unit of the series: mm per time unit for
// discharge, the observed unit for head) and the percent bias.
#pragma once

#include <vector>

namespace tervala {

struct FitMeasures {
    int Rows = 0;  // rows compared
    // 1 - sum (o - c)^2 / sum (o - mean o)^2: 1 a perfect fit, 0 no better
    // than the observed mean, negative worse. Not a number when the observed
    // values do not vary.
    double NSE = 0;
    // 1 - sqrt((r - 1)^2 + (beta - 1)^2 + (gamma - 1)^2), with r the linear
    // correlation, beta = mean c / mean o (bias) and gamma the ratio of the
    // coefficients of variation (std c / mean c) / (std o / mean o).
    double KGE = 0, KgeR = 0, KgeBeta = 0, KgeGamma = 0;
    double RMSE = 0;   // sqrt(sum (o - c)^2 / rows)
    double PBIAS = 0;  // 100 * sum (c - o) / sum o: positive, too much calculated
};

// The measures over rows first..last of `observed` and `calculated`.
FitMeasures MeasureFit(const std::vector<double>& observed, const std::vector<double>& calculated,
                       int first, int last);

}  // namespace tervala

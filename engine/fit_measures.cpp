#include "engine/fit_measures.h"

#include <cmath>

namespace tervala {

FitMeasures MeasureFit(const std::vector<double>& observed, const std::vector<double>& calculated,
                       int first, int last) {
    FitMeasures m;
    m.Rows = last >= first ? last - first + 1 : 0;
    if (m.Rows == 0) return m;
    const double n = m.Rows;
    // Means first, then centred sums: the series may lie far from zero
    // (heads of a thousand mm varying by a few), where the one-pass sums of
    // squares would cancel.
    double sumO = 0, sumC = 0;
    for (int k = first; k <= last; ++k) {
        sumO += observed[k];
        sumC += calculated[k];
    }
    const double meanO = sumO / n, meanC = sumC / n;
    double ssDev = 0, ssO = 0, ssC = 0, sOC = 0;
    for (int k = first; k <= last; ++k) {
        const double o = observed[k] - meanO, c = calculated[k] - meanC;
        const double dev = observed[k] - calculated[k];
        ssDev += dev * dev;
        ssO += o * o;
        ssC += c * c;
        sOC += o * c;
    }
    m.NSE = 1 - ssDev / ssO;
    m.RMSE = std::sqrt(ssDev / n);
    m.PBIAS = 100 * (sumC - sumO) / sumO;
    m.KgeR = sOC / std::sqrt(ssO * ssC);
    m.KgeBeta = meanC / meanO;
    // The standard deviations' common divisor cancels in the ratio.
    m.KgeGamma = (std::sqrt(ssC) / meanC) / (std::sqrt(ssO) / meanO);
    m.KGE = 1 - std::sqrt((m.KgeR - 1) * (m.KgeR - 1) + (m.KgeBeta - 1) * (m.KgeBeta - 1) +
                          (m.KgeGamma - 1) * (m.KgeGamma - 1));
    return m;
}

}  // namespace tervala

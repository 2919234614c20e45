#include "engine/prediction_series.h"

#include <cmath>

namespace tervala {

void PredictSeries(Session& s) {
    PredictionState& p = s.Prediction;
    const int n = p.PredRowCount;
    if (n < 1) return;
    const double mCoeff = s.Values.MCoeff;
    const double nValue = s.Values.NValue;
    const DataArrayR& time = p.Reservoir.Time;
    const DataArrayR& rech = p.Reservoir.Rech;

    // A negative N would give a negative alpha at a small start discharge:
    // the start is raised just above the discharge at which alpha is zero.
    p.RunPred[1] = s.DMOmbrel.RunIni;
    if (nValue < 0 && -nValue > p.RunPred[1]) p.RunPred[1] = -nValue * 1.1;
    p.HeadPred[1] = s.DMOmbrel.HeadIni;
    p.Alpha[1] = 0;

    for (int k = 2; k <= n; ++k) {
        // A reservoir that does not react would never drain: alpha stays positive.
        double alpha = mCoeff * p.RunPred[k - 1] + nValue;
        if (alpha <= 0) alpha = 0.0001;
        p.Alpha[k] = alpha;
        const double delta = time[k] - time[k - 1];
        const double e = std::exp(-alpha * delta);
        p.RunPred[k] = p.RunPred[k - 1] * e + (1 - e) * rech[k];
        p.HeadPred[k] = p.HeadPred[k - 1] * e + (1 - e) * rech[k] / (0.8 * p.PorosityFrac * alpha);
        // The water table cannot drop below drain level.
        if (p.HeadPred[k] < 0) p.HeadPred[k] = 0;
    }
}

}  // namespace tervala

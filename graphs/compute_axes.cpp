#include "graphs/compute_axes.h"

namespace tervala {

DataRange VerticalRange(GraphKind kind, const GraphSeries& s, int rows) {
    DataRange range;
    switch (kind) {
        case GraphKind::ObservedCalculatedInTime:
        case GraphKind::CalculatedAgainstObserved:
            range.Include(s.Calculated, rows);
            range.Include(s.Observed, rows);
            break;
        case GraphKind::PredictedDischarge:
            range.Include(s.Discharge, rows);
            break;
        case GraphKind::AnalysisRainRecharge:
            range.Include(s.Rain, rows);
            range.Include(s.Recharge, rows);
            break;
        case GraphKind::PredictionRainRecharge:
            range.Include(s.Rain, rows);
            break;
        case GraphKind::WaterTable:
            range.Include(s.Head, rows);
            break;
        case GraphKind::ObservedAgainstRecharge:
            range.Include(s.Observed, rows);
            break;
        case GraphKind::RechargeObservedInTime:
            range.Include(s.Recharge, rows);
            break;
    }
    return range;
}

DataRange HorizontalRange(GraphKind kind, const GraphSeries& s, int rows) {
    DataRange range;
    switch (kind) {
        case GraphKind::CalculatedAgainstObserved:
            // Calculated against observed: one scale for both, so that the
            // line of equality runs corner to corner.
            range.Include(s.Calculated, rows);
            range.Include(s.Observed, rows);
            break;
        case GraphKind::ObservedAgainstRecharge:
            range.Include(s.Rain, rows);
            break;
        default:
            range.Include(s.Time, rows);
            break;
    }
    return range;
}

PlotAxes ComputeAxes(GraphKind kind, const GraphSeries& series, int rows) {
    return {ScaleHorizontalAxis(HorizontalRange(kind, series, rows)),
            ScaleVerticalAxis(VerticalRange(kind, series, rows))};
}

}  // namespace tervala

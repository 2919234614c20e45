#include "graphs/graph_data_table.h"

namespace tervala {

SeriesTable GraphDataTable(const GraphInput& input) {
    const GraphSeries& s = input.Series();
    const bool head = input.HeadMode();
    const std::string unit = head ? "mm" : "mm/t";
    const SeriesColumn time{"time", "t", s.Time};
    const SeriesColumn observed{head ? "observed head" : "observed discharge", unit, s.Observed};
    const SeriesColumn calculated{head ? "calculated head" : "calculated discharge", unit,
                                  s.Calculated};
    const SeriesColumn recharge{"recharge", "mm/t", s.Recharge};
    const SeriesColumn rain{"rain plus irrigation", "mm/t", s.Rain};
    switch (input.Kind) {
        case GraphKind::ObservedCalculatedInTime:
            return {time, observed, calculated};
        case GraphKind::PredictedDischarge:
            return {time, {"discharge", "mm/t", s.Discharge}};
        case GraphKind::AnalysisRainRecharge:
        case GraphKind::PredictionRainRecharge:
            return {time, rain, recharge};
        case GraphKind::WaterTable:
            return {time, {"head", "mm", s.Head}};
        case GraphKind::CalculatedAgainstObserved:
            return {observed, calculated};
        case GraphKind::ObservedAgainstRecharge:
            return {recharge, observed};
        case GraphKind::RechargeObservedInTime:
            if (head) {
                // Drawn on the recharge's scale in decimetres: the head reader
                // fills it from the report's calculated head.
                SeriesColumn dm{"calculated head", "dm", s.LastHead};
                for (double& v : dm.Values) v /= 100;
                return {time, recharge, dm};
            }
            return {time, recharge, observed};
    }
    return {};
}

}  // namespace tervala

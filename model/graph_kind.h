// The graphs a report can be drawn as. Analysis reports (discharge or head
// analysis) give kinds 1, 3, 7, 8 and 9, prediction reports kinds 2, 4 and 5.
// The numbers are the ones the Graphics tab and the batch command use; 6 is
// not a graph.
#pragma once

#include <optional>

namespace tervala {

enum class GraphKind {
    ObservedCalculatedInTime = 1,  // observed and calculated runoff (or head) in time
    PredictedDischarge = 2,        // predicted discharge in time
    AnalysisRainRecharge = 3,      // rain and recharge in time (analysis)
    PredictionRainRecharge = 4,    // rain and recharge in time (prediction)
    WaterTable = 5,                // predicted water table in time
    CalculatedAgainstObserved = 7,
    ObservedAgainstRecharge = 8,  // with linear and quadratic trend lines
    RechargeObservedInTime = 9,
};

inline bool IsAnalysisGraph(GraphKind kind) {
    switch (kind) {
        case GraphKind::ObservedCalculatedInTime:
        case GraphKind::AnalysisRainRecharge:
        case GraphKind::CalculatedAgainstObserved:
        case GraphKind::ObservedAgainstRecharge:
        case GraphKind::RechargeObservedInTime:
            return true;
        default:
            return false;
    }
}

// The kind with the given number, or nothing for a number that is no graph.
inline std::optional<GraphKind> GraphKindFromNumber(int number) {
    switch (number) {
        case 1:
        case 2:
        case 3:
        case 4:
        case 5:
        case 7:
        case 8:
        case 9:
            return static_cast<GraphKind>(number);
        default:
            return std::nullopt;
    }
}

inline int GraphKindNumber(GraphKind kind) { return static_cast<int>(kind); }

}  // namespace tervala

#include "graphs/graph_catalogue.h"

namespace tervala {

std::unique_ptr<GraphPainter> PainterFor(GraphKind kind) {
    switch (kind) {
        case GraphKind::ObservedCalculatedInTime:
            return std::make_unique<RunoffInTimeGraph>();
        case GraphKind::PredictedDischarge:
            return std::make_unique<PredictedDischargeGraph>();
        case GraphKind::AnalysisRainRecharge:
            return std::make_unique<AnalysisRainRechargeGraph>();
        case GraphKind::PredictionRainRecharge:
            return std::make_unique<PredictionRainRechargeGraph>();
        case GraphKind::WaterTable:
            return std::make_unique<WaterTableGraph>();
        case GraphKind::CalculatedAgainstObserved:
            return std::make_unique<CalculatedAgainstObservedGraph>();
        case GraphKind::ObservedAgainstRecharge:
            return std::make_unique<ObservedAgainstRechargeGraph>();
        case GraphKind::RechargeObservedInTime:
            break;
    }
    return std::make_unique<RechargeObservedInTimeGraph>();
}

DrawnGraph DrawGraph(DrawingSurface& surface, const GraphInput& input) {
    std::unique_ptr<GraphPainter> painter = PainterFor(input.Kind);
    return ShowGraphics(surface, input, painter.get());
}

}  // namespace tervala

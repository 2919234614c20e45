#include "engine/prediction.h"
#include "engine/prediction_loading.h"
#include "engine/prediction_report.h"
#include "engine/prediction_series.h"

namespace tervala {

void RunPrediction(Session& s, UserMessages& messages) {
    if (!LoadPredictionData(s, messages)) return;
    PredictSeries(s);
    try {
        WritePredictionReport(s);
    } catch (...) {
        s.Flags.PredNoData = true;  // a report that could not be written is no report
        throw;
    }
}

}  // namespace tervala

#include "engine/prediction.h"
#include "engine/prediction_loading.h"
#include "engine/prediction_report.h"
#include "engine/prediction_series.h"

namespace tervala {

void RunPrediction(Session& s, UserMessages& messages) {
    if (!LoadPredictionData(s, messages)) return;
    PredictSeries(s);
    // A report that could not be written is no report: tell the caller as for
    // refused data.
    if (!WritePredictionReport(s, messages)) s.Flags.PredNoData = true;
}

}  // namespace tervala

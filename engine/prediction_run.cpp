#include "engine/finite_results.h"
#include "engine/prediction.h"
#include "engine/prediction_loading.h"
#include "engine/prediction_report.h"
#include "engine/prediction_series.h"
#include "model/input_file.h"

namespace tervala {

void RunPrediction(Session& s, UserMessages& messages) {
    if (!LoadPredictionData(s, messages)) return;
    PredictSeries(s);
    if (!PredictionResultsFinite(s)) {
        // Data whose arithmetic overflows: no report, an older one stays.
        s.Flags.PredNoData = true;
        messages.ShowMessage(kNotFiniteText);
        return;
    }
    // As after an analysis: the report names the input file used with its
    // usual extension, and so does FileName, also when the report cannot be
    // written.
    s.DMOmbrel.FileName = ReplaceExtension(s.DMOmbrel.FileName, ".inp");
    try {
        WritePredictionReport(s);
    } catch (...) {
        s.Flags.PredNoData = true;  // a report that could not be written is no report
        throw;
    }
}

}  // namespace tervala

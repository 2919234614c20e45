// The engine's own reading of a saved input file at the start of a run: the
// discharge and head analyses and the prediction, each with its data checks
// and the first reservoir. Data a loader accepts are finite and fit its rows.
#include <cmath>

#include "engine/analysis_loading.h"
#include "engine/engine_file_error.h"
#include "engine/finite_results.h"
#include "engine/prediction_loading.h"
#include "tests/fuzz/fuzz_support.h"

using namespace tervala;
using fuzz::Require;

namespace {

// A session whose data set holds escape rates for every row a prediction
// can take (the prediction reads them from the data set, not the file).
Session Opened(const std::string& path) {
    Session s;
    s.DMOmbrel.FileName = path;
    s.DMOmbrel.NrOfData = kPredictionCapacity;
    s.DMOmbrel.EscData.assign(kPredictionCapacity, 0.1);
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path =
        fuzz::WriteFuzzFile("loaded.inp", std::string(reinterpret_cast<const char*>(data), size));
    fuzz::QuietMessages messages;
    SilentProgress progress;
    for (AnalysisKind kind : {AnalysisKind::Discharge, AnalysisKind::Head}) {
        Session s = Opened(path);
        try {
            LoadAnalysisData(s, kind, messages, progress);
        } catch (const EngineFileError&) {
            continue;
        }
        // Accepted as the analysis accepts a loading (a time going back
        // stops it with its own flag).
        if (s.Flags.AnalysisOk && !s.Flags.TimeSeqError && !s.DMOmbrel.RunFailed &&
            s.Flags.MaxStoOk) {
            Require(s.Analysis.RowCount <= kAnalysisCapacity, "rows within the capacity");
            Require(AnalysisDataFinite(s.Analysis, kind == AnalysisKind::Head),
                    "accepted data are finite");
        }
    }
    Session s = Opened(path);
    try {
        if (LoadPredictionData(s, messages)) {
            const PredictionState& p = s.Prediction;
            Require(p.PredRowCount <= kPredictionCapacity, "rows within the capacity");
            for (int k = 1; k <= p.PredRowCount; ++k)
                Require(std::isfinite(p.Reservoir.Time[k]) && std::isfinite(p.Reservoir.Rain[k]),
                        "accepted rows are finite");
        }
    } catch (const EngineFileError&) {
    }
    return 0;
}

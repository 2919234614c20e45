#include "engine/analysis_state.h"

namespace tervala {

void AnalysisState::Resize(int rows) {
    const size_t size = static_cast<size_t>(rows) + 1;
    SerialNo.resize(size, 0);
    SerialText.resize(size);
    for (DataArrayR* series : {&RunMeas, &HeadMeas, &RunCalc, &HeadCalc, &Storage, &Alpha}) {
        series->resize(size, 0.0);
    }
    Reservoir.Resize(rows);
}

}  // namespace tervala

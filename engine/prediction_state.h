// Series and scalars of the prediction (rows 1..PredRowCount, index 0 unused).
#pragma once

#include <vector>

namespace tervala {

struct PredictionState {
    int PredRowCount = 0;
};

}  // namespace tervala

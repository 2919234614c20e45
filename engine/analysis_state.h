// Series and scalars of the discharge and head analyses (rows 1..RowCount,
// index 0 unused; mm and mm per time unit, head in the unit of the data).
#pragma once

#include <string>
#include <vector>

namespace tervala {

struct AnalysisState {
    int RowCount = 0;
};

}  // namespace tervala

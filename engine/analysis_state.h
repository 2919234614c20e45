// Series and scalars of the discharge and head analyses (rows 1..RowCount,
// index 0 unused): rain, recharge, storage and discharge in mm and mm per time
// unit, head in the unit of the observed data, alpha per time unit.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/first_reservoir.h"

namespace tervala {

// The two analyses: alpha calibrated against observed discharge or head.
enum class AnalysisKind { Discharge, Head };

// Rows an analysis can hold (the data set itself allows 1500).
inline constexpr int kAnalysisCapacity = 1501;

struct AnalysisState {
    int RowCount = 0;

    std::vector<int32_t> SerialNo;        // serial number of the row as read
    std::vector<std::string> SerialText;  // its decimal text, at most 7 characters
    DataArrayR RunMeas;                   // observed discharge; after a head analysis head / 1000
    DataArrayR HeadMeas;                  // observed head
    DataArrayR RunCalc;                   // calculated discharge
    DataArrayR HeadCalc;                  // calculated head
    DataArrayR Storage;  // mm, storage of the second reservoir (discharge analysis)
    DataArrayR Alpha;    // per time unit, reaction factor of each row

    // Time, rain, escape rates and the first reservoir's recharge.
    ReservoirSeries Reservoir;

    // The engine's own copies of the file's header values (mm, mm per time unit).
    double MaxSto = 0;
    double IniSto = 0;  // after the default of a tenth of MaxSto
    double MaxEsc = 0;

    // alpha = AlphaSlope * previous calculated value + AlphaIntercept
    double AlphaSlope = 0;
    double AlphaIntercept = 0;
    double PdFrac = 0;  // head analysis: drainable porosity fraction, P / 50

    double BestSsq = 0;  // smallest sum of squared deviations of the search
    double Ssq = 0;      // uncapped sum of squared deviations of the reconstruction
    double SumMeas = 0;  // sum of the observed values of rows 2..RowCount

    // Regression of alpha on the observed value (head / 1000 for a head analysis).
    double AlphaLinA = 0;
    double AlphaLinC = 0;
    double AlphaQuadA = 0;
    double AlphaQuadB = 0;
    double AlphaQuadC = 0;

    // Every per-row series sized to rows + 1 entries (entries kept where they exist).
    void Resize(int rows);
};

}  // namespace tervala

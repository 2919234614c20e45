// Series and scalars of the prediction (rows 1..PredRowCount, index 0 unused):
// rain, recharge and discharge in mm per time unit (the time unit of the
// user's data), storage in mm, head in the unit of the data, alpha per time
// unit, drainable porosity as a fraction.
#pragma once

#include <vector>

#include "engine/first_reservoir.h"
#include "model/data_set.h"

namespace tervala {

// The prediction holds at most this many rows.
inline constexpr int kPredictionCapacity = 501;

struct PredictionState {
    int PredRowCount = 0;

    DataArrayI SerialNo;        // serial number of the row as read from the input file
    ReservoirSeries Reservoir;  // first reservoir: Time, Rain, Esc, Rech, ActSto, StoDef
    DataArrayR Alpha;           // per time unit, alpha of the step into row k; row 1 stays 0
    DataArrayR RunPred;         // mm per time unit, predicted discharge
    DataArrayR HeadPred;        // predicted water table above drain level, never below 0

    // The prediction's own copies of the first-reservoir parameters, as read
    // from the input file (the data-set fields are not used).
    double MaxSto = 0;        // mm
    double IniSto = 0;        // mm
    double MaxEsc = 0;        // mm per time unit, only printed
    double PorosityFrac = 0;  // drainable porosity, fraction (percent / 100)

    // 1 once a file with the linear alpha function was read; never cleared.
    int LinearAlpha = 0;

    // Sizes every series to n + 1 entries (rows 1..n).
    void Resize(int n) {
        PredRowCount = n;
        SerialNo.assign(n + 1, 0);
        Reservoir.Resize(n);
        Alpha.assign(n + 1, 0.0);
        RunPred.assign(n + 1, 0.0);
        HeadPred.assign(n + 1, 0.0);
    }
};

}  // namespace tervala

// The water balance of an analysis over the rows it used, in mm summed over
// the rows (with steps of one time unit, mm): what came in as rain and
// irrigation, what escaped from the first reservoir, how much its dead
// storage changed and what overflowed as recharge. The first reservoir
// keeps no water back, so these close to rounding; the residual shows it.
#pragma once

#include "engine/first_reservoir.h"

namespace tervala {

struct FirstReservoirBalance {
    int Rows = 0;
    double RainAndIrrigation =
        0;  // as the model used it: negative escape rates count as irrigation
    double Escape = 0;
    double StorageChange = 0;  // dead storage at the end of the last row minus the initial storage
    double Recharge = 0;
    // RainAndIrrigation - Escape - StorageChange - Recharge: rounding only.
    double Residual = 0;
};

// The balance of rows 1..n of the first reservoir's series as
// ComputeRecharge left them (Time, Rain, Esc, ActSto, Rech), from the
// initial storage iniSto (mm) of a reservoir of maxSto (mm).
FirstReservoirBalance BalanceFirstReservoir(const ReservoirSeries& s, int n, double maxSto,
                                            double iniSto);

}  // namespace tervala

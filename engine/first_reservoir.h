// The first (pre) reservoir: dead storage MaxSto and IniSto (mm), escape at
// the row's maximum escape rate (mm per time unit) scaled by how full the
// reservoir is; what it cannot hold overflows as recharge (mm per step).
#pragma once

#include "engine/engine_flags.h"
#include "model/data_set.h"
#include "model/messages.h"

namespace tervala {

// Series of rows 1..n; index 0 is unused. The caller sizes them to n + 1.
struct ReservoirSeries {
    DataArrayR Time;       // user's time unit
    DataArrayR Rain;       // mm per step, rain plus irrigation
    DataArrayR Esc;        // mm per time unit, maximum escape rate; Esc[1] is never used
    DataArrayR EscToRain;  // analysis: amount moved from a negative escape rate into Rain
    DataArrayR Rech;       // mm per step, overflow of the reservoir, never negative
    DataArrayR ActSto;     // mm, actual dead storage at the end of the row
    DataArrayR StoDef;     // mm, storage deficit at the end of the row

    void Resize(int n);  // n + 1 entries each
};

enum class RechargeVariant { Analysis, Prediction };

// Analysis rule: a negative escape rate is extra water (irrigation) of its row.
void MoveNegativeEscapeToRain(int n, ReservoirSeries& s);

// The reservoir steps for rows 1..n. The analysis variant first replaces an
// initial storage of exactly 0 by a tenth of the maximum (iniSto is updated).
// Returns false after its message when a time step or the maximum storage is
// refused; the flags say which (TimeSeqError or PredTimeError, MaxStoOk). Both
// variants refuse a maximum storage that is not positive, since the escape is
// scaled by the storage divided by it. Rows after a refused one keep their
// previous contents.
bool ComputeRecharge(RechargeVariant variant, int n, double maxSto, double& iniSto,
                     ReservoirSeries& s, EngineFlags& flags, UserMessages& messages);

}  // namespace tervala

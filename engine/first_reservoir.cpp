#include "engine/first_reservoir.h"

#include "model/message_texts.h"

namespace tervala {

void ReservoirSeries::Resize(int n) {
    const size_t size = static_cast<size_t>(n) + 1;
    for (DataArrayR* series : {&Time, &Rain, &Esc, &EscToRain, &Rech, &ActSto, &StoDef}) {
        series->resize(size, 0.0);
    }
}

void MoveNegativeEscapeToRain(int n, ReservoirSeries& s) {
    for (int k = 1; k <= n; ++k) s.EscToRain[k] = 0;
    // A negative escape rate is water that came in, not water that left:
    // irrigation entered in the wrong column. It joins the row's rain and the
    // row has no escape.
    for (int k = 1; k <= n; ++k) {
        if (s.Esc[k] < 0) {
            s.EscToRain[k] = -s.Esc[k];
            s.Rain[k] = s.Rain[k] + s.EscToRain[k];
            s.Esc[k] = 0;
        }
    }
}

bool ComputeRecharge(RechargeVariant variant, int n, double maxSto, double& iniSto,
                     ReservoirSeries& s, EngineFlags& flags, UserMessages& messages) {
    const bool analysis = variant == RechargeVariant::Analysis;
    if (analysis && iniSto == 0) iniSto = 0.1 * maxSto;
    if (analysis) {
        flags.TimeSeqError = false;
    } else {
        flags.PredTimeError = false;
    }
    if (n < 1) return true;

    // Row 1 has no time step and so no escape: the rain only fills the
    // initial deficit, and what is left over is recharge.
    const double StoDefIni = maxSto - iniSto;
    s.Rech[1] = s.Rain[1] - StoDefIni;
    if (s.Rech[1] < 0) {
        s.StoDef[1] = StoDefIni - s.Rain[1];
        s.Rech[1] = 0;
        s.ActSto[1] = iniSto + s.Rain[1];
    } else {
        s.StoDef[1] = 0;
        s.ActSto[1] = maxSto;
    }

    for (int k = 2; k <= n; ++k) {
        const double Delta = s.Time[k] - s.Time[k - 1];
        if (analysis) {
            // Equal times are a step without escape; only going back in time is refused.
            if (Delta < 0) {
                flags.TimeSeqError = true;
                messages.ShowMessage(kAnalysisTimeSequenceText);
                return false;
            }
        } else if (!(Delta > 0)) {
            flags.PredTimeError = true;
            messages.ShowMessage(kPredictionTimeSequenceText);
            return false;
        }
        // The fullness ratio below divides by the maximum storage. The
        // prediction is held to the same rule as the analysis instead of
        // running on with a division by zero.
        flags.MaxStoOk = true;
        if (maxSto <= 0) {
            messages.ShowMessage(kMaxStorageText);
            flags.MaxStoOk = false;
            return false;
        }
        // Escape slows down as the reservoir empties: the maximum rate is
        // scaled by how full it was at the end of the previous row.
        const double R = s.ActSto[k - 1] / maxSto;
        const double ActEsc = s.Esc[k] * Delta * R;
        s.StoDef[k] = s.StoDef[k - 1] + ActEsc;
        s.Rech[k] = s.Rain[k] - s.StoDef[k];
        if (analysis && k == 2 && StoDefIni < 0) {
            // An initial storage above the maximum spills its excess in the
            // first step with escape.
            s.Rech[2] = s.Rain[2] - StoDefIni;
        }
        s.ActSto[k] = maxSto;
        s.StoDef[k] = 0;
        if (s.Rech[k] < 0) {
            s.StoDef[k] = s.StoDef[k - 1] + ActEsc - s.Rain[k];
            s.Rech[k] = 0;
            s.ActSto[k] = s.ActSto[k - 1] - ActEsc + s.Rain[k];
        }
    }
    return true;
}

}  // namespace tervala

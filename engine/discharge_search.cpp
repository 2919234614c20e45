#include "engine/discharge_search.h"

#include "engine/reservoir_step.h"

namespace tervala {

DischargeSearchData MakeDischargeSearchData(const AnalysisState& a) {
    return MakeSearchSeries(a, a.RunMeas);
}

SearchWinner SearchDischargePlain(const DischargeSearchData& data, const DischargeGrid& grid,
                                  RunProgress& progress) {
    SearchWinner best;
    best.bestSsq = kDischargeInitialBest;
    std::vector<double> runCalc(data.n + 1, 0.0);
    if (data.n >= 1) runCalc[1] = data.first;
    for (int i = grid.iFirst; i <= grid.iLast; ++i) {
        for (int j = grid.jFirst; j <= grid.jLast; ++j) {
            const double A = DischargeSlope(i);
            const double C = DischargeIntercept(j);
            double ssq = 0;
            for (int k = 2; k <= data.n; ++k) {
                const double alpha = DischargeAlpha(A, C, runCalc[k - 1]);
                runCalc[k] = DischargeNext(runCalc[k - 1], alpha, data.delta[k], data.rech[k]);
                ssq += SearchTerm(data.meas[k], runCalc[k], kDischargeDeviationCap,
                                  kDischargeCappedTerm);
            }
            if (ssq < best.bestSsq) {
                best.taken = true;
                best.i = i;
                best.j = j;
                best.bestSsq = ssq;
            }
            if (const char* line = DischargeProgressLine(i, j)) progress.AddProgressLine(line);
            if (progress.StopRequested()) {
                best.stopped = true;
                return best;
            }
        }
    }
    return best;
}

namespace {

// The discharge of every row recomputed with the coefficients found, the
// storage of the second reservoir beside it, and the uncapped sum of squared
// deviations with the sum of the observed values for the statistics.
void ReconstructDischarge(Session& s) {
    AnalysisState& a = s.Analysis;
    const ReservoirSeries& r = a.Reservoir;
    a.Ssq = 0;
    a.SumMeas = 0;
    a.Storage[1] = s.DMOmbrel.HeadIni;
    for (int k = 2; k <= a.RowCount; ++k) {
        const double alpha = DischargeAlpha(a.AlphaSlope, a.AlphaIntercept, a.RunCalc[k - 1]);
        a.Alpha[k] = alpha;
        const double delta = r.Time[k] - r.Time[k - 1];
        a.RunCalc[k] = DischargeNext(a.RunCalc[k - 1], alpha, delta, r.Rech[k]);
        const double dev = a.RunMeas[k] - a.RunCalc[k];
        a.Storage[k] = a.Storage[k - 1] + r.Rech[k] - a.RunCalc[k];
        a.Ssq += dev * dev;
        a.SumMeas += a.RunMeas[k];
    }
}

}  // namespace

void SearchAlphaDischarge(Session& s, RunProgress& progress, const SearchOptions& options) {
    AnalysisState& a = s.Analysis;
    ReservoirSeries& r = a.Reservoir;
    a.BestSsq = kDischargeInitialBest;
    a.RunCalc[1] = a.RunMeas[1];
    a.Alpha[1] = 0;  // row 1 has no step and so no alpha
    // The second reservoir starts from the first row's recharge at least.
    if (a.RowCount >= 2 && r.Rech[1] > r.Rech[2]) r.Rech[2] = r.Rech[1];

    const DischargeSearchData data = MakeDischargeSearchData(a);
    const DischargeGrid grid;
    const SearchWinner winner =
        options.referenceLoop
            ? SearchDischargePlain(data, grid, progress)
            : SearchDischargeFast(data, grid, progress, options.threads, options.vectors);
    // Asked to stop, the analysis leaves everything unwritten.
    if (winner.stopped) {
        s.Flags.RunStopped = true;
        return;
    }
    // Without a winner the coefficients of the trend fit (or earlier ones) stay.
    if (winner.taken) {
        a.AlphaSlope = DischargeSlope(winner.i);
        a.AlphaIntercept = DischargeIntercept(winner.j);
        a.BestSsq = winner.bestSsq;
    }

    ReconstructDischarge(s);
}

}  // namespace tervala

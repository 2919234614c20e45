#include "engine/head_search.h"

#include <cmath>

#include "engine/reservoir_step.h"

namespace tervala {

HeadSearchData MakeHeadSearchData(const AnalysisState& a) {
    return MakeSearchSeries(a, a.HeadMeas);
}

SearchWinner SearchHeadPlain(const HeadSearchData& data, const HeadGrid& grid,
                             RunProgress& progress) {
    SearchWinner best;
    best.bestSsq = kHeadInitialBest;
    std::vector<double> headCalc(data.n + 1, 0.0);
    if (data.n >= 1) headCalc[1] = data.first;
    for (int i = grid.iFirst; i <= grid.iLast; ++i) {
        for (int j = grid.jFirst; j <= grid.jLast; ++j) {
            for (int p = grid.pFirst; p <= grid.pLast; ++p) {
                const double B = HeadSlope(i);
                const double F = HeadIntercept(j);
                const double P = p;
                double ssq = 0;
                for (int k = 2; k <= data.n; ++k) {
                    const double alpha = HeadAlpha(B, F, headCalc[k - 1]);
                    headCalc[k] = HeadNextSearch(headCalc[k - 1], alpha, data.delta[k],
                                                 data.rech[k], P, kHeadTermWithoutAlpha);
                    ssq +=
                        SearchTerm(data.meas[k], headCalc[k], kHeadDeviationCap, kHeadCappedTerm);
                }
                if (ssq < best.bestSsq) {
                    best.taken = true;
                    best.i = i;
                    best.j = j;
                    best.p = p;
                    best.bestSsq = ssq;
                }
                if (p == kHeadProgressP) {
                    if (const char* line = HeadProgressLine(i, j)) progress.AddProgressLine(line);
                }
                if (progress.StopRequested()) {
                    best.stopped = true;
                    return best;
                }
            }
        }
    }
    return best;
}

namespace {

// The head of every row recomputed with the coefficients and porosity found.
// Alpha of row 1 is the function's value at the first observed head (the
// report prints 0 there).
void ReconstructHead(Session& s) {
    AnalysisState& a = s.Analysis;
    const ReservoirSeries& r = a.Reservoir;
    a.Ssq = 0;
    a.SumMeas = 0;
    a.Alpha[1] = a.AlphaSlope * a.HeadMeas[1] + a.AlphaIntercept;
    for (int k = 2; k <= a.RowCount; ++k) {
        const double alpha = HeadAlpha(a.AlphaSlope, a.AlphaIntercept, a.HeadCalc[k - 1]);
        a.Alpha[k] = alpha;
        const double delta = r.Time[k] - r.Time[k - 1];
        const double E = std::exp(-alpha * delta);
        // Alpha is 0 only when no grid point was taken and the coefficients
        // left from the trend fit give no positive alpha: the search's rule
        // then stands in for the division by zero.
        const double term =
            alpha == 0 ? kHeadTermWithoutAlpha : (1 - E) * r.Rech[k] / (a.PdFrac * alpha);
        a.HeadCalc[k] = a.HeadCalc[k - 1] * E + term;
        const double dev = a.HeadMeas[k] - a.HeadCalc[k];
        a.Ssq += dev * dev;
        a.SumMeas += a.HeadMeas[k];
    }
}

}  // namespace

void SearchAlphaHead(Session& s, RunProgress& progress, const SearchOptions& options) {
    AnalysisState& a = s.Analysis;
    a.BestSsq = kHeadInitialBest;
    a.PdFrac = 5.0;
    a.HeadCalc[1] = a.HeadMeas[1];

    const HeadSearchData data = MakeHeadSearchData(a);
    const HeadGrid grid;
    const SearchWinner winner =
        options.referenceLoop
            ? SearchHeadPlain(data, grid, progress)
            : SearchHeadFast(data, grid, progress, options.threads, options.vectors);
    if (winner.stopped) {
        s.Flags.RunStopped = true;
        return;
    }
    if (winner.taken) {
        a.AlphaSlope = HeadSlope(winner.i);
        a.AlphaIntercept = HeadIntercept(winner.j);
        a.BestSsq = winner.bestSsq;
        const double P = winner.p;
        a.PdFrac = P / 50;
    }

    ReconstructHead(s);
}

}  // namespace tervala

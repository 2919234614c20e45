#include "engine/finite_results.h"

#include <cmath>
#include <initializer_list>

#include "engine/fit_statistics.h"

namespace tervala {

namespace {

bool Finite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

// Rows 1..n of every series.
bool RowsFinite(std::initializer_list<const DataArrayR*> series, int n) {
    for (const DataArrayR* s : series) {
        for (int k = 1; k <= n && k < static_cast<int>(s->size()); ++k) {
            if (!std::isfinite((*s)[k])) return false;
        }
    }
    return true;
}

}  // namespace

bool AnalysisDataFinite(const AnalysisState& a, AnalysisKind kind) {
    const ReservoirSeries& r = a.Reservoir;
    return Finite({a.MaxSto, a.IniSto, a.MaxEsc}) &&
           RowsFinite({&r.Time, &r.Rain, &r.Esc, &r.EscToRain, &r.Rech,
                       kind == AnalysisKind::Head ? &a.HeadMeas : &a.RunMeas},
                      a.RowCount);
}

bool AnalysisResultsFinite(const Session& s, AnalysisKind kind) {
    const AnalysisState& a = s.Analysis;
    const TrendResults& t = s.Values.Trend;
    // The head report has no storage column.
    const bool rowsFinite = kind == AnalysisKind::Head
                                ? RowsFinite({&a.Alpha, &a.HeadCalc}, a.RowCount)
                                : RowsFinite({&a.Alpha, &a.RunCalc, &a.Storage}, a.RowCount);
    return AnalysisDataFinite(a, kind) && rowsFinite &&
           Finite({a.AlphaSlope, a.AlphaIntercept, a.PdFrac, StandardDeviation(a.Ssq, a.RowCount),
                   t.RSquare, a.AlphaLinA, a.AlphaLinC, t.TrendA, t.TrendB, t.TrendC, a.AlphaQuadA,
                   a.AlphaQuadB, a.AlphaQuadC});
}

bool PredictionResultsFinite(const Session& s) {
    const PredictionState& p = s.Prediction;
    const ReservoirSeries& r = p.Reservoir;
    return Finite(
               {p.MaxSto, p.IniSto, p.MaxEsc, p.PorosityFrac, s.Values.MCoeff, s.Values.NValue}) &&
           RowsFinite({&r.Time, &r.Rain, &r.Rech, &p.Alpha, &p.RunPred, &p.HeadPred},
                      p.PredRowCount);
}

}  // namespace tervala

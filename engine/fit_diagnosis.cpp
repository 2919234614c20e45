#include "engine/fit_diagnosis.h"

#include <algorithm>
#include <cmath>

#include "engine/discharge_search.h"
#include "engine/head_search.h"
#include "model/number_text.h"

namespace tervala {

namespace {

// The grid index whose coefficient is exactly `value`, if there is one.
template <typename Coefficient>
std::optional<int> IndexOfValue(double value, double step, int offset, Coefficient coefficient) {
    const int index = static_cast<int>(std::lround(value / step)) + offset;
    if (coefficient(index) != value) return std::nullopt;
    return index;
}

// Which grid point the analysis took: its coefficients are exactly grid
// values, and its best sum lies below the search's initial best sum.
void FindWinner(AnalysisFit& f) {
    std::optional<int> i, j, p{0};
    if (f.Kind == AnalysisKind::Discharge) {
        if (!(f.BestSsq < kDischargeInitialBest)) return;
        i = IndexOfValue(f.AlphaSlope, 0.0001, 0, DischargeSlope);
        j = IndexOfValue(f.AlphaIntercept, 0.0001, 500, DischargeIntercept);
    } else {
        if (!(f.BestSsq < kHeadInitialBest)) return;
        i = IndexOfValue(f.AlphaSlope, 0.0001, 0, HeadSlope);
        j = IndexOfValue(f.AlphaIntercept, 0.0005, 0, HeadIntercept);
        p = IndexOfValue(f.PdFrac, 1.0 / 50, 0, [](int q) { return double(q) / 50; });
    }
    if (!i || !j || !p) return;
    f.Taken = true;
    f.I = *i, f.J = *j, f.P = *p;
}

std::string Fixed(double value, int decimals) { return FormatFixed(value, 0, decimals); }

void AddEdge(std::vector<GridEdge>& edges, const char* name, const char* what, int decimals,
             int index, int first, int last, double value) {
    if (index == first || index == last)
        edges.push_back({name, what, value, decimals, index == last});
}

double Sum(const std::vector<double>& series, int first, int last) {
    double sum = 0;
    for (int k = first; k <= last; ++k) sum += series[k];
    return sum;
}

}  // namespace

AnalysisFit CaptureAnalysisFit(const Session& s, AnalysisKind kind) {
    const AnalysisState& a = s.Analysis;
    AnalysisFit f;
    f.Kind = kind;
    f.InputFile = s.DMOmbrel.FileName;
    f.Rows = a.RowCount;
    const bool discharge = kind == AnalysisKind::Discharge;
    f.Search = MakeSearchSeries(a, discharge ? a.RunMeas : a.HeadMeas);
    const DataArrayR& observed = discharge ? a.RunMeas : a.HeadMeas;
    const DataArrayR& calculated = discharge ? a.RunCalc : a.HeadCalc;
    f.Observed.assign(observed.begin(), observed.begin() + a.RowCount + 1);
    f.Calculated.assign(calculated.begin(), calculated.begin() + a.RowCount + 1);

    // The discharge analysis hands the second reservoir at least the first
    // row's recharge in row 2; the first reservoir's own recharge is computed
    // again from its inputs, as the analysis computed it.
    f.MaxSto = a.MaxSto;
    f.IniSto = a.IniSto;
    f.Reservoir.Resize(a.RowCount);
    for (int k = 1; k <= a.RowCount; ++k) {
        f.Reservoir.Time[k] = a.Reservoir.Time[k];
        f.Reservoir.Rain[k] = a.Reservoir.Rain[k];
        f.Reservoir.Esc[k] = a.Reservoir.Esc[k];
    }
    EngineFlags flags;
    SilentMessages unshown;  // the analysis has told them already
    double iniSto = f.IniSto;
    ComputeRecharge(RechargeVariant::Analysis, a.RowCount, f.MaxSto, iniSto, f.Reservoir, flags,
                    unshown);

    f.BestSsq = a.BestSsq;
    f.AlphaSlope = a.AlphaSlope;
    f.AlphaIntercept = a.AlphaIntercept;
    f.PdFrac = a.PdFrac;
    f.RSquare = s.Values.Trend.RSquare;
    FindWinner(f);
    return f;
}

std::string EdgeWarningText(const GridEdge& e) {
    return "The best grid point lies on the edge of the search grid: " + e.Name + " = " +
           Fixed(e.Value, e.Decimals) + " is the " + (e.Largest ? "largest " : "smallest ") +
           e.What + " searched, so the optimum may lie outside the grid, at a " +
           (e.Largest ? "larger " : "smaller ") + e.Name + ".";
}

std::vector<GridEdge> GridEdges(AnalysisKind kind, int i, int j, int p) {
    std::vector<GridEdge> e;
    if (kind == AnalysisKind::Discharge) {
        const DischargeGrid g;
        AddEdge(e, "A", "slope", 4, i, g.iFirst, g.iLast, DischargeSlope(i));
        AddEdge(e, "C", "intercept", 4, j, g.jFirst, g.jLast, DischargeIntercept(j));
    } else {
        const HeadGrid g;
        AddEdge(e, "B", "slope", 4, i, g.iFirst, g.iLast, HeadSlope(i));
        AddEdge(e, "F", "intercept", 4, j, g.jFirst, g.jLast, HeadIntercept(j));
        AddEdge(e, "porosity factor", "porosity factor", 3, p, g.pFirst, g.pLast, double(p) / 50);
    }
    return e;
}

FitDiagnosis DiagnoseFit(const AnalysisFit& f, const DiagnosisOptions& o) {
    FitDiagnosis d;
    const bool discharge = f.Kind == AnalysisKind::Discharge;
    d.Kind = f.Kind;
    d.InputFile = f.InputFile;
    d.Rows = f.Rows;
    d.Taken = f.Taken;
    d.BestSsq = f.BestSsq;
    d.AlphaSlope = f.AlphaSlope, d.AlphaIntercept = f.AlphaIntercept, d.PdFrac = f.PdFrac;
    d.RSquare = f.RSquare;

    // Row 1 starts the reconstruction from its observed value: rows 2 on
    // are the ones the model calculated.
    d.Measures = MeasureFit(f.Observed, f.Calculated, 2, f.Rows);
    d.Balance = BalanceFirstReservoir(f.Reservoir, f.Rows, f.MaxSto, f.IniSto);
    d.ObservedTotal = Sum(f.Observed, 2, f.Rows);
    d.CalculatedTotal = Sum(f.Calculated, 2, f.Rows);
    if (discharge) d.SecondReservoirStored = Sum(f.Search.rech, 2, f.Rows) - d.CalculatedTotal;
    if (!discharge && f.Rows >= 2) {
        d.ObservedTotal /= f.Rows - 1;
        d.CalculatedTotal /= f.Rows - 1;
    }
    if (f.Taken) d.Edges = GridEdges(f.Kind, f.I, f.J, f.P);

    d.RegionAsked = o.Region || o.Picture;
    if (!d.RegionAsked) return d;
    const int coefficients = discharge ? 2 : 3;
    if (!f.Taken) {
        d.NoRegion =
            "no grid point was taken (every search sum reached the search's starting value), so "
            "the alpha function is the trend fit's and the grid holds no region.";
    } else {
        d.Limit = ConfidenceLimit(f.BestSsq, coefficients, f.Rows - 1);
        if (!d.Limit)
            d.NoRegion = "with " + std::to_string(f.Rows - 1) + " compared rows and " +
                         std::to_string(coefficients) +
                         " coefficients no degrees of freedom are left to judge the fit by.";
    }
    GridRegion region;
    if (d.Limit) {
        region =
            discharge
                ? DischargeRegion(f.Search, o.Discharge, d.Limit->Limit, o.Threads, o.StopRequested)
                : HeadRegion(f.Search, o.Head, d.Limit->Limit, f.P, o.Threads, o.StopRequested);
        d.RegionPoints = region.Points;
        if (discharge) {
            d.Ranges = {{"A", DischargeSlope(region.IMin), DischargeSlope(region.IMax), 4},
                        {"C", DischargeIntercept(region.JMin), DischargeIntercept(region.JMax), 4}};
        } else {
            d.Ranges = {{"B", HeadSlope(region.IMin), HeadSlope(region.IMax), 4},
                        {"F", HeadIntercept(region.JMin), HeadIntercept(region.JMax), 4},
                        {"porosity factor", region.PMin / 50.0, region.PMax / 50.0, 3}};
        }
    }
    if (o.Picture && f.Taken) d.Map = DiagnosisMap(f, d, o, region);
    return d;
}

}  // namespace tervala

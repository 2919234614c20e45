// Fit diagnostics of a finished discharge or head analysis: how the
// reconstruction scores on the measures hydrologists compare models by, the
// water balance over the rows used, whether the best grid point lies on the
// edge of the search grid, and how sharply the data determine the alpha
// function (the 95 % confidence region of the coefficients on the grid, with
// a picture of the search sum over the grid). Discharge in mm per time unit,
// head in the unit of the observed data (mm), balance terms in mm.
//
// The one home of "diagnose a fit": tervala-batch diagnose, the summary of
// many fields and the window's "Fit diagnostics" all call DiagnoseFit.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/analysis_loading.h"
#include "engine/confidence_region.h"
#include "engine/first_reservoir.h"
#include "engine/fit_measures.h"
#include "engine/search_grid.h"
#include "engine/session.h"
#include "engine/water_balance.h"
#include "graphs/objective_map.h"

namespace tervala {

// What a finished analysis leaves that its diagnosis needs, copied, so that
// the diagnosis may run while the program goes on.
struct AnalysisFit {
    AnalysisKind Kind = AnalysisKind::Discharge;
    std::string InputFile;
    int Rows = 0;
    SearchSeries Search;  // the series the search compared (rows 2..Rows)
    // Rows 1..Rows: the observed values as the analysis used them (floored
    // at 0.001) and the reconstruction.
    std::vector<double> Observed, Calculated;
    // The first reservoir's own series: rain with the irrigation of negative
    // escape rates, escape rates, recharge and dead storage.
    ReservoirSeries Reservoir;
    double MaxSto = 0, IniSto = 0;
    // The best grid point, when the search took one (its grid indices), and
    // the alpha function the analysis reports.
    bool Taken = false;
    int I = 0, J = 0, P = 0;
    double BestSsq = 0;
    double AlphaSlope = 0, AlphaIntercept = 0, PdFrac = 0;
    double RSquare = 0;  // as the report prints it, between 0.01 and 0.99
};

// The copy of the analysis of kind `kind` that s holds after a good run.
AnalysisFit CaptureAnalysisFit(const Session& s, AnalysisKind kind);

// A coefficient whose best value is the first or last of its grid: the
// optimum may lie outside the grid.
struct GridEdge {
    std::string Name;  // "A", "porosity factor"
    std::string What;  // "slope", "intercept", "porosity factor"
    double Value = 0;
    int Decimals = 4;
    bool Largest = false;  // the last value of the grid (else the first)
};
std::string EdgeWarningText(const GridEdge& edge);

struct CoefficientRange {
    std::string Name;
    double Lowest = 0, Highest = 0;
    int Decimals = 4;  // as the report prints the coefficient
};

struct FitDiagnosis {
    AnalysisKind Kind = AnalysisKind::Discharge;
    std::string InputFile;
    int Rows = 0;
    bool Taken = false;
    double BestSsq = 0;
    double AlphaSlope = 0, AlphaIntercept = 0, PdFrac = 0;

    FitMeasures Measures;  // rows 2..Rows, the rows the search compares
    double RSquare = 0;
    FirstReservoirBalance Balance;  // rows 1..Rows
    // Discharge: totals of the observed and calculated discharge over the
    // compared rows (mm summed over the rows); head: their means.
    double ObservedTotal = 0, CalculatedTotal = 0;
    // Discharge: the recharge the second reservoir received over the
    // compared rows minus the calculated discharge, which it kept (the
    // change of the report's storage column).
    double SecondReservoirStored = 0;

    std::vector<GridEdge> Edges;

    // The confidence region, when it was asked for and exists; otherwise
    // why not.
    bool RegionAsked = false;
    std::optional<RegionLimit> Limit;
    int64_t RegionPoints = 0;
    std::vector<CoefficientRange> Ranges;
    std::string NoRegion;

    std::optional<ObjectiveMap> Map;  // when a picture was asked for
};

struct DiagnosisOptions {
    bool Region = true;    // enumerate the confidence region
    bool Picture = false;  // sample the objective for its picture (needs the region)
    // A run asked for the diagnostics alone refuses a prediction before it
    // runs; a summary of many runs diagnoses the analyses among them.
    bool RefusePrediction = false;
    int Threads = 0;  // 0: one per usable processor
    // Asked between tiles of work: true ends the diagnosis early, with an
    // incomplete region and picture that are not to be shown.
    std::function<bool()> StopRequested;
    // The grids the analysis searched; narrower only in tests.
    DischargeGrid Discharge;
    HeadGrid Head;
};

FitDiagnosis DiagnoseFit(const AnalysisFit& fit, const DiagnosisOptions& options = {});

// The picture of a diagnosis whose region (when it has one) is `region`:
// the search sum over the plane of the best point, around the part worth
// seeing.
ObjectiveMap DiagnosisMap(const AnalysisFit& fit, const FitDiagnosis& diagnosis,
                          const DiagnosisOptions& options, const GridRegion& region);

// The coefficients of grid point (i, j) or (i, j, p) that lie on the edge of
// the analysis' grid.
std::vector<GridEdge> GridEdges(AnalysisKind kind, int i, int j, int p);

// The diagnosis as text for people, and as JSON for scripts (numbers in
// full precision, null where a value is undefined), naming the picture
// file when one was written.
std::string DiagnosisText(const FitDiagnosis& d);
std::string DiagnosisJson(const FitDiagnosis& d, const std::string& picture = "");

}  // namespace tervala

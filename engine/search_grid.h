// The grids over which the alpha searches run. Discharge analysis: slope
// A = i * 0.0001 and intercept C = (j - 500) * 0.0001 (alpha per time unit
// per mm of discharge, and per time unit). Head analysis: slope
// B = i * 0.0001, intercept F = j * 0.0005 and porosity percentage P = p.
// Loop order is i outermost, then j, then p; ties go to the earliest point.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tervala {

inline double DischargeSlope(int i) { return i * 0.0001; }
inline double DischargeIntercept(int j) { return (j - 500) * 0.0001; }
inline double HeadSlope(int i) { return i * 0.0001; }
inline double HeadIntercept(int j) { return j * 0.0005; }

// Index ranges of a search, inclusive. The program always searches the full
// grid; tests and benchmarks may narrow it to compare the fast search with
// the plain loop on fewer points.
struct DischargeGrid {
    int iFirst = 1, iLast = 1000;
    int jFirst = 1, jLast = 1500;
    int64_t Points() const { return int64_t(iLast - iFirst + 1) * (jLast - jFirst + 1); }
};

struct HeadGrid {
    int iFirst = 1, iLast = 500;
    int jFirst = 1, jLast = 1000;
    int pFirst = 1, pLast = 100;
    int64_t Points() const {
        return int64_t(iLast - iFirst + 1) * (jLast - jFirst + 1) * (pLast - pFirst + 1);
    }
};

// Where a search reports its progress: the grid positions (i, j) and the
// line added to the progress memo there. The head search reports at p = 25.
struct ProgressMark {
    int i;
    int j;
    const char* line;
};

inline constexpr int kProgressMarks = 9;
extern const ProgressMark kDischargeProgress[kProgressMarks];
extern const ProgressMark kHeadProgress[kProgressMarks];
inline constexpr int kHeadProgressP = 25;

// The progress line of grid position (i, j), or nullptr when there is none.
const char* DischargeProgressLine(int i, int j);
const char* HeadProgressLine(int i, int j);

// What a search runs on (rows 1..n, index 0 unused): the same for the
// discharge and the head search, with the observed series of each.
struct SearchSeries {
    int n = 0;
    std::vector<double> delta;  // time step of row k, Time[k] - Time[k-1]
    std::vector<double> rech;   // recharge of row k
    std::vector<double> meas;   // observed discharge or head of row k
    double first = 0;           // calculated value of row 1: its observed value
};

struct AnalysisState;
// The search series of an analysis with `measured` (RunMeas or HeadMeas) as observed.
SearchSeries MakeSearchSeries(const AnalysisState& a, const std::vector<double>& measured);

// Outcome of a search: the winning grid point, if any sum fell below the
// initial best sum, and the best sum itself (the initial one otherwise).
struct SearchWinner {
    bool stopped = false;  // stopped on request before the grid's end: no result
    bool taken = false;
    int i = 0, j = 0, p = 0;
    double bestSsq = 0;
};

}  // namespace tervala

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

// A block of either grid as the fast search sees it: index ranges (inclusive)
// along i, j and p. The discharge grid has one p, 0. Points are numbered in
// loop order, i outermost and p innermost.
struct GridBox {
    int lo[3] = {0, 0, 0};
    int hi[3] = {0, 0, 0};
    int Count(int axis) const { return hi[axis] - lo[axis] + 1; }
    int64_t Points() const { return int64_t(Count(0)) * Count(1) * Count(2); }
    bool Holds(int i, int j, int p) const {
        return lo[0] <= i && i <= hi[0] && lo[1] <= j && j <= hi[1] && lo[2] <= p && p <= hi[2];
    }
};

// The vector instructions the fast search bounds its blocks with: the widest
// the processor has (Best), or at most AVX-512, AVX2, or those every x86-64
// processor has (Baseline). The result never depends on it.
enum class VectorLevel { Best, Avx512, Avx2, Baseline };

// How an analysis searches: the result never depends on it.
struct SearchOptions {
    int threads = 0;  // 0: one per processor the program may use
    // Run the plain grid loop instead of the fast search. Both give the same
    // winner and the same best sum; the plain loop is the reference.
    bool referenceLoop = false;
    VectorLevel vectors = VectorLevel::Best;
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
// What a fast search did, in steps of the second reservoir: one row of one
// grid point, or of one block of them, in the vector lanes; and the plain
// loop's own steps, std::exp included (the seed and the candidates).
struct SearchWork {
    int64_t pointRows = 0;
    int64_t blockRows = 0;
    int64_t exactRows = 0;
    void Add(const SearchWork& w) {
        pointRows += w.pointRows, blockRows += w.blockRows, exactRows += w.exactRows;
    }
};

struct SearchWinner {
    bool stopped = false;  // stopped on request before the grid's end: no result
    bool taken = false;
    int i = 0, j = 0, p = 0;
    double bestSsq = 0;
    SearchWork work;  // the fast search's
};

}  // namespace tervala

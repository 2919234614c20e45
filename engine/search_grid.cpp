#include "engine/search_grid.h"

#include "engine/analysis_state.h"

namespace tervala {

const ProgressMark kDischargeProgress[kProgressMarks] = {
    {100, 100, " Please wait ....."}, {200, 200, " Progress 20% ...."},
    {300, 300, " Progress 30% ...."}, {400, 400, " Progress 40% ...."},
    {500, 500, " Progress 50% ...."}, {600, 600, " Progress 60% ...."},
    {700, 700, " Progress 70% ...."}, {800, 800, " Progress 80% ...."},
    {900, 900, " Progress 90% ...."},
};

const ProgressMark kHeadProgress[kProgressMarks] = {
    {50, 10, " Please wait ....."},  {100, 20, " Progress 20% ...."},
    {150, 30, " Progress 30% ...."}, {200, 40, " Progress 40% ...."},
    {250, 50, " Progress 50% ...."}, {300, 60, " Progress 60% ...."},
    {350, 70, " Progress 70% ...."}, {400, 80, " Progress 80% ...."},
    {450, 90, " Progress 90% ...."},
};

namespace {
const char* Find(const ProgressMark (&table)[kProgressMarks], int i, int j) {
    for (const ProgressMark& mark : table) {
        if (mark.i == i && mark.j == j) return mark.line;
    }
    return nullptr;
}
}  // namespace

const char* DischargeProgressLine(int i, int j) { return Find(kDischargeProgress, i, j); }
const char* HeadProgressLine(int i, int j) { return Find(kHeadProgress, i, j); }

SearchSeries MakeSearchSeries(const AnalysisState& a, const std::vector<double>& measured) {
    SearchSeries d;
    const int n = a.RowCount;
    d.n = n;
    d.delta.assign(n + 1, 0.0);
    d.rech.assign(n + 1, 0.0);
    d.meas.assign(n + 1, 0.0);
    for (int k = 1; k <= n; ++k) {
        if (k >= 2) d.delta[k] = a.Reservoir.Time[k] - a.Reservoir.Time[k - 1];
        d.rech[k] = a.Reservoir.Rech[k];
        d.meas[k] = measured[k];
    }
    d.first = n >= 1 ? measured[1] : 0;
    return d;
}

}  // namespace tervala

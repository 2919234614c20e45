#include "engine/objective_landscape.h"

#include <algorithm>

#include "engine/confidence_region.h"
#include "engine/search_parallel.h"

namespace tervala {

namespace {

// The middle index of each block of `step` indices from first to last.
std::vector<int> Middles(int first, int last, int step) {
    std::vector<int> middles;
    for (int start = first; start <= last; start += step)
        middles.push_back(std::min(start + (step - 1) / 2, last));
    return middles;
}

}  // namespace

LandscapeSamples SampleLandscape(AnalysisKind kind, const SearchSeries& d, const GridWindow& window,
                                 int p, int stepI, int stepJ, int threads,
                                 const std::function<bool()>& stopRequested) {
    LandscapeSamples s;
    s.Window = window;
    s.StepI = std::max(1, stepI);
    s.StepJ = std::max(1, stepJ);
    s.I = Middles(window.iFirst, window.iLast, s.StepI);
    s.J = Middles(window.jFirst, window.jLast, s.StepJ);
    s.Sums.assign(s.I.size() * s.J.size(), 0.0);
    RunTiles(
        int64_t(s.I.size()), threads,
        [&](int64_t r, int) {
            std::vector<GridIndex> row;
            for (int j : s.J) row.push_back({s.I[r], j, kind == AnalysisKind::Discharge ? 0 : p});
            const std::vector<double> sums = PointSums(kind, d, row);
            std::copy(sums.begin(), sums.end(), s.Sums.begin() + r * s.J.size());
        },
        [](int64_t) {}, Stopper(stopRequested));
    return s;
}

GridWindow WindowOfInterest(const LandscapeSamples& s, const GridWindow& full, double best,
                            int bestI, int bestJ, int regionI0, int regionI1, int regionJ0,
                            int regionJ1) {
    GridWindow w{std::min(bestI, regionI0), std::max(bestI, regionI1), std::min(bestJ, regionJ0),
                 std::max(bestJ, regionJ1)};
    for (size_t r = 0; r < s.I.size(); ++r) {
        for (size_t c = 0; c < s.J.size(); ++c) {
            if (!(s.Sums[r * s.J.size() + c] <= 10 * best)) continue;
            w.iFirst = std::min(w.iFirst, s.I[r] - s.StepI),
            w.iLast = std::max(w.iLast, s.I[r] + s.StepI);
            w.jFirst = std::min(w.jFirst, s.J[c] - s.StepJ),
            w.jLast = std::max(w.jLast, s.J[c] + s.StepJ);
        }
    }
    // A margin of a quarter on each side, and at least 20 grid points a side.
    const int marginI = std::max((w.iLast - w.iFirst) / 4, 20 - (w.iLast - w.iFirst) / 2);
    const int marginJ = std::max((w.jLast - w.jFirst) / 4, 20 - (w.jLast - w.jFirst) / 2);
    w = {std::max(full.iFirst, w.iFirst - marginI), std::min(full.iLast, w.iLast + marginI),
         std::max(full.jFirst, w.jFirst - marginJ), std::min(full.jLast, w.jLast + marginJ)};
    const bool mostI = (w.iLast - w.iFirst + 1) * 2 > full.iLast - full.iFirst + 1;
    const bool mostJ = (w.jLast - w.jFirst + 1) * 2 > full.jLast - full.jFirst + 1;
    return mostI && mostJ ? full : w;
}

}  // namespace tervala

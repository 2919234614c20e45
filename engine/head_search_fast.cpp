// The fast head search: exactly the winner, best sum and progress lines of
// the plain loop (SearchHeadPlain), found by the same reasoning as the fast
// discharge search (discharge_search_fast.cpp).
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/head_search.h"
#include "engine/reservoir_step.h"
#include "engine/search_parallel.h"

namespace tervala {

namespace {

double PointSum(const HeadSearchData& d, double B, double F, double P, double limit) {
    double h = d.first;
    double ssq = 0;
    for (int k = 2; k <= d.n; ++k) {
        h = HeadNextSearch(h, HeadAlpha(B, F, h), d.delta[k], d.rech[k], P,
                           kHeadTermWithoutAlpha);
        ssq += SearchTerm(d.meas[k], h, kHeadDeviationCap, kHeadCappedTerm);
        if (ssq > limit) return ssq;
    }
    return ssq;
}

struct GridPoint {
    int i, j, p;
    int64_t index;
};

void Evaluate(const HeadSearchData& d, const std::vector<GridPoint>& points, SharedLimit& shared,
              Candidate& best) {
    for (const GridPoint& g : points) {
        const double l = shared.Get();
        const double s = PointSum(d, HeadSlope(g.i), HeadIntercept(g.j), g.p, l);
        if (s <= l) {
            best.Offer(g.index, s);
            shared.Lower(s);
        }
    }
}

}  // namespace

SearchWinner SearchHeadFast(const HeadSearchData& data, const HeadGrid& grid,
                            RunProgress& progress, int threads) {
    SearchWinner winner;
    winner.bestSsq = kHeadInitialBest;
    const int nI = grid.iLast - grid.iFirst + 1;
    const int nJ = grid.jLast - grid.jFirst + 1;
    const int nP = grid.pLast - grid.pFirst + 1;
    if (nI <= 0 || nJ <= 0 || nP <= 0) return winner;

    SharedLimit limit(kHeadInitialBest);
    constexpr int kTileI = 4;
    const int tilesI = (nI + kTileI - 1) / kTileI;
    const int workers = SearchThreadCount(threads);
    std::vector<Candidate> best(workers);

    auto work = [&](int64_t tile, int worker) {
        const int i0 = grid.iFirst + static_cast<int>(tile) * kTileI;
        const int i1 = std::min(grid.iLast, i0 + kTileI - 1);
        std::vector<GridPoint> points;
        for (int i = i0; i <= i1; ++i) {
            for (int j = grid.jFirst; j <= grid.jLast; ++j) {
                for (int p = grid.pFirst; p <= grid.pLast; ++p) {
                    const int64_t index =
                        (int64_t(i - grid.iFirst) * nJ + (j - grid.jFirst)) * nP + (p - grid.pFirst);
                    points.push_back({i, j, p, index});
                }
            }
        }
        Evaluate(data, points, limit, best[worker]);
    };
    int nextMark = 0;
    auto done = [&](int64_t prefix) {
        for (; nextMark < kProgressMarks; ++nextMark) {
            const ProgressMark& m = kHeadProgress[nextMark];
            if (m.i < grid.iFirst || m.i > grid.iLast || m.j < grid.jFirst || m.j > grid.jLast ||
                kHeadProgressP < grid.pFirst || kHeadProgressP > grid.pLast) {
                continue;
            }
            const int64_t needed = (m.i - grid.iFirst) / kTileI + 1;
            if (prefix < needed) break;
            progress.AddProgressLine(m.line);
        }
    };
    RunTiles(tilesI, threads, work, done);

    Candidate all;
    for (const Candidate& c : best) all.Merge(c);
    if (all.taken) {
        winner.taken = true;
        const int64_t perI = int64_t(nJ) * nP;
        winner.i = grid.iFirst + static_cast<int>(all.index / perI);
        winner.j = grid.jFirst + static_cast<int>((all.index % perI) / nP);
        winner.p = grid.pFirst + static_cast<int>(all.index % nP);
        winner.bestSsq = all.sum;
    }
    return winner;
}

}  // namespace tervala

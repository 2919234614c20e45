#include "engine/confidence_region.h"

#include <algorithm>
#include <boost/math/distributions/fisher_f.hpp>
#include <climits>

#include "engine/discharge_search.h"
#include "engine/head_search.h"
#include "engine/reservoir_step.h"
#include "engine/search_block_bounds.h"
#include "engine/search_parallel.h"

namespace tervala {

std::optional<RegionLimit> ConfidenceLimit(double best, int coefficients, int rows) {
    if (rows <= coefficients || coefficients < 1) return std::nullopt;
    RegionLimit r;
    r.Coefficients = coefficients;
    r.Rows = rows;
    const boost::math::fisher_f_distribution<double> f(coefficients, rows - coefficients);
    r.FQuantile = boost::math::quantile(f, kRegionProbability);
    r.Limit = best * (1 + double(coefficients) / (rows - coefficients) * r.FQuantile);
    return r;
}

double DischargePointSum(const SearchSeries& d, int i, int j, double limit) {
    const double A = DischargeSlope(i), C = DischargeIntercept(j);
    double q = d.first, ssq = 0;
    for (int k = 2; k <= d.n; ++k) {
        q = DischargeNext(q, DischargeAlpha(A, C, q), d.delta[k], d.rech[k]);
        ssq += SearchTerm(d.meas[k], q, kDischargeDeviationCap, kDischargeCappedTerm);
        // Terms are never negative: a partial sum above the limit stays above it.
        if (ssq > limit) return ssq;
    }
    return ssq;
}

double HeadPointSum(const SearchSeries& d, int i, int j, int p, double limit) {
    const double B = HeadSlope(i), F = HeadIntercept(j), P = p;
    double h = d.first, ssq = 0;
    for (int k = 2; k <= d.n; ++k) {
        h = HeadNextSearch(h, HeadAlpha(B, F, h), d.delta[k], d.rech[k], P, kHeadTermWithoutAlpha);
        ssq += SearchTerm(d.meas[k], h, kHeadDeviationCap, kHeadCappedTerm);
        if (ssq > limit) return ssq;
    }
    return ssq;
}

namespace {

// The points one worker found inside the region.
struct Tally {
    int64_t points = 0;
    int iMin = INT_MAX, iMax = INT_MIN, jMin = INT_MAX, jMax = INT_MIN, pMin = INT_MAX,
        pMax = INT_MIN;

    void Add(int i, int j, int p) {
        ++points;
        iMin = std::min(iMin, i), iMax = std::max(iMax, i);
        jMin = std::min(jMin, j), jMax = std::max(jMax, j);
        pMin = std::min(pMin, p), pMax = std::max(pMax, p);
    }
    void Merge(const Tally& t) {
        if (t.points == 0) return;
        points += t.points;
        iMin = std::min(iMin, t.iMin), iMax = std::max(iMax, t.iMax);
        jMin = std::min(jMin, t.jMin), jMax = std::max(jMax, t.jMax);
        pMin = std::min(pMin, t.pMin), pMax = std::max(pMax, t.pMax);
    }
};

GridRegion Collect(const std::vector<Tally>& tallies, std::vector<uint8_t> plane, int planeP) {
    Tally all;
    for (const Tally& t : tallies) all.Merge(t);
    GridRegion r;
    r.Points = all.points;
    if (all.points > 0) {
        r.IMin = all.iMin, r.IMax = all.iMax, r.JMin = all.jMin, r.JMax = all.jMax;
        r.PMin = all.pMin, r.PMax = all.pMax;
    }
    r.PlaneP = planeP;
    r.Plane = std::move(plane);
    return r;
}

double MeanObserved(const SearchSeries& d) {
    double sum = 0;
    for (int k = 1; k <= d.n; ++k) sum += d.meas[k];
    return d.n > 0 ? sum / d.n : 1;
}

// Blocks smaller than this are summed point by point.
constexpr int kLeafPoints = 8;

// A bound that stayed far below the limit to the last row says that the
// halves of its block will hardly rise above it either: the bounds of their
// halves are tried instead.
int LevelsToSkip(double reached, double limit) {
    return reached * 3 < limit ? 2 : reached * 1.5 < limit ? 1 : 0;
}

class DischargeEnumeration {
  public:
    DischargeEnumeration(const SearchSeries& d, const std::vector<double>& invDelta,
                         const DischargeGrid& g, double limit, double typical, Tally& tally,
                         std::vector<uint8_t>& plane)
        : d_(d),
          invDelta_(invDelta),
          g_(g),
          limit_(limit),
          typical_(typical),
          tally_(tally),
          plane_(plane) {}

    void Block(int i0, int i1, int j0, int j1, int skip) {
        const int ni = i1 - i0 + 1, nj = j1 - j0 + 1;
        int skipHalves = std::max(0, skip - 1);
        if (ni * nj > 1 && skip == 0) {
            double reached = 0;
            if (DischargeBlockAbove(d_, invDelta_, i0, i1, j0, j1, limit_, reached)) return;
            skipHalves = LevelsToSkip(reached, limit_);
        }
        if (ni * nj <= kLeafPoints) {
            for (int i = i0; i <= i1; ++i) {
                for (int j = j0; j <= j1; ++j) {
                    if (DischargePointSum(d_, i, j, limit_) > limit_) continue;
                    tally_.Add(i, j, 0);
                    plane_[size_t(i - g_.iFirst) * (g_.jLast - g_.jFirst + 1) + (j - g_.jFirst)] =
                        1;
                }
            }
            return;
        }
        // Halve the side that spreads alpha more: a step of i moves alpha by
        // 0.0001 times the discharge, a step of j by 0.0001.
        if (nj == 1 || (ni > 1 && (ni - 1) * typical_ >= (nj - 1))) {
            const int mid = i0 + ni / 2 - 1;
            Block(i0, mid, j0, j1, skipHalves);
            Block(mid + 1, i1, j0, j1, skipHalves);
        } else {
            const int mid = j0 + nj / 2 - 1;
            Block(i0, i1, j0, mid, skipHalves);
            Block(i0, i1, mid + 1, j1, skipHalves);
        }
    }

  private:
    const SearchSeries& d_;
    const std::vector<double>& invDelta_;
    const DischargeGrid& g_;
    const double limit_, typical_;
    Tally& tally_;
    std::vector<uint8_t>& plane_;
};

struct Box {
    int i0, i1, j0, j1, p0, p1;
    int64_t Points() const { return int64_t(i1 - i0 + 1) * (j1 - j0 + 1) * (p1 - p0 + 1); }
};

class HeadEnumeration {
  public:
    HeadEnumeration(const SearchSeries& d, const HeadGrid& g, double limit, double typical,
                    int planeP, Tally& tally, std::vector<uint8_t>& plane)
        : d_(d),
          g_(g),
          limit_(limit),
          typical_(typical),
          planeP_(planeP),
          tally_(tally),
          plane_(plane) {}

    void Block(const Box& b, int skip) {
        int skipHalves = std::max(0, skip - 1);
        if (b.Points() > 1 && skip == 0) {
            double reached = 0;
            if (HeadBlockAbove(d_, b.i0, b.i1, b.j0, b.j1, b.p0, b.p1, limit_, reached)) return;
            skipHalves = LevelsToSkip(reached, limit_);
        }
        if (b.Points() <= kLeafPoints) {
            for (int i = b.i0; i <= b.i1; ++i) {
                for (int j = b.j0; j <= b.j1; ++j) {
                    for (int p = b.p0; p <= b.p1; ++p) {
                        if (HeadPointSum(d_, i, j, p, limit_) > limit_) continue;
                        tally_.Add(i, j, p);
                        if (p == planeP_) {
                            plane_[size_t(i - g_.iFirst) * (g_.jLast - g_.jFirst + 1) +
                                   (j - g_.jFirst)] = 1;
                        }
                    }
                }
            }
            return;
        }
        // Halve the side that spreads the step most, as a change of alpha:
        // B by the head, F directly, P as a relative change of the recharge
        // part, as large as the same relative change of alpha.
        const double alpha =
            HeadSlope((b.i0 + b.i1) / 2) * typical_ + HeadIntercept((b.j0 + b.j1) / 2);
        const double spreadI = (b.i1 - b.i0) * 0.0001 * typical_;
        const double spreadJ = (b.j1 - b.j0) * 0.0005;
        const double spreadP = (b.p1 - b.p0) / (0.5 * (b.p0 + b.p1)) * alpha;
        Box first = b, second = b;
        if (spreadI >= spreadJ && spreadI >= spreadP) {
            first.i1 = b.i0 + (b.i1 - b.i0 + 1) / 2 - 1;
            second.i0 = first.i1 + 1;
        } else if (spreadJ >= spreadP) {
            first.j1 = b.j0 + (b.j1 - b.j0 + 1) / 2 - 1;
            second.j0 = first.j1 + 1;
        } else {
            first.p1 = b.p0 + (b.p1 - b.p0 + 1) / 2 - 1;
            second.p0 = first.p1 + 1;
        }
        Block(first, skipHalves);
        Block(second, skipHalves);
    }

  private:
    const SearchSeries& d_;
    const HeadGrid& g_;
    const double limit_, typical_;
    const int planeP_;
    Tally& tally_;
    std::vector<uint8_t>& plane_;
};

}  // namespace

std::function<bool()> Stopper(const std::function<bool()>& stopRequested) {
    if (!stopRequested) return [] { return false; };
    return stopRequested;
}

namespace {}  // namespace

GridRegion DischargeRegion(const SearchSeries& d, const DischargeGrid& grid, double limit,
                           int threads, const std::function<bool()>& stopRequested) {
    const int nI = grid.iLast - grid.iFirst + 1, nJ = grid.jLast - grid.jFirst + 1;
    std::vector<uint8_t> plane(size_t(std::max(nI, 0)) * std::max(nJ, 0), 0);
    std::vector<Tally> tallies(SearchThreadCount(threads));
    if (nI <= 0 || nJ <= 0) return Collect(tallies, std::move(plane), 0);

    std::vector<double> invDelta(d.n + 1, 0.0);
    for (int k = 2; k <= d.n; ++k) invDelta[k] = 1 / d.delta[k];
    const double typical = MeanObserved(d);
    constexpr int kTileI = 16, kTileJ = 64;
    const int tilesI = (nI + kTileI - 1) / kTileI, tilesJ = (nJ + kTileJ - 1) / kTileJ;
    RunTiles(
        int64_t(tilesI) * tilesJ, threads,
        [&](int64_t tile, int worker) {
            const int i0 = grid.iFirst + int(tile / tilesJ) * kTileI;
            const int j0 = grid.jFirst + int(tile % tilesJ) * kTileJ;
            DischargeEnumeration(d, invDelta, grid, limit, typical, tallies[worker], plane)
                .Block(i0, std::min(grid.iLast, i0 + kTileI - 1), j0,
                       std::min(grid.jLast, j0 + kTileJ - 1), 0);
        },
        [](int64_t) {}, Stopper(stopRequested));
    return Collect(tallies, std::move(plane), 0);
}

GridRegion HeadRegion(const SearchSeries& d, const HeadGrid& grid, double limit, int planeP,
                      int threads, const std::function<bool()>& stopRequested) {
    const int nI = grid.iLast - grid.iFirst + 1, nJ = grid.jLast - grid.jFirst + 1;
    std::vector<uint8_t> plane(size_t(std::max(nI, 0)) * std::max(nJ, 0), 0);
    std::vector<Tally> tallies(SearchThreadCount(threads));
    if (nI <= 0 || nJ <= 0 || grid.pLast < grid.pFirst) {
        return Collect(tallies, std::move(plane), planeP);
    }
    const double typical = MeanObserved(d);
    constexpr int kTileI = 4, kTileJ = 50;
    const int tilesI = (nI + kTileI - 1) / kTileI, tilesJ = (nJ + kTileJ - 1) / kTileJ;
    RunTiles(
        int64_t(tilesI) * tilesJ, threads,
        [&](int64_t tile, int worker) {
            Box box;
            box.i0 = grid.iFirst + int(tile / tilesJ) * kTileI;
            box.i1 = std::min(grid.iLast, box.i0 + kTileI - 1);
            box.j0 = grid.jFirst + int(tile % tilesJ) * kTileJ;
            box.j1 = std::min(grid.jLast, box.j0 + kTileJ - 1);
            box.p0 = grid.pFirst;
            box.p1 = grid.pLast;
            HeadEnumeration(d, grid, limit, typical, planeP, tallies[worker], plane).Block(box, 0);
        },
        [](int64_t) {}, Stopper(stopRequested));
    return Collect(tallies, std::move(plane), planeP);
}

}  // namespace tervala

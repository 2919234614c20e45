// The head analysis as the fast search (fast_search.h) sees it: the step of
// the second reservoir at a grid point (B, F, P), the grid, and an interval
// that holds the head (mm) of every point of a block of the grid, row after
// row.
#pragma once

#include <algorithm>
#include <cmath>

#include "engine/fast_exp.h"
#include "engine/head_search.h"
#include "engine/lane_bounds.h"
#include "engine/reservoir_step.h"
#include "engine/search_grid.h"

namespace tervala {

struct HeadSearchModel {
    static constexpr double kInitialBest = kHeadInitialBest;
    static constexpr double kCap = kHeadDeviationCap;
    static constexpr double kCapped = kHeadCappedTerm;

    static GridBox Box(const HeadGrid& g) {
        return {{g.iFirst, g.jFirst, g.pFirst}, {g.iLast, g.jLast, g.pLast}};
    }

    // Slope B, intercept F and porosity percentage P of grid point (i, j, p).
    struct Point {
        double B, F, P;
    };
    static Point At(int i, int j, int p) { return {HeadSlope(i), HeadIntercept(j), double(p)}; }
    // The point of PointCoefficients c[0], c[stride], c[2 stride].
    static Point PointOf(const double* c, int stride) { return {c[0], c[stride], c[2 * stride]}; }
    // The plain loop's own step.
    static double Next(const Point& c, double h, double dt, double R) {
        return HeadNextSearch(h, HeadAlpha(c.B, c.F, h), dt, R, c.P, kHeadTermWithoutAlpha);
    }

    // Tiles handed to the threads (every porosity in one), and the coarse
    // sub-grid of the seed. Most blocks of a head tile are dropped within a
    // few rows, so tiles are large and batches are filled to all their lanes
    // (kFillLanes) by halving their biggest blocks: the few blocks that run
    // to the last row then share their rows with many others.
    static constexpr int kTile[3] = {32, 100, 1 << 20};
    static constexpr int kFillLanes = kLaneBatch;
    // Head intervals stay on lanes of doubles.
    static constexpr bool kNarrowLanes = false;
    // Blocks are bounded by intervals only.
    static constexpr bool kAffineBlocks = false;
    // The step depends on B h + F and on P alpha: the seed tries the
    // coefficients at ratios of about 1.65 from the grid's start, so that
    // the small porosities, where a flat landscape's best point lies when
    // alpha is large, are tried as well as the large ones.
    static constexpr int kSeedDivisions[3] = {16, 16, 8};
    static constexpr bool kSeedGeometric[3] = {true, true, true};
    static constexpr const ProgressMark* kProgress = kHeadProgress;
    static constexpr int kProgressP = kHeadProgressP;

    // Halve the side that spreads the step most, measured as a change of
    // alpha: B by the head, F directly, and P as a relative change of the
    // recharge part, as large as the same relative change of alpha. A side
    // of one point is never chosen (halving it would leave the block as it
    // was, for ever); a spread that is no number, as heads near the largest
    // double give, counts as none.
    static int SplitAxis(const GridBox& b, double typicalHead) {
        const auto usable = [&b](int axis, double spread) {
            if (b.Count(axis) == 1) return -1.0;
            return std::isnan(spread) ? 0.0 : spread;
        };
        const double alpha = HeadSlope((b.lo[0] + b.hi[0]) / 2) * typicalHead +
                             HeadIntercept((b.lo[1] + b.hi[1]) / 2);
        const double spreadI = usable(0, (b.hi[0] - b.lo[0]) * 0.0001 * typicalHead);
        const double spreadJ = usable(1, (b.hi[1] - b.lo[1]) * 0.0005);
        const double spreadP = usable(2, (b.hi[2] - b.lo[2]) / (0.5 * (b.lo[2] + b.hi[2])) * alpha);
        if (spreadI >= spreadJ && spreadI >= spreadP) return 0;
        return spreadJ >= spreadP ? 1 : 2;
    }

    // What the intervals need of each row (raw pointers, so that code built
    // for any instruction set can read them).
    struct Rows {
        explicit Rows(const SearchSeries& d) : delta(d.delta.data()), rech(d.rech.data()) {}
        const double* delta;
        const double* rech;
    };

    // What a block's interval step needs of the block: its corners.
    static constexpr int kCoefficients = 6;
    static void Coefficients(const GridBox& b, double* c) {
        const double values[kCoefficients] = {HeadSlope(b.lo[0]),     HeadSlope(b.hi[0]),
                                              HeadIntercept(b.lo[1]), HeadIntercept(b.hi[1]),
                                              double(b.lo[2]),        double(b.hi[2])};
        std::copy(values, values + kCoefficients, c);
    }

    // The interval [lo, hi] that holds the calculated head of every point of
    // a block of slopes B, intercepts F and porosities P, carried over row k's
    // step.
    //
    // With h the head before the step, alpha = B h + F is positive (B, F > 0
    // and the head never negative), and the step is
    //   h' = h E(alpha) + (50 R / P) g(alpha),  E = exp(-alpha dt), g = (1 - E) / alpha.
    // Both parts fall as alpha grows and the second falls as P grows, so for
    // a given h the lowest h' of the block comes from (B_hi, F_hi, P_hi) and
    // the highest from (B_lo, F_lo, P_lo). As a function of h the step rises
    // as long as E (1 - B h dt) >= B (50 R / P) |g'(alpha)|, with
    // |g'| <= dt^2 / 2; when that holds over the whole interval its ends give
    // the new one. Otherwise the two parts are bounded apart: h E(B h + F)
    // rises up to h = 1 / (B dt) and falls after it (dt = 0 makes that
    // infinite, and h E = h), and the recharge part is largest at the lowest
    // alpha and smallest at the highest. The corners differ from exact
    // arithmetic by a few units in the last place and by the fast
    // exponential's error, at most kFastExpError E + kFastExpFloor times
    // h + 50 R / (P alpha); the points by a few units in the last place. The
    // margin covers both.
    template <class V>
    static void Step(const Rows& rows, int k, const V* c, V& lo, V& hi) {
        const V &bLo = c[0], &bHi = c[1], &fLo = c[2], &fHi = c[3], &pLo = c[4], &pHi = c[5];
        const V dt = rows.delta[k], R = rows.rech[k];
        const V alphaMin = bLo * lo + fLo;
        const V alphaMax = bHi * hi + fHi;
        // E(alpha) >= 1 - alpha dt; with 1 - alphaMax dt > 0 both factors
        // below are positive lower bounds over the block.
        const V decay = 1 - alphaMax * dt;
        const V rise = decay * (1 - bHi * hi * dt);
        const auto rising = (decay > 0.0) & (rise * 0.999 >= bHi * (50 * R / pLo) * dt * dt / 2);
        const V top = Select(rising, hi, Min(hi, Max(lo, 1 / (bLo * dt))));
        const V alphaLo = bHi * lo + fHi, alphaTop = bLo * top + fLo;
        const V eLo = FastExp(-alphaLo * dt), eTop = FastExp(-alphaTop * dt);
        V nlo = lo * eLo + Recharge(eLo, alphaLo, pHi, R);
        V nhi = top * eTop + Recharge(eTop, alphaTop, pLo, R);
        if (!All(rising)) {
            const V eMax = FastExp(-alphaMax * dt), eMin = FastExp(-alphaMin * dt);
            nlo = Select(rising, nlo, Min(lo * eLo, hi * eMax) + Recharge(eMax, alphaMax, pHi, R));
            nhi = Select(rising, nhi, top * eTop + Recharge(eMin, alphaMin, pLo, R));
        }
        const V margin = (2e-14 + kFastExpError) *
                             (hi + Abs(nhi) + 50 * R / (pLo * alphaMin) * (1 + alphaMax * dt)) +
                         1e-300;
        lo = Max(V(0.0), nlo - margin);
        hi = nhi + margin;
    }

    // One grid point (B, F, P) carried over row k's step as a midpoint m and
    // a radius r: the plain loop's head lies in [m - r, m + r]. One fast
    // exponential per step. As for a discharge point
    // (DischargeSearchModel::PointStep), r grows by the step's largest slope
    // over the interval times r, plus both evaluations' own errors.
    // - Slope: h' = h E(alpha) + (50 R / P) g(alpha) with g = (1 - E) / alpha
    //   has the slope E (1 - B h dt) - (50 R / P) B dt^2 phi(alpha dt), where
    //   phi(y) = (1 - e^-y (1 + y)) / y^2 lies in (0, min(1/2, 1/y^2)]. The
    //   head is never negative, so alpha >= F > 0, and over the interval
    //   alpha lies within B r + da of its value a at m: E(h) <= E(a) e^s,
    //   s = (B r + da) dt, and y >= (a - B r - da) dt.
    // - Errors: the head part as for the discharge; the recharge part moves
    //   by the exponential's error times 50 R / (P alpha), by the rounding of
    //   alpha dt times E dt 50 R / P, and by a few roundings of itself.
    static constexpr int kPointCoefficients = 3;
    static void PointCoefficients(int i, int j, int p, double* c) {
        c[0] = HeadSlope(i);
        c[1] = HeadIntercept(j);
        c[2] = p;
    }
    template <class V>
    static void PointStep(const Rows& rows, int k, const V* c, V& m, V& r) {
        constexpr double u = 0x1p-53;
        const V &B = c[0], &F = c[1], &P = c[2];
        const V dt = rows.delta[k], R = rows.rech[k];
        const V a = B * m + F;
        const V E = FastExp(-a * dt);
        const V recharge = Recharge(E, a, P, R);
        const V next = m * E + recharge;
        const V da = 2 * u * (Abs(B * m) + Abs(a));
        const V s = (B * r + da + 2 * u * a) * dt;
        const V alphaMin = Max(F, a - B * r - da);
        const V y = alphaMin * dt;
        const V full = 50 * R / P;
        const V slope = (E + kFastExpFloor) * (1 + 2 * kFastExpError) * (1 + 2 * s) *
                            (Abs(1 - B * m * dt) + B * r * dt + 4 * u * (1 + B * Abs(m) * dt)) +
                        full * B * dt * dt * Min(V(0.5), 1 / (y * y)) * (1 + 8 * u);
        const V error = (kFastExpError + 64 * u) * (Abs(m) + r + full / alphaMin) +
                        64 * u * (Abs(recharge) + dt * full) + 1e-300;
        const V radius = (slope * r + error) * (1 + 16 * u);
        m = next;
        r = Select(s <= 1.0, radius + 4 * u * (Abs(next) + radius), V(INFINITY));
    }

  private:
    // The recharge part of the step, (1 - E) R / (P alpha / 50).
    template <class V>
    static V Recharge(V E, V alpha, V P, V R) {
        return (1 - E) * R / (P * alpha / 50);
    }
};

}  // namespace tervala

// The head analysis as the fast search (fast_search.h) sees it: the step of
// the second reservoir at a grid point (B, F, P), the grid, and an interval
// that holds the head (mm) of every point of a block of the grid, row after
// row.
#pragma once

#include <algorithm>
#include <cmath>

#include "engine/head_search.h"
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
    // The plain loop's own step.
    static double Next(const Point& c, double h, double dt, double R) {
        return HeadNextSearch(h, HeadAlpha(c.B, c.F, h), dt, R, c.P, kHeadTermWithoutAlpha);
    }

    // Tiles handed to the threads (every porosity in one), and the coarse
    // sub-grid of the seed.
    static constexpr int kTile[3] = {4, 50, 1 << 20};
    static constexpr int kSeedDivisions[3] = {16, 16, 8};
    static constexpr const ProgressMark* kProgress = kHeadProgress;
    static constexpr int kProgressP = kHeadProgressP;

    // Halve the side that spreads the step most, measured as a change of
    // alpha: B by the head, F directly, and P as a relative change of the
    // recharge part, as large as the same relative change of alpha.
    static int SplitAxis(const GridBox& b, double typicalHead) {
        const double alpha = HeadSlope((b.lo[0] + b.hi[0]) / 2) * typicalHead +
                             HeadIntercept((b.lo[1] + b.hi[1]) / 2);
        const double spreadI = (b.hi[0] - b.lo[0]) * 0.0001 * typicalHead;
        const double spreadJ = (b.hi[1] - b.lo[1]) * 0.0005;
        const double spreadP = (b.hi[2] - b.lo[2]) / (0.5 * (b.lo[2] + b.hi[2])) * alpha;
        if (spreadI >= spreadJ && spreadI >= spreadP) return 0;
        return spreadJ >= spreadP ? 1 : 2;
    }

    struct Rows {
        explicit Rows(const SearchSeries&) {}
    };

    // The interval [lo, hi] that holds the calculated head of every point of
    // a block of slopes B, intercepts F and porosities P, carried over one step.
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
    // rises up to h = 1 / (B dt) and falls after it, and the recharge part is
    // largest at the lowest alpha and smallest at the highest. The computed
    // ends are widened by a margin far above the rounding of either the ends
    // or the points.
    class Interval {
      public:
        Interval(const SearchSeries& d, const Rows&, const GridBox& b)
            : delta_(d.delta.data()),
              rech_(d.rech.data()),
              bLo_(HeadSlope(b.lo[0])),
              bHi_(HeadSlope(b.hi[0])),
              fLo_(HeadIntercept(b.lo[1])),
              fHi_(HeadIntercept(b.hi[1])),
              pLo_(b.lo[2]),
              pHi_(b.hi[2]) {}

        // [lo, hi] before row k's step becomes the interval after it.
        void Step(int k, double& lo, double& hi) const {
            const double dt = delta_[k], R = rech_[k];
            const double alphaMin = bLo_ * lo + fLo_;
            const double alphaMax = bHi_ * hi + fHi_;
            double nlo, nhi;
            // E(alpha) >= 1 - alpha dt; with 1 - alphaMax dt > 0 both
            // factors below are positive lower bounds over the block.
            const double decay = 1 - alphaMax * dt;
            const double rise = decay * (1 - bHi_ * hi * dt);
            if (decay > 0 && rise * 0.999 >= bHi_ * (50 * R / pLo_) * dt * dt / 2) {
                nlo = Next(bHi_, fHi_, pHi_, lo, dt, R);
                nhi = Next(bLo_, fLo_, pLo_, hi, dt, R);
            } else {
                const double eAtLo = std::exp(-(bHi_ * lo + fHi_) * dt);
                const double eAtHi = std::exp(-alphaMax * dt);
                nlo = std::min(lo * eAtLo, hi * eAtHi) + Recharge(alphaMax, pHi_, dt, R);
                const double top = dt > 0 ? std::min(hi, std::max(lo, 1 / (bLo_ * dt))) : hi;
                nhi = top * std::exp(-(bLo_ * top + fLo_) * dt) + Recharge(alphaMin, pLo_, dt, R);
            }
            const double margin =
                2e-14 * (hi + std::fabs(nhi) + 50 * R / (pLo_ * alphaMin) * (1 + alphaMax * dt)) +
                1e-300;
            lo = std::max(0.0, nlo - margin);
            hi = nhi + margin;
        }

      private:
        static double Next(double B, double F, double P, double h, double dt, double R) {
            return HeadNextSearch(h, HeadAlpha(B, F, h), dt, R, P, kHeadTermWithoutAlpha);
        }
        static double Recharge(double alpha, double P, double dt, double R) {
            const double E = std::exp(-alpha * dt);
            return (1 - E) * R / (P * alpha / 50);
        }

        const double* delta_;
        const double* rech_;
        const double bLo_, bHi_, fLo_, fHi_, pLo_, pHi_;
    };
};

}  // namespace tervala

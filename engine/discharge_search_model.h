// The discharge analysis as the fast search (fast_search.h) sees it: the
// step of the second reservoir at a grid point (A, C), the grid, and an
// interval that holds the discharge (mm per time unit) of every point of a
// block of the grid, row after row.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/discharge_search.h"
#include "engine/reservoir_step.h"
#include "engine/search_grid.h"

namespace tervala {

struct DischargeSearchModel {
    static constexpr double kInitialBest = kDischargeInitialBest;
    static constexpr double kCap = kDischargeDeviationCap;
    static constexpr double kCapped = kDischargeCappedTerm;

    static GridBox Box(const DischargeGrid& g) {
        return {{g.iFirst, g.jFirst, 0}, {g.iLast, g.jLast, 0}};
    }

    // Slope A and intercept C of grid point (i, j).
    struct Point {
        double A, C;
    };
    static Point At(int i, int j, int /*p*/) { return {DischargeSlope(i), DischargeIntercept(j)}; }
    // The plain loop's own step.
    static double Next(const Point& c, double q, double dt, double R) {
        return DischargeNext(q, DischargeAlpha(c.A, c.C, q), dt, R);
    }

    // Tiles handed to the threads, and the coarse sub-grid of the seed.
    static constexpr int kTile[3] = {16, 64, 1};
    static constexpr int kSeedDivisions[3] = {25, 25, 1};
    static constexpr const ProgressMark* kProgress = kDischargeProgress;
    static constexpr int kProgressP = 0;

    // Halve the side that spreads alpha more: a step of i moves alpha by
    // 0.0001 times the discharge, a step of j by 0.0001.
    static int SplitAxis(const GridBox& b, double typicalDischarge) {
        const int ni = b.Count(0), nj = b.Count(1);
        return nj == 1 || (ni > 1 && (ni - 1) * typicalDischarge >= (nj - 1)) ? 0 : 1;
    }

    // What every block's interval needs of each row: 1 / dt, infinite for dt = 0.
    struct Rows {
        explicit Rows(const SearchSeries& d) : invDelta(d.n + 1, 0.0) {
            for (int k = 2; k <= d.n; ++k) invDelta[k] = 1 / d.delta[k];
        }
        Rows(const SearchSeries&, const std::vector<double>& invDeltaOfRows)
            : invDelta(invDeltaOfRows) {}
        std::vector<double> invDelta;
    };

    // The interval [lo, hi] that holds the calculated discharge of every
    // point of a block [A_lo, A_hi] x [C_lo, C_hi], carried over one step.
    //
    // The interval follows the shape of the step. With q the discharge before
    // the step, alpha = A q + C (never negative) and E = exp(-alpha dt), the
    // step is q' = R + (q - R) E, and alpha grows with A, C and q. Below the
    // recharge (q <= R) q' grows with q and with alpha, so when R lies above
    // the whole interval the corners (A_lo, C_lo, lo) and (A_hi, C_hi, hi)
    // give the new interval. Above the recharge q' falls with alpha and, as a
    // function of q, rises up to a peak (where alpha leaves 0, or where
    // (q - R) A dt = 1) and falls after it: its highest value over the
    // interval is at the peak or at an end (with A_lo, C_lo), its lowest at an
    // end (with A_hi, C_hi). When R lies inside the interval both parts are
    // joined. The corners are computed with the same double arithmetic as the
    // points; both differ from exact arithmetic by a few units in the last
    // place (a peak found by rounded division loses even less), which the
    // margin covers many times over.
    class Interval {
      public:
        Interval(const SearchSeries& d, const Rows& rows, const GridBox& b)
            : delta_(d.delta.data()),
              rech_(d.rech.data()),
              invDelta_(rows.invDelta.data()),
              aLo_(DischargeSlope(b.lo[0])),
              aHi_(DischargeSlope(b.hi[0])),
              cLo_(DischargeIntercept(b.lo[1])),
              cHi_(DischargeIntercept(b.hi[1])),
              cMag_(std::max(std::fabs(cLo_), std::fabs(cHi_))),
              q0Lo_(-cLo_ / aLo_),
              q0Hi_(-cHi_ / aHi_),
              invALo_(1 / aLo_),
              invAHi_(1 / aHi_) {}

        // [lo, hi] before row k's step becomes the interval after it.
        void Step(int k, double& lo, double& hi) const {
            const double dt = delta_[k], R = rech_[k];
            double nlo, nhi;
            if (R >= hi) {
                // Below the recharge the step rises with q and with alpha.
                nlo = Next(aLo_, cLo_, lo, dt, R);
                nhi = Next(aHi_, cHi_, hi, dt, R);
            } else {
                // Above the recharge the step falls with alpha and, as a
                // function of q, rises up to its peak and falls after it;
                // its least value over an interval is at one of the ends.
                const double invDt = invDelta_[k];
                const double peakLo = std::max(q0Lo_, R + invALo_ * invDt);
                nhi = Next(aLo_, cLo_, std::min(hi, std::max(std::max(lo, R), peakLo)), dt, R);
                if (R <= lo) {
                    nlo = Next(aHi_, cHi_, lo, dt, R);
                    const double peakHi = std::max(q0Hi_, R + invAHi_ * invDt);
                    if (peakHi < hi) nlo = std::min(nlo, Next(aHi_, cHi_, hi, dt, R));
                } else {
                    nlo = std::min(Next(aLo_, cLo_, lo, dt, R), Next(aHi_, cHi_, hi, dt, R));
                }
            }
            const double margin =
                2e-14 * ((hi + R) * (1 + dt * (aHi_ * hi + cMag_)) + std::fabs(nhi)) + 1e-300;
            lo = std::max(0.0, nlo - margin);
            hi = nhi + margin;
        }

      private:
        static double Next(double A, double C, double q, double dt, double R) {
            return DischargeNext(q, DischargeAlpha(A, C, q), dt, R);
        }

        const double* delta_;
        const double* rech_;
        const double* invDelta_;
        const double aLo_, aHi_, cLo_, cHi_, cMag_;
        // q -> R + (q - R) E(A q + C) peaks above the recharge where alpha
        // leaves 0 (q0 = -C / A) or where (q - R) A dt = 1, whichever is higher.
        const double q0Lo_, q0Hi_, invALo_, invAHi_;
    };
};

}  // namespace tervala

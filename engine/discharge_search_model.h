// The discharge analysis as the fast search (fast_search.h) sees it: the
// step of the second reservoir at a grid point (A, C), the grid, and an
// interval that holds the discharge (mm per time unit) of every point of a
// block of the grid, row after row, on plain doubles or on lanes of them.
#pragma once

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/discharge_search.h"
#include "engine/fast_exp.h"
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
    // The point of PointCoefficients c[0], c[stride].
    static Point PointOf(const double* c, int stride) { return {c[0], c[stride]}; }
    // The plain loop's own step.
    static double Next(const Point& c, double q, double dt, double R) {
        return DischargeNext(q, DischargeAlpha(c.A, c.C, q), dt, R);
    }

    // Tiles handed to the threads, and the coarse sub-grid of the seed. A
    // batch of blocks with fewer than kFillLanes blocks has its biggest
    // halved (without a bound of their own) to fill the vector lanes. Large
    // tiles (192 of them) drop most of the grid with a few interval bounds;
    // their small blocks then go to first-order forms.
    static constexpr int kTile[3] = {64, 128, 1};
    static constexpr int kFillLanes = 8;
    // Intervals and points may go through lanes of floats (Rows::narrow).
    static constexpr bool kNarrowLanes = true;
    static constexpr int kSeedDivisions[3] = {25, 25, 1};
    static constexpr bool kSeedGeometric[3] = {false, false, false};
    static constexpr const ProgressMark* kProgress = kDischargeProgress;
    static constexpr int kProgressP = 0;

    // Halve the side that spreads alpha more: a step of i moves alpha by
    // 0.0001 times the discharge, a step of j by 0.0001.
    static int SplitAxis(const GridBox& b, double typicalDischarge) {
        const int ni = b.Count(0), nj = b.Count(1);
        return nj == 1 || (ni > 1 && (ni - 1) * typicalDischarge >= (nj - 1)) ? 0 : 1;
    }

    // What the intervals need of each row (raw pointers, so that code built
    // for any instruction set can read them).
    struct Rows {
        explicit Rows(const SearchSeries& d) : invDeltaStore(d.n + 1, 0.0) {
            for (int k = 2; k <= d.n; ++k) invDeltaStore[k] = 1 / d.delta[k];
            delta = d.delta.data();
            rech = d.rech.data();
            invDelta = invDeltaStore.data();
            // Lanes of floats hold series of everyday sizes only.
            const auto everyday = [](double v) { return std::fabs(v) <= 1e12; };
            narrow = everyday(d.first);
            for (int k = 2; k <= d.n; ++k) {
                narrow = narrow && everyday(d.meas[k]) && everyday(d.rech[k]) &&
                         (d.delta[k] == 0 || (d.delta[k] >= 1e-20 && d.delta[k] <= 1e12));
            }
        }
        // With 1 / dt of each row worked out already.
        Rows(const SearchSeries& d, const std::vector<double>& invDeltaOfRows)
            : delta(d.delta.data()), rech(d.rech.data()), invDelta(invDeltaOfRows.data()) {}
        Rows(const Rows&) = delete;
        std::vector<double> invDeltaStore;
        const double* delta;
        const double* rech;
        const double* invDelta;  // 1 / dt of each row, infinite for dt = 0
        // The vector kernels may bound on lanes of floats (twice as many per
        // register): every value is a number well inside a float's range.
        bool narrow = false;
    };

    // What a block's interval step needs of the block: the corners A_lo, A_hi,
    // C_lo, C_hi, the largest |C|, and where the step peaks above the
    // recharge at each corner (q0 = -C / A, and 1 / A).
    static constexpr int kCoefficients = 9;
    static void Coefficients(const GridBox& b, double* c) {
        const double aLo = DischargeSlope(b.lo[0]), aHi = DischargeSlope(b.hi[0]);
        const double cLo = DischargeIntercept(b.lo[1]), cHi = DischargeIntercept(b.hi[1]);
        const double values[kCoefficients] = {
            aLo,        aHi,        cLo,     cHi,    std::max(std::fabs(cLo), std::fabs(cHi)),
            -cLo / aLo, -cHi / aHi, 1 / aLo, 1 / aHi};
        std::copy(values, values + kCoefficients, c);
    }

    // The interval [lo, hi] that holds the calculated discharge of every
    // point of a block [A_lo, A_hi] x [C_lo, C_hi], carried over row k's step.
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
    // joined. The corners differ from exact arithmetic by a few units in the
    // last place and by the fast exponential's error, |q - R| times at most
    // kFastExpError E + kFastExpFloor; the points differ by a few units in
    // the last place. On lanes of floats the coefficients, dt and R are
    // rounded to floats as well, which moves a corner by at most a unit in
    // the last place of alpha dt carried through E, |q - R| E alpha dt u,
    // and of R, (1 - E) R u. The margin covers all of it: its relative part
    // is far above the rounding (of either precision, kRounding) and above
    // the exponential's error, |q - R| <= hi + R and alpha <= A_hi hi + |C|.
    template <class V>
    static void Step(const Rows& rows, int k, const V* c, V& lo, V& hi) {
        const V &aLo = c[0], &aHi = c[1], &cLo = c[2], &cHi = c[3], &cMag = c[4];
        const V &q0Lo = c[5], &q0Hi = c[6], &invALo = c[7], &invAHi = c[8];
        const V dt = rows.delta[k], R = rows.rech[k], invDt = rows.invDelta[k];
        const auto below = R >= hi;
        // Below the recharge the step rises with q and with alpha. Above it,
        // the step falls with alpha and, as a function of q, rises up to its
        // peak and falls after it; its least value over an interval is at one
        // of the ends.
        const V peakLo = Max(q0Lo, R + invALo * invDt);
        const V e1 = Corner(aLo, cLo, Select(below, lo, Min(hi, Max(Max(lo, R), peakLo))), dt, R);
        V nlo = e1, nhi;
        if (All(below)) {
            nhi = Corner(aHi, cHi, hi, dt, R);
        } else {
            const auto onOrUnder = R <= lo;
            const V e3 =
                Corner(Select(onOrUnder, aHi, aLo), Select(onOrUnder, cHi, cLo), lo, dt, R);
            const V peakHi = Max(q0Hi, R + invAHi * invDt);
            const auto rising = onOrUnder & (peakHi >= hi);
            nhi = e1;
            if (All(rising & !below)) {
                // A dry row below every peak (the usual one): the lowest
                // value is at the lower end, the upper corner is not needed.
                nlo = e3;
            } else {
                const V e2 = Corner(aHi, cHi, hi, dt, R);
                nlo = Select(below, e1, Select(rising, e3, Min(e3, e2)));
                nhi = Select(below, e2, e1);
            }
        }
        using P = PrecisionOf<V>;
        const V margin =
            (P::kRounding + P::kExpError) * ((hi + R) * (1 + dt * (aHi * hi + cMag)) + Abs(nhi)) +
            P::kTiny;
        lo = Max(V(0.0), nlo - margin);
        hi = nhi + margin;
    }

    // One grid point (A, C) carried over row k's step as a midpoint m and a
    // radius r: the plain loop's discharge lies in [m - r, m + r]. One fast
    // exponential per step, where the interval of a one-point block needs
    // two or three.
    //
    // m follows the step with the fast exponential. The plain loop's value q
    // moves away from it by at most L r + e, L being the largest slope of
    // the exact step over [m - r, m + r] and e the two evaluations' own
    // errors at q and at m.
    // - Slope: where alpha > 0 the step's slope is E(q) (1 - (q - R) A dt);
    //   over the interval alpha lies within A r + da of its value a at m (da:
    //   the rounding of a, and of A and C where the lanes hold them as
    //   floats), so E(q) <= E(a) e^s with s = (A r + da) dt, and
    //   e^s <= 1 + 2 s for s <= 1 (a larger s gives no bound: r becomes
    //   infinite); s also holds the rounding of alpha dt. E(a) <= (FastExp + kFastExpFloor) (1 + 2
    //   kFastExpError). |1 - (q - R) A dt| <= |1 - x| + A r dt with x = (m - R) A dt, plus its
    //   rounding. Where alpha can be 0 the step is q' = q, slope 1.
    // - Errors: both evaluations differ from the exact step by their
    //   exponential's error (the fast one's bound, std::exp's one unit in the
    //   last place) times |q - R| <= |q| + R, by the rounding of a and of
    //   alpha dt carried through E (E alpha dt <= 1/e, E dt |A q| <= 1/e +
    //   dt |C|) and by a few roundings of the values themselves:
    //   together below (kFastExpError + 64 u (1 + dt |C|)) (|m| + r + R),
    //   u the unit roundoff of the lanes (2^-53, or 2^-24 for floats, where
    //   rounding R and dt to floats moves the step by at most u R and
    //   through alpha dt as above), with kTiny for the exponential's floor.
    // r is rounded up, and widened so that m - r and m + r round outward.
    // The first value starts as the nearest value of the lanes' type with a
    // radius of 2 u |first| (FirstPoint).
    static constexpr int kPointCoefficients = 2;
    static void PointCoefficients(int i, int j, int /*p*/, double* c) {
        c[0] = DischargeSlope(i);
        c[1] = DischargeIntercept(j);
    }
    template <class V>
    static void PointStep(const Rows& rows, int k, const V* c, V& m, V& r) {
        using P = PrecisionOf<V>;
        constexpr double u = P::kUnit;
        const V &A = c[0], &C = c[1];
        const V dt = rows.delta[k], R = rows.rech[k];
        const V a = A * m + C;
        const V E = FastExp(-Select(a < 0.0, V(0.0), a) * dt);
        const V next = m * E + (1 - E) * R;
        const V da = 4 * u * (Abs(A * m) + Abs(a));
        const V s = (A * r + da + 2 * u * Abs(a)) * dt;
        const V x = (m - R) * A * dt;
        V slope = (E + P::kExpFloor) * (1 + 2 * P::kExpError) * (1 + 2 * s) *
                  (Abs(1 - x) + A * r * dt + 4 * u * (1 + Abs(x)));
        slope = Select(a - A * r - da <= 0.0, Max(slope, V(1.0)), slope);
        const V error = (P::kExpError + 64 * u * (1 + dt * Abs(C))) * (Abs(m) + r + R) + P::kTiny;
        const V radius = (slope * r + error) * (1 + 16 * u);
        m = next;
        r = Select(s <= 1.0, radius + 4 * u * (Abs(next) + radius), V(INFINITY));
    }

    // A block as a first-order form. The corners of A and C (Coefficients'
    // first four) become, in the lanes' type, midpoints A0, C0 and
    // half-widths hA, hC that cover them: every grid point of the block is
    // A = A0 + hA eA, C = C0 + hC eC with eA, eC in [-1, 1].
    static constexpr bool kAffineBlocks = true;
    static void AffineCoefficients(const GridBox& b, double* c) {
        c[0] = DischargeSlope(b.lo[0]);
        c[1] = DischargeSlope(b.hi[0]);
        c[2] = DischargeIntercept(b.lo[1]);
        c[3] = DischargeIntercept(b.hi[1]);
    }
    template <class T>
    static void AffineLaneCoefficients(const double* corners, T* c) {
        for (int a = 0; a < 2; ++a) {
            const double lo = corners[2 * a], hi = corners[2 * a + 1];
            const T mid = T(0.5 * lo + 0.5 * hi);
            // The differences are rounded once in doubles at most: one part
            // in 2^51 more covers that before rounding up to T.
            const double half = std::max(hi - double(mid), double(mid) - lo);
            c[2 * a] = mid;
            c[2 * a + 1] = RoundUp<T>(std::max(0.0, half) * (1 + 0x1p-51));
        }
    }

    // The first-order form of a block: the plain loop's discharge of the
    // grid point (eA, eC) lies within w of m + gA eA + gC eC, row after row
    // (s = {m, gA, gC, w}). An interval of the block loses, at every change
    // between rain and recession, which coefficients went with which
    // discharge (the fastest-draining points are the lowest in a recession
    // and the highest in a storm), and grows far wider than the block's
    // spread near the best fit; the form keeps that link.
    //
    // The step q' = R + (q - R) E, E = exp(-max(alpha, 0) dt), alpha = A q + C,
    // is expanded around the midpoint with w as a third symbol eW, so that
    // the part of the error that drains away with q is not counted twice:
    // - alpha = a0 + aA eA + aC eC + aW eW + z, with a0 = A0 m + C0,
    //   aA = A0 gA + hA m, aC = A0 gC + hC, aW = A0 w, and
    //   |z| <= aZ = hA (|gA| + |gC| + w) (the product hA eA (q - m)) plus
    //   4 u times the terms' magnitudes for the roundings.
    // - max(alpha, 0) over [a, b] (a = a0 - rho, b = a0 + rho, rho covering
    //   every term): alpha itself when a >= 0, 0 when b <= 0, otherwise
    //   lambda alpha + mu +- mu with lambda = b / (b - a) (any larger
    //   lambda up to 1 holds too, so it is rounded up) and mu = lambda |a| / 2:
    //   lambda alpha <= max(alpha, 0) <= lambda (alpha - a) on [a, b].
    // - E = E0 exp(-beta dt), E0 = exp(-a0 dt), |beta| <= rp: with x = rp dt
    //   at most 1, exp(-beta dt) = 1 - beta dt + r2, |r2| <= x^2 e / 2; the
    //   fast exponential's E0 is within kExpError E0 + kExpFloor of the exact
    //   one, and rounding a0 dt (and dt to the lanes' type) moves that by at
    //   most 2 u a0 dt E0 <= u: eA = -E0 dt aA, ... and
    //   eZ = E0 dt aZ + 1.36 E0 x^2 + e (2 kExpError E0 + 2 kExpFloor + u).
    // - (q - R) E = (m - R) E0 + ((m - R) eA + gA E0) eA + ... with the rest
    //   |m - R| eZ + (|gA| + |gC| + w) (|eA| + |eC| + |eW| + eZ).
    // The new w is |(m - R) eW + w E0| plus that rest, the roundings of the
    // new m, gA, gC and of m - R (and of R to the lanes' type: u R), each a
    // few u of the magnitudes involved, and the plain loop's own error
    // (kPlainStepError, as for a single point), all widened by 8 u.
    static constexpr double kPlainStepError = 16 * 0x1p-53;
    template <class V>
    static void AffineStep(const Rows& rows, int k, const V* c, V* s, V& low, V& high) {
        using P = PrecisionOf<V>;
        constexpr double u = P::kUnit;
        const V &A0 = c[0], &hA = c[1], &C0 = c[2], &hC = c[3];
        const V m = s[0], gA = s[1], gC = s[2], w = s[3];
        const V dt = rows.delta[k], R = rows.rech[k];
        const V spread = Abs(gA) + Abs(gC) + w;  // |q - m|
        V a0 = A0 * m + C0, aA = A0 * gA + hA * m, aC = A0 * gC + hC, aW = A0 * w;
        const V terms = A0 * (Abs(m) + spread) + hA * Abs(m) + Abs(C0) + hC;
        V aZ = (hA * spread + 4 * u * terms) * (1 + 4 * u);
        const V rho = (Abs(aA) + Abs(aC) + aW + aZ) * (1 + 8 * u) + 4 * u * Abs(a0);
        const V a = a0 - rho, b = a0 + rho;
        // Where alpha may be 0 for some points of the block and not for others.
        const auto mixed = (a < 0.0) & (b > 0.0);
        const V lambda = Select(mixed, Min(V(1.0), b / (b - a) * (1 + 4 * u)), V(1.0));
        const V mu = Select(mixed, lambda * Abs(a) * (0.5 + 2 * u), V(0.0));
        const auto none = !(b > 0.0);  // alpha is 0 for every point: E = 1
        // The rest takes the roundings of the new midpoint and terms as well.
        aZ = Select(
            none, V(0.0),
            (lambda * (aZ + u * (Abs(aA) + Abs(aC) + aW)) + mu + 2 * u * (lambda * Abs(a0) + mu)) *
                (1 + 4 * u));
        a0 = Select(none, V(0.0), lambda * a0 + mu);
        aA = Select(none, V(0.0), lambda * aA);
        aC = Select(none, V(0.0), lambda * aC);
        aW = Select(none, V(0.0), lambda * aW);
        const V x = (Abs(aA) + Abs(aC) + aW + aZ) * dt * (1 + 8 * u);
        const V E0 = FastExp(-a0 * dt);
        const V dE = E0 * dt;
        const V eA = -dE * aA, eC = -dE * aC, eW = -dE * aW;
        const V eZ = (dE * (aZ + 4 * u * (Abs(aA) + Abs(aC) + aW)) + 1.36 * E0 * (x * x) +
                      2.72 * (2 * P::kExpError * E0 + 2 * P::kExpFloor + u)) *
                     (1 + 8 * u);
        const V mR = m - R;
        const V next = R + mR * E0;
        const V nA = mR * eA + gA * E0, nC = mR * eC + gC * E0, nW = mR * eW + w * E0;
        const V eAll = Abs(eA) + Abs(eC) + Abs(eW) + eZ;
        const V rest = Abs(mR) * eZ + spread * eAll;
        const V rounding = u * (2 * R + 3 * Abs(mR) * (E0 + eAll) + Abs(next) +
                                4 * (Abs(mR) * (Abs(eA) + Abs(eC) + Abs(eW)) + E0 * spread));
        const V plain = kPlainStepError * (1 + dt * (Abs(C0) + hC)) * (Abs(m) + spread + R);
        const V nw = (Abs(nW) + rest + rounding + plain) * (1 + 8 * u) + P::kTiny;
        s[0] = next;
        s[1] = nA;
        s[2] = nC;
        s[3] = Select(x <= 1.0, nw, V(INFINITY));
        const V radius = (Abs(nA) + Abs(nC) + s[3]) * (1 + 8 * u) + 4 * u * Abs(next);
        low = next - radius;
        high = next + radius;
    }
    // The largest discharge the form of lane `lane` allows.
    template <class T>
    static T AffineHigh(T* const* s, int lane) {
        return s[0][lane] + (std::fabs(s[1][lane]) + std::fabs(s[2][lane]) + s[3][lane]);
    }

  private:
    // The step at one corner of a block, with the fast exponential.
    template <class V>
    static V Corner(V A, V C, V q, V dt, V R) {
        V alpha = A * q + C;
        alpha = Select(alpha < 0.0, V(0.0), alpha);
        const V E = FastExp(-alpha * dt);
        return q * E + (1 - E) * R;
    }
};

}  // namespace tervala

// Block bounds of many blocks at once: a batch of blocks of the grid (a
// block may be one grid point) is stepped through the rows together, each
// block in one lane of the vector registers, with the model's interval step
// (Model::Step) and the least term of each row, exactly as BlockBoundExceeds
// does for one block, or with the model's first-order form of a small block
// (Model::AffineStep), or, for a single grid point, its midpoint and radius
// (Model::PointStep). A lane leaves the batch as soon as its bound exceeds
// the limit, and lanes still running are moved together so that the
// registers stay full.
//
// The kernel is built once for each instruction set (lane_bounds_*.cpp) and
// chosen when the search starts. Those files only read raw arrays and call
// templates of their own lane type, so that no code built for a wider
// instruction set is shared with the rest of the program.
#pragma once

#include <cmath>
#include <limits>

#include "engine/fast_exp.h"
#include "engine/lane_vector.h"
#include "engine/reservoir_step.h"
#include "engine/search_grid.h"

namespace tervala {

class SharedLimit;
// The limit's current value (a function of its own, built for every processor).
double CurrentLimit(const SharedLimit& limit);

inline constexpr int kLaneBatch = 64;

// What a lane carries through the rows: a block of grid points as an
// interval (Model::Step), a single grid point as a midpoint and radius
// (Model::PointStep), or a block as a first-order form in its coefficients
// (Model::AffineStep).
enum class LaneKind { Blocks, Points, Affine };
// A block's first-order form needs the corners of its two coefficients.
inline constexpr int kAffineCoefficients = 4;
// Values beyond this say nothing useful about a block.
inline constexpr double kBlockBoundHuge = 1e200;

// Look-ahead. Every grid point of a block lies in the block it was cut from,
// so the least terms that block's interval gave for the rows still to come
// bound the point's remaining terms from below as well: a point or block is
// given up once its bound so far plus that remainder exceeds the limit, long
// before its own bound alone would. A block that came through every row
// records its bound at every kAheadRows-th row; its look-ahead table then
// holds, at entry e, a lower bound of its terms of the rows after row
// e * kAheadRows (AheadTable). At row k the kernel takes entry
// ceil(k / kAheadRows), which leaves out no more than the rows up to that
// entry's row and never counts a row twice.
inline constexpr int kAheadRows = 16;
// Entries of a look-ahead or record table for rows 2..n.
inline int AheadEntries(int n) { return n / kAheadRows + 2; }
// The look-ahead table of a block from its recorded bounds `record` (entry e:
// its bound after row e * kAheadRows, entry 0 zero) and its bound `total`
// after row n, taking at each entry the larger of that and the table `from`
// of the block it was cut from (nullptr: none).
//
// Why the entries are lower bounds. The recorded bounds are sums of the
// least terms L_j of the rows, accumulated in the lanes' precision; each
// carries a relative rounding error of at most g = (n + 1) u / (1 - (n + 1) u)
// (u the lanes' unit roundoff `unit`, n rows; on floats each L_j is rounded
// once more), so the exact sum of the L_j after row c is at least
// total - record[c] - 3 g total, and subtracting (n + 2) 8 u total covers
// that and the roundings of the subtraction itself.
void AheadTable(const double* record, double total, int n, double unit, const double* from,
                double* table);
// The test a lane leaves by: its bound so far `bound` plus the look-ahead
// `ahead` exceeds the limit `l`. Partial sums of the plain loop are rounded
// at every row: a point's complete sum is at least (its partial sum + the
// exact sum of its remaining terms) (1 - n u), so the sum with the
// look-ahead is shrunk by 4 (n + 1) u (`shrink`), which also covers the
// rounding of the sum and of the product, and on floats the roundings of
// the bound itself (u = 2^-24 then). Without look-ahead (0) a bound of
// doubles exceeds the limit when it is above it.
inline double AheadShrink(int n, double unit) { return 1 - 4 * (n + 1) * unit; }

// What the kernel reads and writes: the blocks' coefficients (Model::Coefficients)
// and, per block, what became of it.
template <class Model>
struct LaneBatch {
    int count = 0;  // blocks in the batch, at most kLaneBatch
    alignas(64) double coef[Model::kCoefficients][kLaneBatch];
    // Filled by the kernel, per block: -1 when its bound exceeded the limit,
    // else its bound over all rows (0 when its interval grew too wide to
    // say anything).
    double reached[kLaneBatch];
    // Per block: its look-ahead table (AheadTable), nullptr for none; and
    // where to record its bound every kAheadRows rows (entries
    // 1..n / kAheadRows), nullptr for nowhere.
    const double* ahead[kLaneBatch] = {};
    double* record[kLaneBatch] = {};

    // The kernel's own lanes: the state (the interval's ends, or the
    // midpoint and radius, or the first-order form's four numbers), the bound
    // so far, its look-ahead, and the block held; on floats the coefficients
    // and the same in `narrow`.
    static constexpr int kStates = 4;
    alignas(64) double state[kStates][kLaneBatch], bound[kLaneBatch], next[kLaneBatch];
    alignas(64) float narrow[Model::kCoefficients + kStates + 2][kLaneBatch];
    double unit = 0;  // the unit roundoff of the lanes that ran, for AheadTable
    // Points the lanes of floats have taken and kept (BoundPointsTwice).
    int64_t narrowTaken = 0, narrowKept = 0;
    int block[kLaneBatch];
    int64_t laneRows = 0;  // rows stepped, summed over the lanes
};

// Bounds every block of the batch over rows 2..n of the observed series
// `meas`, starting from the first row's value.
template <class Model>
using BoundLanesFn = void (*)(const double* meas, int n, double first,
                              const typename Model::Rows& rows, LaneBatch<Model>& batch,
                              const SharedLimit& limit);
// The kernels for blocks, for single grid points, and for blocks as
// first-order forms (the interval kernel again where the model has none).
template <class Model>
struct LaneKernels {
    BoundLanesFn<Model> blocks;
    BoundLanesFn<Model> points;
    BoundLanesFn<Model> affine;
};

// The kernels for `level`, or the widest below it that the processor has.
template <class Model>
LaneKernels<Model> ChooseLaneKernels(VectorLevel level);
// The kernels of each instruction set.
template <class Model>
LaneKernels<Model> LaneKernelsAvx512();
template <class Model>
LaneKernels<Model> LaneKernelsAvx2();
template <class Model>
LaneKernels<Model> LaneKernelsBaseline();

// The vector level ChooseBoundLanes settles on.
VectorLevel UsableVectorLevel(VectorLevel level);

// The kernel itself, on lanes of type V: blocks (Model::Coefficients) with
// the interval [lo, hi], single grid points (Model::PointCoefficients) with
// a midpoint and radius, or blocks (Model::AffineCoefficients, turned into
// midpoints and half-widths of the lanes' type by Model::AffineLaneCoefficients)
// with a first-order form.
//
// On lanes of floats the values, the bound and the limit are floats: the
// first value is rounded outward (or given a radius, Model::PointStep), the
// deviations are widened by 4 u (|meas| + |value|) (which covers the
// rounding of the observed value and of both subtractions, u = 2^-24), the
// limit is rounded up, and the bound is shrunk (AheadShrink) in every test:
// each least term may exceed its exact value by one rounding, and their sum
// by n more.
template <class Model, class V, LaneKind Kind>
void BoundLanes(const double* meas, int n, double first, const typename Model::Rows& rows,
                LaneBatch<Model>& b, const SharedLimit& limit) {
    using T = typename LaneScalar<V>::Type;
    using P = LanePrecision<T>;
    constexpr bool kNarrow = sizeof(T) == 4;
    constexpr bool Points = Kind == LaneKind::Points;
    constexpr int W = V::kWidth;
    constexpr int K = Points                     ? Model::kPointCoefficients
                      : Kind == LaneKind::Affine ? kAffineCoefficients
                                                 : Model::kCoefficients;
    constexpr int S = Kind == LaneKind::Affine ? 4 : 2;
    int count = b.count;
    // The lanes' state: the batch's own arrays of doubles, or its arrays of floats.
    T* coef[K];
    T* state[S];
    T *bound, *next;
    if constexpr (kNarrow) {
        for (int q = 0; q < K; ++q) {
            coef[q] = b.narrow[q];
            for (int lane = 0; lane < count; ++lane) coef[q][lane] = T(b.coef[q][lane]);
        }
        for (int q = 0; q < S; ++q) state[q] = b.narrow[Model::kCoefficients + q];
        bound = b.narrow[Model::kCoefficients + S], next = b.narrow[Model::kCoefficients + S + 1];
    } else {
        for (int q = 0; q < K; ++q) coef[q] = b.coef[q];
        for (int q = 0; q < S; ++q) state[q] = b.state[q];
        bound = b.bound, next = b.next;
    }
    if constexpr (Kind == LaneKind::Affine) {
        for (int lane = 0; lane < count; ++lane) {
            double corners[K];
            for (int q = 0; q < K; ++q) corners[q] = b.coef[q][lane];
            T own[K];
            Model::AffineLaneCoefficients(corners, own);
            for (int q = 0; q < K; ++q) coef[q][lane] = own[q];
        }
    }
    T *lo = state[0], *hi = state[1];
    b.unit = P::kUnit;
    const T shrink = T(AheadShrink(n, P::kUnit));
    const T keep = kNarrow ? shrink : T(1);  // a bound alone is shrunk on floats
    // Each lane's look-ahead for the rows after row k.
    auto lookAhead = [&](int k) {
        const int e = (k + kAheadRows - 1) / kAheadRows;
        for (int lane = 0; lane < count; ++lane) {
            const double* table = b.ahead[b.block[lane]];
            next[lane] = table ? RoundDown<T>(table[e]) : T(0);
        }
    };
    for (int lane = 0; lane < count; ++lane) {
        if constexpr (Kind == LaneKind::Blocks) {
            lo[lane] = RoundDown<T>(first);
            hi[lane] = RoundUp<T>(first);
        } else {
            // A midpoint with the radius of its own rounding (as the last
            // part of a first-order form).
            state[0][lane] = T(first);
            state[S - 1][lane] = kNarrow ? RoundUp<T>(2 * P::kUnit * std::fabs(first)) : T(0);
            for (int q = 1; q < S - 1; ++q) state[q][lane] = 0;
        }
        bound[lane] = 0;
        b.block[lane] = lane;
    }
    lookAhead(2);
    // Lanes past the last block repeat the first, so every lane holds numbers.
    auto pad = [&] {
        for (int lane = count; lane % W != 0; ++lane) {
            for (int q = 0; q < K; ++q) coef[q][lane] = coef[q][0];
            for (int q = 0; q < S; ++q) state[q][lane] = state[q][0];
            bound[lane] = bound[0], next[lane] = next[0];
        }
    };
    pad();
    // `l` is a value of T: comparing with it rounds nothing.
    auto exceeds = [shrink, keep](auto sum, auto ahead, double l) {
        return (sum * keep > l) | ((sum + ahead) * shrink > l);
    };
    double seen = NAN, l = 0;  // the limit last read, and l rounded up to T
    for (int k = 2; k <= n && count > 0; ++k) {
        if (const double now = CurrentLimit(limit); !(now == seen)) l = RoundUp<T>(seen = now);
        b.laneRows += count;
        const V m = meas[k];
        auto leaving = V(0.0) > 1.0;  // lanes that leave after this row
        for (int at = 0; at < count; at += W) {
            V c[K], s[S];
            for (int q = 0; q < K; ++q) c[q] = V::Load(&coef[q][at]);
            for (int q = 0; q < S; ++q) s[q] = V::Load(&state[q][at]);
            V low, high;
            if constexpr (Points) {
                Model::PointStep(rows, k, c, s[0], s[1]);
                low = s[0] - s[1];
                high = s[0] + s[1];
            } else if constexpr (Kind == LaneKind::Affine) {
                Model::AffineStep(rows, k, c, s, low, high);
            } else {
                Model::Step(rows, k, c, s[0], s[1]);
                low = s[0];
                high = s[1];
            }
            V devLo = m - high, devHi = m - low;
            if constexpr (kNarrow) {
                devLo = devLo - (4 * P::kUnit * (Abs(m) + Abs(high)) + P::kTiny);
                devHi = devHi + (4 * P::kUnit * (Abs(m) + Abs(low)) + P::kTiny);
            }
            const V sum =
                V::Load(&bound[at]) + LeastSearchTerm(devLo, devHi, Model::kCap, Model::kCapped);
            for (int q = 0; q < S; ++q) s[q].Store(&state[q][at]);
            sum.Store(&bound[at]);
            leaving = leaving | exceeds(sum, V::Load(&next[at]), l) | !(high < P::kHuge);
        }
        if (Any(leaving)) {
            // A lane leaves: its block's outcome is written, the last lane
            // moves into its place.
            for (int lane = 0; lane < count;) {
                const bool over = exceeds(bound[lane], next[lane], l);
                T high = hi[lane];
                if constexpr (Points) high = lo[lane] + hi[lane];
                if constexpr (Kind == LaneKind::Affine) high = Model::AffineHigh(state, lane);
                if (!over && high < P::kHuge) {
                    ++lane;
                    continue;
                }
                b.reached[b.block[lane]] = over ? -1 : 0;
                --count;
                for (int q = 0; q < K; ++q) coef[q][lane] = coef[q][count];
                for (int q = 0; q < S; ++q) state[q][lane] = state[q][count];
                bound[lane] = bound[count];
                next[lane] = next[count], b.block[lane] = b.block[count];
            }
            if (count > 0) pad();
        }
        if (k % kAheadRows == 0 && k < n) {
            for (int lane = 0; lane < count; ++lane) {
                if (double* record = b.record[b.block[lane]]) record[k / kAheadRows] = bound[lane];
            }
            lookAhead(k + 1);
            if (count > 0) pad();
        }
    }
    for (int lane = 0; lane < count; ++lane) b.reached[b.block[lane]] = bound[lane];
}

// Single grid points on lanes of floats `VF`, and the points they keep (or
// whose radius grew too wide for floats: during a storm the step can widen
// it several times a row) once more on lanes of doubles `VD`, whose
// outcome is the one written. Floats drop most points for half the work of
// doubles; doubles keep only the points whose sums can still win. Once the
// floats have kept more than a quarter of a tile's points (a nearly exact
// fit, whose deviations are as small as a float's radius, or a landscape
// near the best sum where storms widen the radius), the tile's further
// points go to the doubles directly.
template <class Model, class VF, class VD>
void BoundPointsTwice(const double* meas, int n, double first, const typename Model::Rows& rows,
                      LaneBatch<Model>& b, const SharedLimit& limit) {
    if (b.narrowTaken >= kLaneBatch && b.narrowKept * 4 > b.narrowTaken) {
        BoundLanes<Model, VD, LaneKind::Points>(meas, n, first, rows, b, limit);
        return;
    }
    BoundLanes<Model, VF, LaneKind::Points>(meas, n, first, rows, b, limit);
    double outcome[kLaneBatch];
    for (int t = 0; t < b.count; ++t) outcome[t] = b.reached[t];
    int kept[kLaneBatch];
    int count = 0;
    for (int t = 0; t < b.count; ++t) {
        if (b.reached[t] < 0) continue;
        for (int q = 0; q < Model::kPointCoefficients; ++q) b.coef[q][count] = b.coef[q][t];
        b.ahead[count] = b.ahead[t];
        kept[count++] = t;
    }
    b.narrowTaken += b.count;
    b.narrowKept += count;
    if (count == 0) return;
    const int all = b.count;
    b.count = count;
    BoundLanes<Model, VD, LaneKind::Points>(meas, n, first, rows, b, limit);
    b.count = all;
    for (int c = 0; c < count; ++c) outcome[kept[c]] = b.reached[c];
    for (int t = 0; t < all; ++t) b.reached[t] = outcome[t];
}

// The kernel for blocks or points of one instruction set, with lanes of
// doubles `VD`, or of floats `VF` where the model and the series allow them.
template <class Model, class VD, class VF, LaneKind Kind>
void BoundEither(const double* meas, int n, double first, const typename Model::Rows& rows,
                 LaneBatch<Model>& batch, const SharedLimit& limit) {
    // First-order forms stay on doubles: on floats the fast exponential's
    // error and the roundings would take most of what they gain.
    if constexpr (!Model::kNarrowLanes || Kind == LaneKind::Affine) {
        BoundLanes<Model, VD, Kind>(meas, n, first, rows, batch, limit);
    } else if (rows.narrow && Kind == LaneKind::Points) {
        BoundPointsTwice<Model, VF, VD>(meas, n, first, rows, batch, limit);
    } else if (rows.narrow) {
        BoundLanes<Model, VF, Kind>(meas, n, first, rows, batch, limit);
    } else {
        BoundLanes<Model, VD, Kind>(meas, n, first, rows, batch, limit);
    }
}

// The kernels of one instruction set, with lanes of doubles `VD` and of
// floats `VF`; first-order forms only where the model has them.
template <class Model, class VD, class VF>
LaneKernels<Model> KernelsOf() {
    constexpr LaneKind kAffine = Model::kAffineBlocks ? LaneKind::Affine : LaneKind::Blocks;
    return {&BoundEither<Model, VD, VF, LaneKind::Blocks>,
            &BoundEither<Model, VD, VF, LaneKind::Points>, &BoundEither<Model, VD, VF, kAffine>};
}

}  // namespace tervala

// Block bounds of many blocks at once: a batch of blocks of the grid (a
// block may be one grid point) is stepped through the rows together, each
// block in one lane of the vector registers, with the model's interval step
// (Model::Step) and the least term of each row, exactly as BlockBoundExceeds
// does for one block. A lane leaves the batch as soon as its bound exceeds
// the limit, and lanes still running are moved together so that the
// registers stay full.
//
// The kernel is built once for each instruction set (lane_bounds_*.cpp) and
// chosen when the search starts. Those files only read raw arrays and call
// templates of their own lane type, so that no code built for a wider
// instruction set is shared with the rest of the program.
#pragma once

#include "engine/lane_vector.h"
#include "engine/reservoir_step.h"
#include "engine/search_grid.h"

namespace tervala {

class SharedLimit;
// The limit's current value (a function of its own, built for every processor).
double CurrentLimit(const SharedLimit& limit);

inline constexpr int kLaneBatch = 64;
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
// least terms L_j of the rows, accumulated in doubles; each carries a
// relative rounding error of at most g = n u / (1 - n u) (u = 2^-53, n rows),
// so the exact sum of the L_j after row c is at least
// total - record[c] - 3 g total, and subtracting (n + 2) 8 u total covers
// that and the rounding of the subtraction itself.
void AheadTable(const double* record, double total, int n, const double* from, double* table);
// The test a lane leaves by: its bound so far `bound` plus the look-ahead
// `ahead` exceeds the limit `l`. Partial sums of the plain loop are rounded
// at every row: a point's complete sum is at least (its partial sum + the
// exact sum of its remaining terms) (1 - n u), so the sum with the
// look-ahead is shrunk by 4 n u (`shrink`), which also covers the rounding
// of the sum and of the product. Without look-ahead (0) it is bound > l.
inline double AheadShrink(int n) { return 1 - 4 * (n + 1) * 0x1p-53; }

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

    // The kernel's own lanes: interval, bound so far, its look-ahead, and the block held.
    alignas(64) double lo[kLaneBatch], hi[kLaneBatch], bound[kLaneBatch], next[kLaneBatch];
    int block[kLaneBatch];
    int64_t laneRows = 0;  // rows stepped, summed over the lanes
};

// Bounds every block of the batch over rows 2..n of the observed series
// `meas`, starting from the first row's value.
template <class Model>
using BoundLanesFn = void (*)(const double* meas, int n, double first,
                              const typename Model::Rows& rows, LaneBatch<Model>& batch,
                              const SharedLimit& limit);
// The kernels for blocks and for single grid points.
template <class Model>
struct LaneKernels {
    BoundLanesFn<Model> blocks;
    BoundLanesFn<Model> points;
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
// the interval [lo, hi], or single grid points (Model::PointCoefficients)
// with a midpoint and radius, kept in lo and hi.
template <class Model, class V, bool Points>
void BoundLanes(const double* meas, int n, double first, const typename Model::Rows& rows,
                LaneBatch<Model>& b, const SharedLimit& limit) {
    constexpr int W = V::kWidth;
    constexpr int K = Points ? Model::kPointCoefficients : Model::kCoefficients;
    int count = b.count;
    const double shrink = AheadShrink(n);
    // Each lane's look-ahead for the rows after row k.
    auto lookAhead = [&](int k) {
        const int e = (k + kAheadRows - 1) / kAheadRows;
        for (int lane = 0; lane < count; ++lane) {
            const double* table = b.ahead[b.block[lane]];
            b.next[lane] = table ? table[e] : 0.0;
        }
    };
    for (int lane = 0; lane < count; ++lane) {
        b.lo[lane] = first;
        b.hi[lane] = Points ? 0 : first;
        b.bound[lane] = 0;
        b.block[lane] = lane;
    }
    lookAhead(2);
    // Lanes past the last block repeat the first, so every lane holds numbers.
    auto pad = [&] {
        for (int lane = count; lane % W != 0; ++lane) {
            for (int q = 0; q < K; ++q) b.coef[q][lane] = b.coef[q][0];
            b.lo[lane] = b.lo[0], b.hi[lane] = b.hi[0], b.bound[lane] = b.bound[0];
            b.next[lane] = b.next[0];
        }
    };
    pad();
    auto exceeds = [shrink](auto bound, auto ahead, double l) {
        return (bound > l) | ((bound + ahead) * shrink > l);
    };
    for (int k = 2; k <= n && count > 0; ++k) {
        const double l = CurrentLimit(limit);
        b.laneRows += count;
        const V m = meas[k];
        auto leaving = V(0.0) > 1.0;  // lanes that leave after this row
        for (int at = 0; at < count; at += W) {
            V c[K];
            for (int q = 0; q < K; ++q) c[q] = V::Load(&b.coef[q][at]);
            V s0 = V::Load(&b.lo[at]), s1 = V::Load(&b.hi[at]);
            V lo, hi;
            if constexpr (Points) {
                Model::PointStep(rows, k, c, s0, s1);
                lo = s0 - s1;
                hi = s0 + s1;
            } else {
                Model::Step(rows, k, c, s0, s1);
                lo = s0;
                hi = s1;
            }
            const V bound = V::Load(&b.bound[at]) +
                            LeastSearchTerm(m - hi, m - lo, Model::kCap, Model::kCapped);
            s0.Store(&b.lo[at]);
            s1.Store(&b.hi[at]);
            bound.Store(&b.bound[at]);
            leaving = leaving | exceeds(bound, V::Load(&b.next[at]), l) | !(hi < kBlockBoundHuge);
        }
        if (Any(leaving)) {
            // A lane leaves: its block's outcome is written, the last lane
            // moves into its place.
            for (int lane = 0; lane < count;) {
                const bool over = exceeds(b.bound[lane], b.next[lane], l);
                const double hi = Points ? b.lo[lane] + b.hi[lane] : b.hi[lane];
                if (!over && hi < kBlockBoundHuge) {
                    ++lane;
                    continue;
                }
                b.reached[b.block[lane]] = over ? -1 : 0;
                --count;
                for (int q = 0; q < K; ++q) b.coef[q][lane] = b.coef[q][count];
                b.lo[lane] = b.lo[count], b.hi[lane] = b.hi[count], b.bound[lane] = b.bound[count];
                b.next[lane] = b.next[count], b.block[lane] = b.block[count];
            }
            if (count > 0) pad();
        }
        if (k % kAheadRows == 0 && k < n) {
            for (int lane = 0; lane < count; ++lane) {
                if (double* record = b.record[b.block[lane]]) record[k / kAheadRows] = b.bound[lane];
            }
            lookAhead(k + 1);
            if (count > 0) pad();
        }
    }
    for (int lane = 0; lane < count; ++lane) b.reached[b.block[lane]] = b.bound[lane];
}

}  // namespace tervala

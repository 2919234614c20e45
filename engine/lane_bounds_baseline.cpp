// The kernels (lane_bounds.h) for the SSE2 instructions every x86-64 processor
// has. Blocks go through 2 lanes of doubles. Single grid points are summed
// with the plain loop's own step instead, four at a time so that the
// processor overlaps their exponentials: with two lanes the midpoint and
// radius would cost more than that step, and an exact partial sum is a lower
// bound of the complete one.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct BaselineLanes {};

template <class Model>
void SumPoints(const double* meas, int n, double first, const typename Model::Rows& rows,
               LaneBatch<Model>& b, const SharedLimit& limit) {
    struct Lane {
        typename Model::Point c;
        double v, ssq, ahead;
        int k, point;
        bool active;
    } lanes[4];
    int next = 0, active = 0;
    auto refill = [&](Lane& lane) {
        lane.active = next < b.count;
        if (!lane.active) return;
        lane.c = Model::PointOf(&b.coef[0][next], kLaneBatch);
        lane.v = first;
        lane.ssq = 0;
        lane.k = 2;
        lane.point = next++;
        lane.ahead = b.ahead[lane.point] ? b.ahead[lane.point][1] : 0.0;
    };
    for (Lane& lane : lanes) {
        refill(lane);
        active += lane.active;
    }
    b.unit = 0x1p-53;
    const double shrink = AheadShrink(n, b.unit);
    auto exceeds = [shrink](const Lane& lane, double l) {
        return lane.ssq > l || (lane.ssq + lane.ahead) * shrink > l;
    };
    double l = CurrentLimit(limit);
    while (active > 0) {
        for (Lane& lane : lanes) {
            if (!lane.active) continue;
            if (lane.k <= n) {
                lane.v = Model::Next(lane.c, lane.v, rows.delta[lane.k], rows.rech[lane.k]);
                lane.ssq += SearchTerm(meas[lane.k], lane.v, Model::kCap, Model::kCapped);
                if (lane.k % kAheadRows == 0 && b.ahead[lane.point])
                    lane.ahead = b.ahead[lane.point][lane.k / kAheadRows + 1];
                ++lane.k;
                ++b.laneRows;
                if (!exceeds(lane, l) || !exceeds(lane, l = CurrentLimit(limit))) continue;
            }
            b.reached[lane.point] = lane.k > n && !exceeds(lane, l) ? lane.ssq : -1;
            refill(lane);
            active -= !lane.active;
        }
    }
}
}  // namespace

template <class Model>
LaneKernels<Model> LaneKernelsBaseline() {
    using Doubles = Lanes<2, BaselineLanes>;
    constexpr LaneKind kAffine = Model::kAffineBlocks ? LaneKind::Affine : LaneKind::Blocks;
    return {&BoundLanes<Model, Doubles, LaneKind::Blocks>, &SumPoints<Model>,
            &BoundLanes<Model, Doubles, kAffine>};
}
template LaneKernels<DischargeSearchModel> LaneKernelsBaseline<DischargeSearchModel>();
template LaneKernels<HeadSearchModel> LaneKernelsBaseline<HeadSearchModel>();

}  // namespace tervala

// The block-bound kernel (lane_bounds.h) built for the SSE2 instructions every x86-64 processor
// has: 2 lanes of doubles.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct BaselineLanes {};
}  // namespace

template <class Model>
LaneKernels<Model> LaneKernelsBaseline() {
    using V = Lanes<2, BaselineLanes>;
    return {&BoundLanes<Model, V, false>, &BoundLanes<Model, V, true>};
}
template LaneKernels<DischargeSearchModel> LaneKernelsBaseline<DischargeSearchModel>();
template LaneKernels<HeadSearchModel> LaneKernelsBaseline<HeadSearchModel>();

}  // namespace tervala

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
BoundLanesFn<Model> BoundLanesBaseline() {
    return &BoundLanes<Model, Lanes<2, BaselineLanes>>;
}
template BoundLanesFn<DischargeSearchModel> BoundLanesBaseline<DischargeSearchModel>();
template BoundLanesFn<HeadSearchModel> BoundLanesBaseline<HeadSearchModel>();

}  // namespace tervala

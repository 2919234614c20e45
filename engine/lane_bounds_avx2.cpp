// The block-bound kernel (lane_bounds.h) built for AVX2: 4 lanes of doubles.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct Avx2Lanes {};
}  // namespace

template <class Model>
LaneKernels<Model> LaneKernelsAvx2() {
    using V = Lanes<4, Avx2Lanes>;
    return {&BoundLanes<Model, V, false>, &BoundLanes<Model, V, true>};
}
template LaneKernels<DischargeSearchModel> LaneKernelsAvx2<DischargeSearchModel>();
template LaneKernels<HeadSearchModel> LaneKernelsAvx2<HeadSearchModel>();

}  // namespace tervala

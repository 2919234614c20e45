// The block-bound kernel (lane_bounds.h) built for AVX-512 (F, DQ, VL): 8 lanes of doubles.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct Avx512Lanes {};
}  // namespace

template <class Model>
LaneKernels<Model> LaneKernelsAvx512() {
    using V = Lanes<8, Avx512Lanes>;
    return {&BoundLanes<Model, V, false>, &BoundLanes<Model, V, true>};
}
template LaneKernels<DischargeSearchModel> LaneKernelsAvx512<DischargeSearchModel>();
template LaneKernels<HeadSearchModel> LaneKernelsAvx512<HeadSearchModel>();

}  // namespace tervala

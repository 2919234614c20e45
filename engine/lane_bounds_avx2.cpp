// The block-bound kernel (lane_bounds.h) built for AVX2: 4 lanes of doubles, or twice as many of
// floats.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct Avx2Lanes {};
using Doubles = Lanes<4, Avx2Lanes>;
using Floats = Lanes<8, Avx2Lanes, float>;
}  // namespace

template <class Model>
LaneKernels<Model> LaneKernelsAvx2() {
    return KernelsOf<Model, Doubles, Floats>();
}
template LaneKernels<DischargeSearchModel> LaneKernelsAvx2<DischargeSearchModel>();
template LaneKernels<HeadSearchModel> LaneKernelsAvx2<HeadSearchModel>();

}  // namespace tervala

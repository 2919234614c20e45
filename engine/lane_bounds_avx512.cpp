// The block-bound kernel (lane_bounds.h) built for AVX-512 (F, DQ, VL): 8 lanes of doubles, or
// twice as many of floats.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct Avx512Lanes {};
using Doubles = Lanes<8, Avx512Lanes>;
using Floats = Lanes<16, Avx512Lanes, float>;
}  // namespace

template <class Model>
LaneKernels<Model> LaneKernelsAvx512() {
    return KernelsOf<Model, Doubles, Floats>();
}
template LaneKernels<DischargeSearchModel> LaneKernelsAvx512<DischargeSearchModel>();
template LaneKernels<HeadSearchModel> LaneKernelsAvx512<HeadSearchModel>();

}  // namespace tervala

// The block-bound kernel (lane_bounds.h) built for AVX-512 (F, DQ, VL): 8 lanes of doubles.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct Avx512Lanes {};
}  // namespace

template <class Model>
BoundLanesFn<Model> BoundLanesAvx512() {
    return &BoundLanes<Model, Lanes<8, Avx512Lanes>>;
}
template BoundLanesFn<DischargeSearchModel> BoundLanesAvx512<DischargeSearchModel>();
template BoundLanesFn<HeadSearchModel> BoundLanesAvx512<HeadSearchModel>();

}  // namespace tervala

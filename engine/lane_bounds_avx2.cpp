// The block-bound kernel (lane_bounds.h) built for AVX2: 4 lanes of doubles.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct Avx2Lanes {};
}  // namespace

template <class Model>
BoundLanesFn<Model> BoundLanesAvx2() {
    return &BoundLanes<Model, Lanes<4, Avx2Lanes>>;
}
template BoundLanesFn<DischargeSearchModel> BoundLanesAvx2<DischargeSearchModel>();
template BoundLanesFn<HeadSearchModel> BoundLanesAvx2<HeadSearchModel>();

}  // namespace tervala

// The block-bound kernel (lane_bounds.h) built for AVX-512 (F, DQ, VL): 8 lanes of doubles, or
// twice as many of floats.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct Avx512Lanes {};
using Tag = Avx512Lanes;
constexpr int W = 8;

// Lanes of floats, twice as many, where the series allows them.
template <class Model, bool Points>
void Bound(const double* meas, int n, double first, const typename Model::Rows& rows,
           LaneBatch<Model>& batch, const SharedLimit& limit) {
    if constexpr (!Model::kNarrowLanes) {
        BoundLanes<Model, Lanes<W, Tag>, Points>(meas, n, first, rows, batch, limit);
    } else if (rows.narrow && Points) {
        BoundPointsTwice<Model, Lanes<2 * W, Tag, float>, Lanes<W, Tag>>(meas, n, first, rows,
                                                                         batch, limit);
    } else if (rows.narrow) {
        BoundLanes<Model, Lanes<2 * W, Tag, float>, Points>(meas, n, first, rows, batch, limit);
    } else {
        BoundLanes<Model, Lanes<W, Tag>, Points>(meas, n, first, rows, batch, limit);
    }
}
}  // namespace

template <class Model>
LaneKernels<Model> LaneKernelsAvx512() {
    return {&Bound<Model, false>, &Bound<Model, true>};
}
template LaneKernels<DischargeSearchModel> LaneKernelsAvx512<DischargeSearchModel>();
template LaneKernels<HeadSearchModel> LaneKernelsAvx512<HeadSearchModel>();

}  // namespace tervala

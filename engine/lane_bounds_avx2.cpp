// The block-bound kernel (lane_bounds.h) built for AVX2: 4 lanes of doubles, or twice as many of
// floats.
#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"
#include "engine/lane_bounds.h"

namespace tervala {

namespace {
struct Avx2Lanes {};
using Tag = Avx2Lanes;
constexpr int W = 4;

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
LaneKernels<Model> LaneKernelsAvx2() {
    return {&Bound<Model, false>, &Bound<Model, true>};
}
template LaneKernels<DischargeSearchModel> LaneKernelsAvx2<DischargeSearchModel>();
template LaneKernels<HeadSearchModel> LaneKernelsAvx2<HeadSearchModel>();

}  // namespace tervala

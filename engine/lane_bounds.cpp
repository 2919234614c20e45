#include "engine/lane_bounds.h"

#include "engine/discharge_search_model.h"
#include "engine/head_search_model.h"

namespace tervala {

VectorLevel UsableVectorLevel(VectorLevel level) {
#if defined(__x86_64__) && defined(__GNUC__)
    __builtin_cpu_init();
    const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
                        __builtin_cpu_supports("avx512vl");
    const bool avx2 = __builtin_cpu_supports("avx2");
    if ((level == VectorLevel::Best || level == VectorLevel::Avx512) && avx512) {
        return VectorLevel::Avx512;
    }
    if (level != VectorLevel::Baseline && avx2) return VectorLevel::Avx2;
#else
    (void)level;
#endif
    return VectorLevel::Baseline;
}

template <class Model>
BoundLanesFn<Model> ChooseBoundLanes(VectorLevel level) {
    switch (UsableVectorLevel(level)) {
        case VectorLevel::Avx512:
            return BoundLanesAvx512<Model>();
        case VectorLevel::Avx2:
            return BoundLanesAvx2<Model>();
        default:
            return BoundLanesBaseline<Model>();
    }
}

template BoundLanesFn<DischargeSearchModel> ChooseBoundLanes<DischargeSearchModel>(VectorLevel);
template BoundLanesFn<HeadSearchModel> ChooseBoundLanes<HeadSearchModel>(VectorLevel);

}  // namespace tervala

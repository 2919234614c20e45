#include "engine/lane_bounds.h"

#include <algorithm>

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

void AheadTable(const double* record, double total, int n, double unit, const double* from,
                double* table) {
    const double slack = total * ((n + 2) * 8 * unit);
    for (int e = 0; e < AheadEntries(n); ++e) {
        double rest = 0;
        if (e * kAheadRows < n) rest = std::max(0.0, (total - (e > 0 ? record[e] : 0.0)) - slack);
        table[e] = from ? std::max(rest, from[e]) : rest;
    }
}

template <class Model>
LaneKernels<Model> ChooseLaneKernels(VectorLevel level) {
    switch (UsableVectorLevel(level)) {
        case VectorLevel::Avx512:
            return LaneKernelsAvx512<Model>();
        case VectorLevel::Avx2:
            return LaneKernelsAvx2<Model>();
        default:
            return LaneKernelsBaseline<Model>();
    }
}

template LaneKernels<DischargeSearchModel> ChooseLaneKernels<DischargeSearchModel>(VectorLevel);
template LaneKernels<HeadSearchModel> ChooseLaneKernels<HeadSearchModel>(VectorLevel);

}  // namespace tervala

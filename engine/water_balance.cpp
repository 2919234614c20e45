#include "engine/water_balance.h"

namespace tervala {

FirstReservoirBalance BalanceFirstReservoir(const ReservoirSeries& s, int n, double maxSto,
                                            double iniSto) {
    FirstReservoirBalance b;
    b.Rows = n;
    if (n < 1) return b;
    for (int k = 1; k <= n; ++k) {
        b.RainAndIrrigation += s.Rain[k];
        b.Recharge += s.Rech[k];
        // Row 1 has no time step and so no escape; later rows lose the
        // escape rate times the step, scaled by how full the reservoir was.
        if (k >= 2) b.Escape += s.Esc[k] * (s.Time[k] - s.Time[k - 1]) * (s.ActSto[k - 1] / maxSto);
    }
    b.StorageChange = s.ActSto[n] - iniSto;
    b.Residual = b.RainAndIrrigation - b.Escape - b.StorageChange - b.Recharge;
    return b;
}

}  // namespace tervala

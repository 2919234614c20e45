// Series for the searches, made by the model itself from a grid point and
// then disturbed: noisy, exact, rounded to the file's two decimals, with
// deviations above the cap, with every grid point tied, or far enough from
// every grid point that none is taken. Shared by the search tests and the
// benchmarks.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "engine/discharge_search.h"
#include "engine/head_search.h"

namespace tervala::testing {

enum class Shape { Noisy, ExactFit, Capped, AllTie, NoneTaken, Rounded };

// A discharge series made by the model itself from a grid point, then
// disturbed according to `shape`.
inline DischargeSearchData MakeDischarge(int n, Shape shape, uint64_t seed, int ti, int tj) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    DischargeSearchData d;
    d.n = n;
    d.delta.assign(n + 1, 0.0);
    d.rech.assign(n + 1, 0.0);
    d.meas.assign(n + 1, 0.0);
    d.first = 0.5 + 3 * unit(random);
    double q = d.first;
    const double A = DischargeSlope(ti), C = DischargeIntercept(tj);
    for (int k = 2; k <= n; ++k) {
        d.delta[k] = unit(random) < 0.1 ? 0.0 : (unit(random) < 0.8 ? 1.0 : 0.5 + 2 * unit(random));
        d.rech[k] = unit(random) < 0.4 ? 0.0 : 20 * unit(random) * unit(random);
        double alpha = A * q + C;
        if (alpha < 0) alpha = 0;
        const double E = std::exp(-alpha * d.delta[k]);
        q = q * E + (1 - E) * d.rech[k];
        d.meas[k] = q;
    }
    for (int k = 2; k <= n; ++k) {
        switch (shape) {
            case Shape::Noisy:
                d.meas[k] = std::max(0.001, d.meas[k] * (1 + 0.2 * (unit(random) - 0.5)));
                break;
            case Shape::ExactFit:
                break;
            case Shape::Rounded:
                d.meas[k] = std::max(0.001, std::round(d.meas[k] * 100) / 100);
                break;
            case Shape::Capped:
                if (unit(random) < 0.3) d.meas[k] = 1000 + 3000 * unit(random);
                break;
            case Shape::AllTie:
                // No time passes: E is 1 and the discharge never moves,
                // whatever alpha, so every grid point has the same sum.
                d.delta[k] = 0;
                break;
            case Shape::NoneTaken:
                // Far above the observations: every sum is at least 1E6.
                d.first = 5000;
                d.rech[k] = 5000;
                d.meas[k] = 0.001;
                break;
        }
    }
    return d;
}

// Head series in mm from a grid point (B, F, P).
inline HeadSearchData MakeHead(int n, Shape shape, uint64_t seed, int ti, int tj, int tp) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    HeadSearchData d;
    d.n = n;
    d.delta.assign(n + 1, 0.0);
    d.rech.assign(n + 1, 0.0);
    d.meas.assign(n + 1, 0.0);
    d.first = 100 + 900 * unit(random);
    double h = d.first;
    const double B = HeadSlope(ti), F = HeadIntercept(tj), P = tp;
    for (int k = 2; k <= n; ++k) {
        d.delta[k] = unit(random) < 0.1 ? 0.0 : 1.0;
        d.rech[k] = unit(random) < 0.4 ? 0.0 : 30 * unit(random) * unit(random);
        double alpha = B * h + F;
        if (alpha < 0) alpha = 0;
        const double E = std::exp(-alpha * d.delta[k]);
        h = h * E + (1 - E) * d.rech[k] / (P * alpha / 50);
        d.meas[k] = h;
    }
    for (int k = 2; k <= n; ++k) {
        switch (shape) {
            case Shape::Noisy:
                d.meas[k] = std::max(0.001, d.meas[k] + 20 * (unit(random) - 0.5));
                break;
            case Shape::ExactFit:
                break;
            case Shape::Rounded:
                d.meas[k] = std::max(0.001, std::round(d.meas[k] * 100) / 100);
                break;
            case Shape::Capped:
                if (unit(random) < 0.3) d.meas[k] = 20000 + 5000 * unit(random);
                break;
            case Shape::AllTie:
                // No recharge and no time passing: the head never moves.
                d.rech[k] = 0;
                d.delta[k] = 0;
                break;
            case Shape::NoneTaken:
                // A head that stays far above the observations: every sum is
                // at least 1E9.
                d.first = 1e6;
                d.delta[k] = 0;
                d.meas[k] = 0.001;
                break;
        }
    }
    return d;
}

}  // namespace tervala::testing

// Series for the searches and benchmarks, made by the model from a grid point,
// then disturbed: noisy, exact, rounded, capped, all tied or none taken.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "engine/discharge_search.h"
#include "engine/head_search.h"

namespace tervala::testing {

enum class Shape { Noisy, ExactFit, Capped, AllTie, NoneTaken, Rounded };

template <typename Data>
Data EmptySeries(int n) {
    Data d;
    d.n = n;
    d.delta.assign(n + 1, 0.0);
    d.rech.assign(n + 1, 0.0);
    d.meas.assign(n + 1, 0.0);
    return d;
}

// A discharge series made by the model itself from grid point (ti, tj).
inline DischargeSearchData MakeDischarge(int n, Shape shape, uint64_t seed, int ti, int tj) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto d = EmptySeries<DischargeSearchData>(n);
    d.first = 0.5 + 3 * unit(random);
    double q = d.first;
    const double A = DischargeSlope(ti), C = DischargeIntercept(tj);
    for (int k = 2; k <= n; ++k) {
        d.delta[k] = unit(random) < 0.1 ? 0.0 : (unit(random) < 0.8 ? 1.0 : 0.5 + 2 * unit(random));
        d.rech[k] = unit(random) < 0.4 ? 0.0 : 20 * unit(random) * unit(random);
        const double E = std::exp(-std::max(0.0, A * q + C) * d.delta[k]);
        d.meas[k] = q = q * E + (1 - E) * d.rech[k];
    }
    for (int k = 2; k <= n; ++k) {
        double& m = d.meas[k];
        if (shape == Shape::Noisy) m = std::max(0.001, m * (1 + 0.2 * (unit(random) - 0.5)));
        if (shape == Shape::Rounded) m = std::max(0.001, std::round(m * 100) / 100);
        if (shape == Shape::Capped && unit(random) < 0.3) m = 1000 + 3000 * unit(random);
        // No time passes: E is 1 and the discharge never moves, whatever alpha.
        if (shape == Shape::AllTie) d.delta[k] = 0;
        // Far above the observations: every sum is at least 1E6.
        if (shape == Shape::NoneTaken) d.first = d.rech[k] = 5000, m = 0.001;
    }
    return d;
}

// Head series in mm from grid point (B, F, P).
inline HeadSearchData MakeHead(int n, Shape shape, uint64_t seed, int ti, int tj, int tp) {
    std::mt19937_64 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    auto d = EmptySeries<HeadSearchData>(n);
    d.first = 100 + 900 * unit(random);
    double h = d.first;
    const double B = HeadSlope(ti), F = HeadIntercept(tj), P = tp;
    for (int k = 2; k <= n; ++k) {
        d.delta[k] = unit(random) < 0.1 ? 0.0 : 1.0;
        d.rech[k] = unit(random) < 0.4 ? 0.0 : 30 * unit(random) * unit(random);
        const double alpha = std::max(0.0, B * h + F), E = std::exp(-alpha * d.delta[k]);
        d.meas[k] = h = h * E + (1 - E) * d.rech[k] / (P * alpha / 50);
    }
    for (int k = 2; k <= n; ++k) {
        double& m = d.meas[k];
        if (shape == Shape::Noisy) m = std::max(0.001, m + 20 * (unit(random) - 0.5));
        if (shape == Shape::Rounded) m = std::max(0.001, std::round(m * 100) / 100);
        if (shape == Shape::Capped && unit(random) < 0.3) m = 20000 + 5000 * unit(random);
        // No recharge and no time passing: the head never moves.
        if (shape == Shape::AllTie) d.rech[k] = d.delta[k] = 0;
        // A head far above the observations: every sum is at least 1E9.
        if (shape == Shape::NoneTaken) d.first = 1e6, d.delta[k] = 0, m = 0.001;
    }
    return d;
}

}  // namespace tervala::testing

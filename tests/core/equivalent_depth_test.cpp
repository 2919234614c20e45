// M and N of a drained field from Hooghoudt's equivalent depth.
#include "engine/equivalent_depth.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/number_text.h"

namespace tervala {
namespace {

TEST(EquivalentDepth, ShallowLayerUsesTheLogarithmicForm) {
    // Ka = Kb = 1 m/day, D = 5 m, U = 0.5 m, P = 5 %, L = 50 m: x = 0.6284,
    // F = 9.872164 / 2.5136 + ln(0.3142 / 3.142) = 3.927500 - 2.302585 = 1.624915,
    // d = 19.6375 / (ln 100 + F) = 19.6375 / 6.230085 = 3.152044 m.
    AlphaCoefficients a = DeriveAlphaCoefficients(1, 1, 5, 0.5, 5, 50);
    EXPECT_DOUBLE_EQ(a.M, 0.032);  // 4 / (0.05 * 2500)
    EXPECT_NEAR(a.d, 3.152044, 1e-6);
    EXPECT_NEAR(a.N, 0.2017308, 1e-7);  // 8 * 3.152044 / 125
    EXPECT_EQ(FormatFixed(a.M, 8, 5), " 0.03200");
    EXPECT_EQ(FormatFixed(a.N, 8, 5), " 0.20173");
}

TEST(EquivalentDepth, DeepLayerUsesTheSeries) {
    // D = 10 m: x = 1.2568; F = sum over n = 1, 3, 5 of
    // 4 e^(-2nx) / (n (1 - e^(-2nx))) = 0.3524444 + 0.0007083 + 0.0000028 = 0.3531556,
    // d = 19.6375 / (4.6051702 + 0.3531556) = 3.960510 m.
    AlphaCoefficients a = DeriveAlphaCoefficients(1, 1, 10, 0.5, 5, 50);
    EXPECT_DOUBLE_EQ(a.M, 0.032);
    EXPECT_NEAR(a.d, 3.960510, 1e-6);
    EXPECT_NEAR(a.N, 0.2534727, 1e-7);
    EXPECT_EQ(FormatFixed(a.N, 8, 5), " 0.25347");
}

TEST(EquivalentDepth, XOfExactlyOneTakesTheLogarithmicForm) {
    // L = 6.284 and D = 1 make x = 6.284 / 6.284 = 1 exactly.
    // Log form:  F = 9.872164 / 4 + ln(0.5 / 3.142) = 2.468041 - 1.838007 = 0.6300343.
    // Series:    F = 0.6260706 + 0.0033132 + 0.0000363 = 0.6294201 would differ.
    const double L = 6.284, U = 0.5;
    const double dLog = (3.142 * L / 8) / (std::log(L / U) + 0.6300343);
    const double dSeries = (3.142 * L / 8) / (std::log(L / U) + 0.6294201);
    AlphaCoefficients a = DeriveAlphaCoefficients(1, 1, 1, U, 10, L);
    EXPECT_NEAR(a.d, dLog, 1e-6);
    EXPECT_GT(std::fabs(a.d - dSeries), 1e-5);
}

TEST(EquivalentDepth, FormsMeetNearXOfOne) {
    // Just below and just above x = 1 the two forms differ by little.
    const double L = 50;
    const double Dat1 = L / 6.284;
    AlphaCoefficients below = DeriveAlphaCoefficients(1, 1, Dat1 * (1 - 1e-9), 0.5, 5, L);
    AlphaCoefficients above = DeriveAlphaCoefficients(1, 1, Dat1 * (1 + 1e-9), 0.5, 5, L);
    EXPECT_NEAR(below.N, above.N, 1e-4);
    EXPECT_NE(below.N, above.N);
}

TEST(EquivalentDepth, ConductivitiesScaleMAndNSeparately) {
    AlphaCoefficients a = DeriveAlphaCoefficients(2, 3, 5, 0.5, 5, 50);
    EXPECT_DOUBLE_EQ(a.M, 0.064);
    EXPECT_NEAR(a.N, 3 * 0.2017308, 3e-7);
}

}  // namespace
}  // namespace tervala

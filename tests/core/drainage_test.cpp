// M and N of a drained field (Hooghoudt's equivalent depth), worked by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/drainage_inputs.h"
#include "engine/equivalent_depth.h"

namespace tervala {
namespace {

using Q = DrainageQuantity;

TEST(EquivalentDepth, HandWorkedFields) {
    const struct {
        const char* name;
        DrainageParameters in;
        double d;
        const char* MText;
        const char* NText;
        double N;
    } cases[] = {
        // x = 2 pi D / L = 0.6284 < 1: F = pi^2 / 4x + ln(U / pi L ... ) = 1.624915,
        // d = 19.6375 / (ln 100 + F) = 3.152044; M = 4 / (0.05 * 2500), N = 8 d / 125.
        {"shallow, logarithmic form",
         {1, 1, 5, 0.5, 5, 50},
         3.152044,
         " 0.03200",
         " 0.20173",
         0.20173},
        // x = 1.2568: F = sum over n = 1, 3, 5 of 4 e^-2nx / n (1 - e^-2nx) = 0.3531556.
        {"deep, series form", {1, 1, 10, 0.5, 5, 50}, 3.960510, " 0.03200", " 0.25347", 0.25347},
        // L = 6.284 and D = 1: x = 1 exactly takes the logarithmic form,
        // F = 2.468041 - 1.838007 (the series would give 0.6294201, N 1.58199).
        {"x of exactly one", {1, 1, 1, 0.5, 10, 6.284}, 0.7807321, " 1.01295", " 1.58168", 1.58168},
        // Conductivities scale M and N apart: M = 4 * 100 / (0.02 * 25) = 800.
        {"wide values are not cut", {100, 3, 5, 0.5, 2, 5}, NAN, "800.00000", nullptr, NAN},
    };
    for (const auto& c : cases) {
        const DrainageResult r = ComputeDrainageResult(c.in);
        EXPECT_EQ((std::pair{AlphaFieldText(r.Exact.M), r.M}),
                  (std::pair{std::string(c.MText), std::stod(c.MText)}))
            << c.name;
        if (!c.NText) continue;
        EXPECT_NEAR(r.Exact.d, c.d, 1e-6) << c.name;
        EXPECT_EQ((std::pair{AlphaFieldText(r.Exact.N), r.N}),
                  (std::pair{std::string(c.NText), c.N}))
            << c.name;
    }
    EXPECT_NEAR(DeriveAlphaCoefficients(2, 3, 5, 0.5, 5, 50).N, 3 * 0.2017308, 3e-7);
}

TEST(DrainageInputs, FieldChecksAndCompleteness) {
    // The window's calculator shows the other messages; here the bounds.
    // clang-format off
    const std::tuple<Q, double, const char*> fields[] = {
        {Q::Ka, 0, ""}, {Q::Kb, 0, ""}, {Q::D, 0.01, ""}, {Q::U, -1, "U should be greater than zero"},
        {Q::Porosity, 0, "P should be greater than zero"}, {Q::Porosity, 1, ""}, {Q::Porosity, 30, ""},
        {Q::Porosity, 30.01, "P should be less than 30%"}};
    // clang-format on
    for (const auto& [quantity, value, message] : fields)
        EXPECT_EQ(DrainageFieldMessage(quantity, value), message) << value;
    const DrainageParameters good{1, 1, 5, 0.5, 5, 50};
    EXPECT_TRUE(DrainageInputsComplete(good));
    for (int field = 0; field < 8; ++field) {
        DrainageParameters p = good;
        double* values[] = {&p.Ka, &p.Kb, &p.D, &p.U, &p.L, &p.Porosity, &p.Porosity, &p.Porosity};
        *values[field] = field < 5 ? 0 : field == 5 ? 1 : field == 6 ? 30 : 29.99;
        EXPECT_EQ(DrainageInputsComplete(p), field == 7) << field;
    }
}

}  // namespace
}  // namespace tervala

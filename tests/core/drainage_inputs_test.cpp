// The calculator's rules for its six soil and drain quantities, and the texts
// of M and N it shows.
#include "engine/drainage_inputs.h"

#include <gtest/gtest.h>

namespace tervala {
namespace {

using Q = DrainageQuantity;

TEST(DrainageFieldCheck, RefusesNegativeConductivitiesButAcceptsZero) {
    EXPECT_EQ(DrainageFieldMessage(Q::Ka, -0.1), "Ka should be greater than zero");
    EXPECT_EQ(DrainageFieldMessage(Q::Kb, -2), "Kb should be greater than zero");
    EXPECT_EQ(DrainageFieldMessage(Q::Ka, 0), "");
    EXPECT_EQ(DrainageFieldMessage(Q::Kb, 0), "");
    EXPECT_EQ(DrainageFieldMessage(Q::Ka, 1.5), "");
}

TEST(DrainageFieldCheck, RefusesLengthsOfZeroOrLess) {
    EXPECT_EQ(DrainageFieldMessage(Q::D, 0), "D should be greater than zero");
    EXPECT_EQ(DrainageFieldMessage(Q::U, -1), "U should be greater than zero");
    EXPECT_EQ(DrainageFieldMessage(Q::L, 0), "L should be greater than zero");
    EXPECT_EQ(DrainageFieldMessage(Q::D, 0.01), "");
    EXPECT_EQ(DrainageFieldMessage(Q::U, 0.5), "");
    EXPECT_EQ(DrainageFieldMessage(Q::L, 50), "");
}

TEST(DrainageFieldCheck, PorosityBoundsAndTheirMessages) {
    EXPECT_EQ(DrainageFieldMessage(Q::Porosity, 0), "P should be greater than zero");
    EXPECT_EQ(DrainageFieldMessage(Q::Porosity, -5), "P should be greater than zero");
    EXPECT_EQ(DrainageFieldMessage(Q::Porosity, 0.5), "P should be greater than 1%");
    EXPECT_EQ(DrainageFieldMessage(Q::Porosity, 30.01), "P should be less than 30%");
    // The bounds themselves pass the field check.
    EXPECT_EQ(DrainageFieldMessage(Q::Porosity, 1), "");
    EXPECT_EQ(DrainageFieldMessage(Q::Porosity, 30), "");
}

DrainageParameters Example() { return DrainageParameters{1, 1, 5, 0.5, 5, 50}; }

TEST(DrainageCompleteness, AllPositiveAndPorosityStrictlyInside) {
    EXPECT_TRUE(DrainageInputsComplete(Example()));
    for (double p : {1.0, 30.0, 0.5, 31.0}) {
        DrainageParameters in = Example();
        in.Porosity = p;
        EXPECT_FALSE(DrainageInputsComplete(in)) << p;
    }
    DrainageParameters in = Example();
    in.Ka = 0;
    EXPECT_FALSE(DrainageInputsComplete(in));
    in = Example();
    in.Kb = 0;
    EXPECT_FALSE(DrainageInputsComplete(in));
    in = Example();
    in.D = 0;
    EXPECT_FALSE(DrainageInputsComplete(in));
    in = Example();
    in.U = 0;
    EXPECT_FALSE(DrainageInputsComplete(in));
    in = Example();
    in.L = -50;
    EXPECT_FALSE(DrainageInputsComplete(in));
    in = Example();
    in.Porosity = 29.99;
    EXPECT_TRUE(DrainageInputsComplete(in));
}

TEST(DrainageResultTexts, ShallowExampleShowsFiveDecimalsAfterOneBlank) {
    // M = 4 * 1 / (0.05 * 50 * 50) = 0.032; N = 8 * 1 * 3.152044 / 125 = 0.20173.
    DrainageResult r = ComputeDrainageResult(Example());
    EXPECT_EQ(r.MText, " 0.03200");
    EXPECT_EQ(r.NText, " 0.20173");
    EXPECT_EQ(r.M, 0.032);
    EXPECT_EQ(r.N, 0.20173);
}

TEST(DrainageResultTexts, DeepExample) {
    DrainageParameters in = Example();
    in.D = 10;  // x = 1.2568: series form, N = 0.25347
    DrainageResult r = ComputeDrainageResult(in);
    EXPECT_EQ(r.MText, " 0.03200");
    EXPECT_EQ(r.NText, " 0.25347");
    EXPECT_EQ(r.N, 0.25347);
}

TEST(DrainageResultTexts, LargeValuesAreNotCut) {
    // Ka = 100 m/day, P = 2 %, L = 5 m: M = 400 / (0.02 * 25) = 800.
    DrainageResult r = ComputeDrainageResult(DrainageParameters{100, 1, 5, 0.5, 2, 5});
    EXPECT_EQ(r.MText, "800.00000");
    EXPECT_EQ(r.M, 800);
}

}  // namespace
}  // namespace tervala

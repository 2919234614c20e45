// Number reading and the number texts written into the program's files.
#include "model/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tervala {
namespace {

TEST(StringToFloat, AcceptsPointAndComma) {
    EXPECT_EQ(StringToFloat("2.5"), 2.5);
    EXPECT_EQ(StringToFloat("2,5"), 2.5);
    EXPECT_EQ(StringToFloat("  -3.5E2 "), -350.0);
    EXPECT_EQ(StringToFloat("+1,25e-1"), 0.125);
    EXPECT_EQ(StringToFloat("7"), 7.0);
    EXPECT_EQ(StringToFloat(".5"), 0.5);
    EXPECT_EQ(StringToFloat("5."), 5.0);
    EXPECT_EQ(StringToFloat(" 5.0E-0001"), 0.5);
}

TEST(StringToFloat, ReadsTheSameAfterAFailureAsBefore) {
    // Number reading keeps no separator of its own: a failed conversion does
    // not leave "," in force for the next one.
    EXPECT_THROW(StringToFloat("1.2,5"), ConversionError);
    EXPECT_EQ(StringToFloat("2.5"), 2.5);
    EXPECT_EQ(StringToFloat("1.5e1"), 15.0);
    EXPECT_FALSE(TryStringToFloat("x").has_value());
    EXPECT_EQ(StringToFloat("2,5"), 2.5);
}

TEST(StringToFloat, RefusesTextsThatAreNoNumberUnderEitherSeparator) {
    for (const char* bad : {"", "   ", "1.2,5", "1,2.5", "abc", "1.2.3", "1,2,3", "1e", "1e+",
                            "--1", "1 000", "inf", "nan", "0x10", "1.5kg", ".", ",", "+", "E5"}) {
        EXPECT_FALSE(TryStringToFloat(bad).has_value()) << '"' << bad << '"';
        EXPECT_THROW(StringToFloat(bad), ConversionError) << '"' << bad << '"';
    }
}

TEST(StringToFloat, HugeExponentIsRefusedAndTinyOneIsZero) {
    EXPECT_FALSE(TryStringToFloat("1e400").has_value());
    EXPECT_EQ(StringToFloat("1e-400"), 0.0);
}

TEST(FormatFixed, RightAlignsAndNeverCuts) {
    EXPECT_EQ(FormatFixed(0.5, 6, 2), "  0.50");
    EXPECT_EQ(FormatFixed(250, 6, 2), "250.00");
    EXPECT_EQ(FormatFixed(1000, 6, 2), "1000.00");
    EXPECT_EQ(FormatFixed(12345678.9, 6, 2), "12345678.90");
    EXPECT_EQ(FormatFixed(-2.5, 8, 2), "   -2.50");
    EXPECT_EQ(FormatFixed(0.0123, 10, 3), "     0.012");
    EXPECT_EQ(FormatFixed(0, 10, 3), "     0.000");
    EXPECT_EQ(FormatFixed(0.032, 8, 5), " 0.03200");
    EXPECT_EQ(FormatFixed(7.25, 4, 0), "   7");
    EXPECT_EQ(FormatFixed(0.75, 1, 0), "1");
}

TEST(FormatFixed, RoundsHalfAwayFromZeroOnTheExactBinaryValue) {
    // 0.25 is exact in binary: a true half-way value, rounded up.
    EXPECT_EQ(FormatFixed(0.25, 10, 1), "       0.3");
    EXPECT_EQ(FormatFixed(-0.25, 10, 1), "      -0.3");
    EXPECT_EQ(FormatFixed(2.5, 1, 0), "3");
    EXPECT_EQ(FormatFixed(0.125, 1, 2), "0.13");
    EXPECT_EQ(FormatFixed(1.5, 1, 0), "2");
    // 2.675 is stored as 2.67499999999999982236431605997495353221893310546875.
    EXPECT_EQ(FormatFixed(2.675, 1, 2), "2.67");
    // 1.005 and 1.015 are both stored just below their half-way points.
    EXPECT_EQ(FormatFixed(1.005, 1, 2), "1.00");
    EXPECT_EQ(FormatFixed(1.015, 1, 2), "1.01");
    EXPECT_EQ(FormatFixed(1.0151, 1, 2), "1.02");
    // Carries through nines into a new leading digit.
    EXPECT_EQ(FormatFixed(9.995, 1, 2), "9.99");  // stored below 9.995
    EXPECT_EQ(FormatFixed(9.9951, 1, 2), "10.00");
    EXPECT_EQ(FormatFixed(99.5, 1, 0), "100");
}

TEST(FormatFixed, NegativeValuesKeepTheirSign) {
    EXPECT_EQ(FormatFixed(-0.001, 6, 2), " -0.00");
    EXPECT_EQ(FormatFixed(-0.0, 6, 2), "  0.00");
}

TEST(FormatExponent, WidthGivesTheNumberOfSignificantDigits) {
    EXPECT_EQ(FormatExponent(0.5, 12), " 5.000E-0001");
    EXPECT_EQ(FormatExponent(0.5, 10), " 5.0E-0001");
    EXPECT_EQ(FormatExponent(0.5, 8), " 5.0E-0001");
    EXPECT_EQ(FormatExponent(0, 10), " 0.0E+0000");
    EXPECT_EQ(FormatExponent(0, 12), " 0.000E+0000");
    EXPECT_EQ(FormatExponent(-0.5, 10), "-5.0E-0001");
    EXPECT_EQ(FormatExponent(-250, 12), "-2.500E+0002");
    EXPECT_EQ(FormatExponent(0.0123456, 13), " 1.2346E-0002");
    EXPECT_EQ(FormatExponent(1e-300, 10), " 1.0E-0300");
}

TEST(FormatExponent, RoundsHalfAwayFromZeroAndCarriesIntoTheExponent) {
    EXPECT_EQ(FormatExponent(0.25, 10), " 2.5E-0001");
    EXPECT_EQ(FormatExponent(0.125, 10), " 1.3E-0001");  // exact half-way
    EXPECT_EQ(FormatExponent(0.375, 10), " 3.8E-0001");  // exact half-way
    EXPECT_EQ(FormatExponent(0.996, 10), " 1.0E+0000");  // 9.96 -> 10.0
    EXPECT_EQ(FormatExponent(0.0995, 12), " 9.950E-0002");
    EXPECT_EQ(FormatExponent(0.99995, 12), " 1.000E+0000");
}

TEST(FormatValue, FixedFromOneUpwardsExponentBelow) {
    EXPECT_EQ(FormatValue(1, 12), "        1.00");
    EXPECT_EQ(FormatValue(0.999, 12), " 9.990E-0001");
    EXPECT_EQ(FormatValue(0, 12), " 0.000E+0000");
    EXPECT_EQ(FormatValue(-3, 10), "-3.0E+0000");
    EXPECT_EQ(FormatValue(12.345, 10), "     12.35");  // 12.345 is stored above the half
    EXPECT_EQ(FormatValue(0.4, 10), " 4.0E-0001");
}

TEST(FormatParameter, ValueFormatOfWidthEight) {
    EXPECT_EQ(FormatParameter(0.5), " 5.0E-0001");
    EXPECT_EQ(FormatParameter(1), "    1.00");
    EXPECT_EQ(FormatParameter(100), "  100.00");
    EXPECT_EQ(FormatParameter(123456), "123456.00");
    EXPECT_EQ(FormatParameter(0), " 0.0E+0000");
    EXPECT_EQ(StringToFloat(FormatParameter(0.5)), 0.5);
}

TEST(FormatCoefficient, FiveSignificantDigitsAndThreeExponentDigits) {
    EXPECT_EQ(FormatCoefficient(0.5), "5.0000E-001");
    EXPECT_EQ(FormatCoefficient(-250), "-2.5000E+002");
    EXPECT_EQ(FormatCoefficient(0), "0.0000E+000");
    EXPECT_EQ(FormatCoefficient(0.03200), "3.2000E-002");
    EXPECT_EQ(FormatCoefficient(1.23456789e-123), "1.2346E-123");
    EXPECT_EQ(FormatCoefficient(1e200), "1.0000E+200");
    EXPECT_EQ(FormatCoefficient(0.000123455), "1.2345E-004");  // stored below the half
    EXPECT_EQ(FormatCoefficient(0.00012345), "1.2345E-004");
    EXPECT_EQ(FormatCoefficient(1.03125), "1.0313E+000");  // exact half-way: away from zero
    EXPECT_EQ(FormatCoefficient(-1.03125), "-1.0313E+000");
    EXPECT_EQ(StringToFloat(FormatCoefficient(0.20173)), 0.20173);
}

TEST(FormatGeneral, ShortestTextUpToFifteenDigits) {
    EXPECT_EQ(FormatGeneral(5), "5");
    EXPECT_EQ(FormatGeneral(0.25), "0.25");
    EXPECT_EQ(FormatGeneral(2.5), "2.5");
    EXPECT_EQ(FormatGeneral(50), "50");
    EXPECT_EQ(FormatGeneral(-0.1), "-0.1");
    EXPECT_EQ(FormatGeneral(0), "0");
    EXPECT_EQ(FormatGeneral(1e-5), "1E-5");
    EXPECT_EQ(FormatGeneral(1.5e-7), "1.5E-7");
    EXPECT_EQ(FormatGeneral(0.0001), "0.0001");
    EXPECT_EQ(FormatGeneral(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FormatGeneral(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(FormatGeneral(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatGeneral(123456789012345.0), "123456789012345");
    EXPECT_EQ(FormatGeneral(1e15), "1E15");
    EXPECT_EQ(FormatGeneral(1234567890123456.0), "1.23456789012346E15");
    EXPECT_EQ(FormatGeneral(10.0), "10");
    EXPECT_EQ(FormatGeneral(0.05 * 100), "5");
}

TEST(FormatGeneral, ReadsBackAsTheSameNumberForTypedValues) {
    for (double v : {0.1, 0.25, 12.5, 1500.0, 0.032, 1e-5, 0.0001, 7.125}) {
        EXPECT_EQ(StringToFloat(FormatGeneral(v)), v) << v;
    }
}

TEST(NumberTexts, NonFiniteValuesDoNotCrash) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FormatFixed(inf, 6, 2), "  +Inf");
    EXPECT_EQ(FormatExponent(-inf, 6), "  -Inf");
    EXPECT_EQ(FormatGeneral(std::nan("")), "NAN");
}

}  // namespace
}  // namespace tervala

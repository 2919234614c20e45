// Number texts worked out by hand from the exact binary values (0.25 is
// exact, 2.675 is stored just below the half), and number reading.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/number_text.h"

namespace tervala {
namespace {

TEST(NumberTexts, EachFormatAgainstItsHandWorkedExamples) {
    const double inf = std::numeric_limits<double>::infinity(),
                 max = std::numeric_limits<double>::max();
    // clang-format off
    const std::pair<std::string, const char*> cases[] = {
        {FormatFixed(0.5, 6, 2), "  0.50"}, {FormatFixed(12345678.9, 6, 2), "12345678.90"},
        {FormatFixed(-2.5, 8, 2), "   -2.50"}, {FormatFixed(7.25, 4, 0), "   7"},
        {FormatFixed(0.25, 10, 1), "       0.3"}, {FormatFixed(-0.25, 10, 1), "      -0.3"},
        {FormatFixed(2.5, 1, 0), "3"}, {FormatFixed(0.125, 1, 2), "0.13"}, {FormatFixed(2.675, 1, 2), "2.67"},
        {FormatFixed(1.0151, 1, 2), "1.02"}, {FormatFixed(9.9951, 1, 2), "10.00"}, {FormatFixed(99.5, 1, 0), "100"},
        {FormatFixed(-0.001, 6, 2), " -0.00"}, {FormatFixed(inf, 6, 2), "  +Inf"},
        {FormatExponent(0.5, 12), " 5.000E-0001"}, {FormatExponent(0.5, 8), " 5.0E-0001"},
        {FormatExponent(0, 10), " 0.0E+0000"}, {FormatExponent(-250, 12), "-2.500E+0002"},
        {FormatExponent(0.0123456, 13), " 1.2346E-0002"}, {FormatExponent(1e-300, 10), " 1.0E-0300"},
        {FormatExponent(0.125, 10), " 1.3E-0001"}, {FormatExponent(0.996, 10), " 1.0E+0000"},
        {FormatExponent(0.0995, 12), " 9.950E-0002"}, {FormatExponent(0.99995, 12), " 1.000E+0000"},
        {FormatExponent(-inf, 6), "  -Inf"}, {FormatValue(1, 12), "        1.00"},
        {FormatValue(0.999, 12), " 9.990E-0001"}, {FormatValue(-3, 10), "-3.0E+0000"},
        {FormatValue(12.345, 10), "     12.35"}, {FormatParameter(0.5), " 5.0E-0001"},
        {FormatParameter(123456), "123456.00"}, {FormatCoefficient(-250), "-2.5000E+002"},
        {FormatCoefficient(0), "0.0000E+000"}, {FormatCoefficient(1.23456789e-123), "1.2346E-123"},
        {FormatCoefficient(1e200), "1.0000E+200"}, {FormatCoefficient(0.000123455), "1.2345E-004"},
        {FormatCoefficient(-1.03125), "-1.0313E+000"}, {FormatGeneral(2.5), "2.5"}, {FormatGeneral(50), "50"},
        {FormatGeneral(-0.1), "-0.1"}, {FormatGeneral(0), "0"}, {FormatGeneral(1e-5), "1E-5"},
        {FormatGeneral(1.5e-7), "1.5E-7"}, {FormatGeneral(0.0001), "0.0001"},
        {FormatGeneral(2.0 / 3.0), "0.666666666666667"}, {FormatGeneral(0.1 + 0.2), "0.3"},
        {FormatGeneral(123456789012345.0), "123456789012345"}, {FormatGeneral(1e15), "1E15"},
        {FormatGeneral(1234567890123456.0), "1.23456789012346E15"}, {FormatGeneral(std::nan("")), "NAN"},
        // Regression: rounded up beyond the largest double, these texts could not be read back.
        {FormatExponent(max, 10), " 1.7E+0308"}, {FormatExponent(-max, 12), "-1.797E+0308"},
        {FormatCoefficient(max), "1.7976E+308"}, {FormatGeneral(max), "1.79769313486231E308"},
    };
    // clang-format on
    for (const auto& [text, expected] : cases) EXPECT_EQ(text, expected);
}

TEST(StringToFloat, AcceptsPointOrCommaAndRefusesEverythingElse) {
    const std::pair<const char*, double> good[] = {
        {"2,5", 2.5}, {"  -3.5E2 ", -350}, {"+1,25e-1", 0.125},
        {".5", 0.5},  {"5.", 5},           {"1e-400", 0}};  // too small for a double: zero
    for (const auto& [text, value] : good) EXPECT_EQ(StringToFloat(text), value) << text;
    for (const char* bad : {"", "   ", "1.2,5", "1,2.5", "1.2.3", "1,2,3", "1e", "--1", "1 000",
                            "inf", "0x10", "1.5kg", ".", "E5", "1e400"})
        EXPECT_THROW(StringToFloat(bad), ConversionError) << '"' << bad << '"';
    // A failed conversion leaves no separator in force for the next one.
    EXPECT_EQ(StringToFloat("1.5e1"), 15.0);
    for (double v : {0.1, 0.032, 1e-5, 7.125}) EXPECT_EQ(StringToFloat(FormatGeneral(v)), v) << v;
    EXPECT_EQ(StringToFloat(FormatCoefficient(0.20173)), 0.20173);
}

}  // namespace
}  // namespace tervala

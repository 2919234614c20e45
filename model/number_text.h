// Number reading and the number texts of the program's files.
//
// Every file the program writes uses "." as decimal point, whatever the user
// typed. Typed numbers are accepted with "." or "," as decimal separator.
// Rounding to d decimals is half away from zero on the exact binary value, so
// 0.25 (exact in binary) written with one decimal is 0.3.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace tervala {

// Raised when a text is a number under neither decimal separator.
class ConversionError : public std::invalid_argument {
  public:
    explicit ConversionError(const std::string& text);
};

// Optional blanks, optional sign, digits with at most one decimal separator
// ("." or ","; not both), optional exponent, optional blanks. Pure: no
// program state is changed, whatever the outcome.
double StringToFloat(const std::string& text);  // throws ConversionError
std::optional<double> TryStringToFloat(const std::string& text);
// A number token of one of the program's files: "." is the only decimal
// point (the files are always written with it), exponent with "E" or "e".
std::optional<double> ParseFileNumber(const std::string& token);

// Fixed point F(w,d): rounded to d decimals, right-aligned in w characters,
// never cut when longer.
std::string FormatFixed(double value, int width, int decimals);
// Exponent form of width w: sign position, s significant digits with
// s = clamp(w - 8, 2, 18), "E", exponent sign and four exponent digits.
std::string FormatExponent(double value, int width);
// Value format: F(w,2) for values of 1 or more, the exponent form otherwise.
std::string FormatValue(double value, int width);
// Parameter format: value format of width 8.
std::string FormatParameter(double value);
// Coefficient format: 5 significant digits, at least three exponent digits,
// right-aligned in 10 characters (0.5 -> "5.0000E-001").
std::string FormatCoefficient(double value);
// General decimal format of the fields on screen: up to 15 significant
// digits, no trailing zeros (2.5 -> "2.5", 50 -> "50", 1e-5 -> "1E-5").
std::string FormatGeneral(double value);

}  // namespace tervala

#include "model/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string_view>
#include <system_error>

#include "model/message_texts.h"

namespace tervala {

ConversionError::ConversionError(const std::string& text)
    : std::invalid_argument(NotANumberText(text)) {}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// One conversion attempt with `separator` as the only decimal character.
// The text is checked character by character first, so that nothing but the
// accepted shape reaches the library conversion (no "inf", no hex, no
// thousands separators), and the conversion itself never depends on a locale.
std::optional<double> ConvertWith(std::string_view text, char separator) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    size_t end = n;
    while (end > i && IsBlank(text[end - 1])) --end;

    std::string plain;  // the number with "." as decimal point, for from_chars
    plain.reserve(end - i);
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int mantissaDigits = 0;
    bool seenPoint = false;
    while (i < end) {
        char c = text[i];
        if (IsDigit(c)) {
            plain += c;
            ++mantissaDigits;
        } else if (c == separator && !seenPoint) {
            plain += '.';
            seenPoint = true;
        } else {
            break;
        }
        ++i;
    }
    if (mantissaDigits == 0) return std::nullopt;
    bool negativeExponent = false;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            plain += text[i];
            ++i;
        }
        int exponentDigits = 0;
        while (i < end && IsDigit(text[i])) {
            plain += text[i];
            ++exponentDigits;
            ++i;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != end) return std::nullopt;

    double value = 0;
    const char* first = plain.data();
    const char* last = plain.data() + plain.size();
    if (*first == '.') {
        // from_chars wants a digit before the point; ".5" means 0.5.
        plain.insert(plain.begin(), '0');
        first = plain.data();
        last = plain.data() + plain.size();
    }
    auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // A number too small for a double is zero; one too large is refused.
        if (!negativeExponent) return std::nullopt;
        value = 0;
    } else if (ec != std::errc() || ptr != last) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

// |value| in fixed or scientific notation with `precision` digits after the
// point, correctly rounded. to_chars never consults the process locale, so a
// German or Dutch desktop gets the same digits and "." as C.
std::string Digits(double magnitude, std::chars_format format, int precision) {
    // Fixed notation of the largest double has 309 integer digits.
    std::string text(static_cast<size_t>(precision) + 330, '\0');
    auto [end, ec] =
        std::to_chars(text.data(), text.data() + text.size(), magnitude, format, precision);
    text.resize(ec == std::errc() ? static_cast<size_t>(end - text.data()) : 0);
    return text;
}

// Decimal digits of |value| in fixed notation with `decimals` places, rounded
// half away from zero on the exact binary value. Returns e.g. "0.3" or "12".
std::string RoundedFixed(double magnitude, int decimals) {
    // Twenty guard digits, correctly rounded, tell the rounding direction
    // except when they read "5000...": then the value lies on or within a
    // hair of the half-way point (or a run of nines was carried into a 5),
    // and only the exact expansion can decide.
    constexpr int kGuard = 20;
    const std::string text = Digits(magnitude, std::chars_format::fixed, decimals + kGuard);
    size_t point = text.find('.');
    std::string head = text.substr(0, point + 1 + decimals);
    std::string tail = text.substr(point + 1 + decimals);
    bool up;
    if (tail[0] == '5' && tail.find_first_not_of('0', 1) == std::string::npos) {
        // The exact decimal expansion of a double has at most 1074 decimals.
        constexpr int kExact = 1100;
        const std::string exact = Digits(magnitude, std::chars_format::fixed, decimals + kExact);
        up = exact[exact.find('.') + 1 + decimals] >= '5';
    } else {
        up = tail[0] >= '5';
    }
    if (decimals == 0) head.pop_back();  // no point without decimals
    if (up) {
        int k = static_cast<int>(head.size()) - 1;
        for (; k >= 0; --k) {
            if (head[k] == '.') continue;
            if (head[k] == '9') {
                head[k] = '0';
            } else {
                ++head[k];
                break;
            }
        }
        if (k < 0) head.insert(head.begin(), '1');
    }
    return head;
}

// |value| rounded half away from zero to `significant` digits: the digits
// (exactly `significant` of them) and the decimal exponent of the first.
struct Significand {
    std::string digits;
    int exponent = 0;
};

// Whether digits d.ddd times ten to the exponent exceed the largest double,
// so that no reader could take the text back.
bool BeyondLargestDouble(const Significand& s) {
    if (s.exponent < std::numeric_limits<double>::max_exponent10) return false;
    const std::string text =
        s.digits.substr(0, 1) + "." + s.digits.substr(1) + "e" + std::to_string(s.exponent);
    double value = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc::result_out_of_range;
}

Significand RoundedSignificant(double magnitude, int significant) {
    constexpr int kGuard = 20;
    auto scientific = [magnitude](int precision) {
        return Digits(magnitude, std::chars_format::scientific, precision);
    };
    std::string text = scientific(significant - 1 + kGuard);
    size_t e = text.find('e');
    int exponent = std::atoi(text.c_str() + e + 1);
    std::string mantissa = text.substr(0, 1) + text.substr(2, e - 2);  // digits without "."
    std::string tail = mantissa.substr(significant);
    bool up;
    if (tail[0] == '5' && tail.find_first_not_of('0', 1) == std::string::npos) {
        // At most 767 significant digits in the exact expansion of a double;
        // the guard rounding may have carried into the leading digit, so the
        // exact text's exponent is taken afresh.
        std::string exact = scientific(800);
        size_t ee = exact.find('e');
        int exactExponent = std::atoi(exact.c_str() + ee + 1);
        std::string exactDigits = exact.substr(0, 1) + exact.substr(2, ee - 2);
        mantissa = exactDigits;
        exponent = exactExponent;
        up = exactDigits[significant] >= '5';
    } else {
        up = tail[0] >= '5';
    }
    const Significand truncated{mantissa.substr(0, significant), exponent};
    Significand s = truncated;
    if (up) {
        int k = significant - 1;
        for (; k >= 0; --k) {
            if (s.digits[k] == '9') {
                s.digits[k] = '0';
            } else {
                ++s.digits[k];
                break;
            }
        }
        if (k < 0) {
            s.digits.insert(s.digits.begin(), '1');
            s.digits.pop_back();
            ++s.exponent;
        }
        // Near the largest double, rounding up gives a number no double can
        // hold and the file could not be read again: the digits are cut
        // instead, which stays within the precision the format promises.
        if (BeyondLargestDouble(s)) s = truncated;
    }
    if (magnitude == 0) s.exponent = 0;
    return s;
}

std::string PadLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), ' ');
    return text;
}

// Texts for values that are no finite number, as the runtime writes them.
std::string NonFinite(double value) {
    if (std::isnan(value)) return "Nan";
    return value < 0 ? "-Inf" : "+Inf";
}

std::string ExponentDigits(int exponent, int minDigits) {
    std::string e = std::to_string(exponent < 0 ? -exponent : exponent);
    if (static_cast<int>(e.size()) < minDigits) e.insert(0, minDigits - e.size(), '0');
    return (exponent < 0 ? "-" : "+") + e;
}

}  // namespace

std::optional<double> TryStringToFloat(const std::string& text) {
    // The program's decimal separator is "."; a text that is no number with
    // it is tried once more with ",". Nothing is switched: the separator of
    // the retry is a parameter of the attempt, not program state.
    if (auto v = ConvertWith(text, '.')) return v;
    return ConvertWith(text, ',');
}

std::optional<double> ParseFileNumber(const std::string& token) { return ConvertWith(token, '.'); }

double StringToFloat(const std::string& text) {
    if (auto v = TryStringToFloat(text)) return *v;
    throw ConversionError(text);
}

std::string FormatFixed(double value, int width, int decimals) {
    if (!std::isfinite(value)) return PadLeft(NonFinite(value), width);
    std::string text = RoundedFixed(std::fabs(value), decimals);
    if (value < 0) text.insert(text.begin(), '-');
    return PadLeft(text, width);
}

std::string FormatExponent(double value, int width) {
    if (!std::isfinite(value)) return PadLeft(NonFinite(value), width);
    const int significant = std::clamp(width - 8, 2, 18);
    Significand s = RoundedSignificant(std::fabs(value), significant);
    std::string text;
    text += value < 0 ? '-' : ' ';
    text += s.digits[0];
    text += '.';
    text.append(s.digits, 1, std::string::npos);
    text += 'E';
    text += ExponentDigits(s.exponent, 4);
    return text;
}

std::string FormatValue(double value, int width) {
    if (value >= 1) return FormatFixed(value, width, 2);
    return FormatExponent(value, width);
}

std::string FormatParameter(double value) { return FormatValue(value, 8); }

std::string FormatCoefficient(double value) {
    if (!std::isfinite(value)) return PadLeft(NonFinite(value), 10);
    Significand s = RoundedSignificant(std::fabs(value), 5);
    std::string text;
    if (value < 0) text += '-';
    text += s.digits[0];
    text += '.';
    text.append(s.digits, 1, std::string::npos);
    text += 'E';
    text += ExponentDigits(s.exponent, 3);
    return PadLeft(text, 10);
}

std::string FormatGeneral(double value) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    constexpr int kPrecision = 15;
    Significand s = RoundedSignificant(std::fabs(value), kPrecision);
    std::string digits = s.digits;
    digits.erase(digits.find_last_not_of('0') + 1);  // the first digit is never 0
    std::string text = value < 0 ? "-" : "";
    // Plain decimals from 0.0001 up to fifteen integer digits, otherwise the
    // scientific form with the shortest exponent.
    if (s.exponent >= -4 && s.exponent < kPrecision) {
        const int intDigits = s.exponent + 1;
        if (intDigits <= 0) {
            text += "0.";
            text.append(static_cast<size_t>(-intDigits), '0');
            text += digits;
        } else if (static_cast<int>(digits.size()) <= intDigits) {
            text += digits;
            text.append(intDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, intDigits);
            text += '.';
            text.append(digits, intDigits, std::string::npos);
        }
    } else {
        text += digits[0];
        if (digits.size() > 1) {
            text += '.';
            text.append(digits, 1, std::string::npos);
        }
        text += 'E';
        if (s.exponent < 0) text += '-';
        text += std::to_string(std::abs(s.exponent));
    }
    return text;
}

}  // namespace tervala

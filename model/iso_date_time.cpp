#include "model/iso_date_time.h"

#include <charconv>
#include <string>

namespace tervala {

namespace {

// Days from 1970-01-01 to the given civil date (H. Hinnant's algorithm).
int64_t DaysFromCivil(int64_t y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

int DaysInMonth(int64_t y, int m) {
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m == 2 && leap ? 29 : kDays[m - 1];
}

// Reads exactly `digits` decimal digits at the front of `text`.
bool Take(std::string_view& text, int digits, int& value) {
    if (text.size() < static_cast<size_t>(digits)) return false;
    value = 0;
    for (int i = 0; i < digits; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    text.remove_prefix(digits);
    return true;
}

bool Skip(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

// "Z", "+hh", "+hh:mm" or "+hhmm" (or "-"): seconds east of UTC; nothing
// (no zone) is UTC.
std::optional<int> ZoneOffset(std::string_view text) {
    if (text.empty()) return 0;
    if (text == "Z" || text == "z") return 0;
    const char sign = text.front();
    if (sign != '+' && sign != '-') return std::nullopt;
    text.remove_prefix(1);
    int hours = 0, minutes = 0;
    if (!Take(text, 2, hours)) return std::nullopt;
    Skip(text, ':');
    if (!text.empty() && !Take(text, 2, minutes)) return std::nullopt;
    if (!text.empty() || hours > 23 || minutes > 59) return std::nullopt;
    const int seconds = hours * 3600 + minutes * 60;
    return sign == '-' ? -seconds : seconds;
}

}  // namespace

std::optional<IsoInstant> ParseIsoDateTime(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int year = 0, month = 0, day = 0;
    if (!Take(text, 4, year) || !Skip(text, '-') || !Take(text, 2, month) || !Skip(text, '-') ||
        !Take(text, 2, day))
        return std::nullopt;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    IsoInstant instant;
    instant.Seconds = DaysFromCivil(year, month, day) * 86400;
    if (text.empty()) return instant;

    if (!Skip(text, 'T') && !Skip(text, 't') && !Skip(text, ' ')) return std::nullopt;
    int hour = 0, minute = 0, second = 0;
    if (!Take(text, 2, hour) || !Skip(text, ':') || !Take(text, 2, minute)) return std::nullopt;
    if (Skip(text, ':')) {
        if (!Take(text, 2, second)) return std::nullopt;
        if (Skip(text, '.') || Skip(text, ',')) {
            size_t digits = 0;
            while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
            if (digits == 0) return std::nullopt;
            const std::string fraction = "0." + std::string(text.substr(0, digits));
            std::from_chars(fraction.data(), fraction.data() + fraction.size(), instant.Fraction);
            text.remove_prefix(digits);
        }
    }
    // 24:00 is the end of the day, the same instant as 00:00 of the next.
    const bool endOfDay = hour == 24 && minute == 0 && second == 0 && instant.Fraction == 0;
    if ((hour > 23 && !endOfDay) || minute > 59 || second > 60) return std::nullopt;
    const std::optional<int> offset = ZoneOffset(text);
    if (!offset) return std::nullopt;
    instant.Seconds += hour * 3600 + minute * 60 + second - *offset;
    return instant;
}

double SecondsBetween(const IsoInstant& from, const IsoInstant& to) {
    return static_cast<double>(to.Seconds - from.Seconds) + (to.Fraction - from.Fraction);
}

}  // namespace tervala

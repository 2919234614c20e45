// Calendar dates and date-times of ISO 8601 in the time column of a series
// ("2005-10-01", "1992-10-01T13:00", "1992-10-01 13:00:00Z",
// "2005-10-01T00:00+01:00"), as seconds on one proleptic Gregorian time line,
// so that the time between two rows can be counted in days or hours.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace tervala {

struct IsoInstant {
    int64_t Seconds = 0;  // whole seconds since 1970-01-01 00:00 UTC
    double Fraction = 0;  // of a second, 0 <= Fraction < 1
};

// A date (YYYY-MM-DD) or a date-time: "T" or one blank, hh:mm, optional :ss
// with optional decimals, then optional "Z" or an offset +hh, +hh:mm or
// +hhmm (or "-"). A time without zone is taken as UTC, so only differences
// between rows matter. Nothing for any other text, or an impossible date or
// time of day.
std::optional<IsoInstant> ParseIsoDateTime(std::string_view text);

// Seconds from `from` to `to`.
double SecondsBetween(const IsoInstant& from, const IsoInstant& to);

}  // namespace tervala

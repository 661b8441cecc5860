#pragma once
// Calendar dates and times, date values and date masks.
#include <cstdint>
#include <string>
#include <string_view>

namespace karvelo {

// A calendar date and time as the clock shows it, without a time zone.
struct DateTime {
    int year = 1970;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Whole seconds from 1970-01-01 00:00:00 to `dt` on the calendar, with no time-zone
// shift; -1 for an impossible date (day 0, month 13, 30 February, hour 24, ...).
std::int64_t dateValue(const DateTime& dt);

// The date and time of a date value (the inverse of dateValue for values >= 0).
DateTime dateFromValue(std::int64_t value);

// Replaces the tokens %yyyy, %yy, %mm, %dd, %hh, %ii, %ss (in any letter case) by the
// zero-padded fields of `dt`; every other character is copied.
std::string formatDateMask(std::string_view mask, const DateTime& dt);

// Reads `text` against `mask` from left to right: an ordinary mask character skips one
// character of the text, whatever it is; %dd %mm %hh %ii %ss read up to two digits, %yyyy
// up to four and %yy two (below 70 is 20xx, else 19xx). A field stops at the first
// non-digit and reads as 0 when it finds none there; past the end of the text a field
// keeps its start value. Fields start at 1970-01-01 00:00:00.
// Returns the date value of the fields read (-1 when they form no possible date).
std::int64_t readDateMask(std::string_view text, std::string_view mask);

}  // namespace karvelo

#include "common/dates.hpp"

#include <gtest/gtest.h>

namespace karvelo {
namespace {

TEST(DateValue, CountsCalendarSeconds) {
    struct Case {
        DateTime dt;
        std::int64_t expected;
    } cases[] = {
        {{1970, 1, 1, 0, 0, 0}, 0},
        {{1970, 1, 2, 0, 0, 1}, 86401},
        {{2000, 2, 29, 12, 0, 0}, 951825600},
        {{2012, 12, 28, 9, 5, 7}, 1356685507},
        {{2038, 1, 19, 3, 14, 8}, 2147483648LL},  // beyond 32 bits
        // impossible dates
        {{2012, 0, 1, 0, 0, 0}, -1},
        {{2012, 13, 1, 0, 0, 0}, -1},
        {{2012, 2, 30, 0, 0, 0}, -1},
        {{1900, 2, 29, 0, 0, 0}, -1},
        {{2012, 4, 31, 0, 0, 0}, -1},
        {{2012, 1, 0, 0, 0, 0}, -1},
        {{2012, 1, 1, 24, 0, 0}, -1},
        {{2012, 1, 1, 0, 60, 0}, -1},
        {{2012, 1, 1, 0, 0, 60}, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dateValue(c.dt), c.expected)
            << c.dt.year << "-" << c.dt.month << "-" << c.dt.day << " " << c.dt.hour;
        if (c.expected >= 0) {
            EXPECT_EQ(dateFromValue(c.expected), c.dt);
        }
    }
}

TEST(FormatDateMask, ReplacesTokensInAnyCase) {
    const DateTime dt{2012, 12, 8, 9, 5, 7};
    struct Case {
        std::string_view mask, expected;
    } cases[] = {
        {"%dd.%mm.%yyyy", "08.12.2012"},
        {"%dd.%mm.%yyyy - %hh:%ii:%ss", "08.12.2012 - 09:05:07"},
        {"%yyyy%mm%dd%hh%ii%ss", "20121208090507"},
        {"%yyyy-%mm-%dd / %hh:%ii:%ss", "2012-12-08 / 09:05:07"},
        {"%YY|%Dd|%HH", "12|08|09"},
        {"%x %y 100%", "%x %y 100%"},  // not tokens: copied as they stand
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(formatDateMask(c.mask, dt), c.expected) << c.mask;
}

TEST(ReadDateMask, ReadsFieldsLeftToRight) {
    const std::string_view http = "Day, %dd %mm %yyyy %hh:%ii:%ss GMT";
    struct Case {
        std::string_view text, mask;
        std::int64_t expected;
    } cases[] = {
        {"28.12.2012", "%dd.%mm.%yyyy", 1356652800},
        {"1.2.2013", "%dd.%mm.%yyyy", 1359676800},  // a field stops at its first non-digit
        {"", "%dd.%mm.%yyyy", 0},     // fields past the end keep their start, 1970-01-01
        {"xx.01.2013", "%dd.%mm.%yyyy", -1},  // no digit at a field's place reads 0: day 0
        {"Fri, 28 12 2012 09:05:07 GMT", http, 1356685507},
        {"Friday, 28-Dec-12 09:05:07 GMT", http, -1},
        {"70", "%yy", 0},
        {"", "", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(readDateMask(c.text, c.mask), c.expected) << c.text;
}

}  // namespace
}  // namespace karvelo

#include "common/dates.hpp"

#include <cctype>

namespace karvelo {
namespace {

bool isLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int daysInMonth(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && isLeapYear(y) ? 29 : days[m - 1];
}

// Days from 1970-01-01 to the given civil date (proleptic Gregorian calendar).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void appendPadded(std::string& out, int value, int width) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width) out.append(width - digits.size(), '0');
    out += digits;
}

bool startsWithToken(std::string_view text, std::size_t at, std::string_view token) {
    if (text.size() - at < token.size()) return false;
    for (std::size_t i = 0; i < token.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[at + i])) != token[i]) return false;
    }
    return true;
}

struct Token {
    std::string_view text;
    int DateTime::*field;
    int width;
};

// Longer tokens first so that %yyyy is not read as %yy followed by "yy".
constexpr Token kTokens[] = {
    {"%yyyy", &DateTime::year, 4}, {"%yy", &DateTime::year, 2},    {"%mm", &DateTime::month, 2},
    {"%dd", &DateTime::day, 2},    {"%hh", &DateTime::hour, 2},    {"%ii", &DateTime::minute, 2},
    {"%ss", &DateTime::second, 2},
};

// The token that starts at mask[i], if any.
const Token* tokenAt(std::string_view mask, std::size_t i) {
    if (mask[i] != '%') return nullptr;
    for (const auto& t : kTokens) {
        if (startsWithToken(mask, i, t.text)) return &t;
    }
    return nullptr;
}

}  // namespace

std::int64_t dateValue(const DateTime& dt) {
    if (dt.month < 1 || dt.month > 12 || dt.day < 1 || dt.day > daysInMonth(dt.year, dt.month) ||
        dt.hour < 0 || dt.hour > 23 || dt.minute < 0 || dt.minute > 59 || dt.second < 0 ||
        dt.second > 59) {
        return -1;
    }
    const std::int64_t days = daysFromCivil(dt.year, dt.month, dt.day);
    return days * 86400 + dt.hour * 3600 + dt.minute * 60 + dt.second;
}

DateTime dateFromValue(std::int64_t value) {
    std::int64_t days = value / 86400;
    std::int64_t secs = value % 86400;
    if (secs < 0) {
        secs += 86400;
        --days;
    }
    // Inverse of daysFromCivil.
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    DateTime dt;
    dt.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    dt.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    dt.year = static_cast<int>(yoe + era * 400 + (dt.month <= 2));
    dt.hour = static_cast<int>(secs / 3600);
    dt.minute = static_cast<int>(secs / 60 % 60);
    dt.second = static_cast<int>(secs % 60);
    return dt;
}

std::string formatDateMask(std::string_view mask, const DateTime& dt) {
    std::string out;
    out.reserve(mask.size() + 8);
    for (std::size_t i = 0; i < mask.size();) {
        const Token* hit = tokenAt(mask, i);
        if (!hit) {
            out += mask[i++];
            continue;
        }
        const int value = dt.*(hit->field);
        appendPadded(out, hit->width == 2 && hit->field == &DateTime::year ? value % 100 : value,
                     hit->width);
        i += hit->text.size();
    }
    return out;
}

std::int64_t readDateMask(std::string_view text, std::string_view mask) {
    DateTime dt;
    std::size_t pos = 0;
    for (std::size_t i = 0; i < mask.size();) {
        const Token* hit = tokenAt(mask, i);
        if (!hit) {
            ++pos;  // an ordinary mask character skips one character, whatever it is
            ++i;
            continue;
        }
        i += hit->text.size();
        // Past the end of the text a field keeps its start value, so an empty text
        // reads as 1970-01-01 00:00:00.
        if (pos >= text.size()) continue;
        int value = 0;
        int digits = 0;
        while (digits < hit->width && pos < text.size() &&
               std::isdigit(static_cast<unsigned char>(text[pos]))) {
            value = value * 10 + (text[pos] - '0');
            ++digits;
            ++pos;
        }
        if (hit->field == &DateTime::year && hit->width == 2) value += value < 70 ? 2000 : 1900;
        dt.*(hit->field) = value;
    }
    return dateValue(dt);
}

}  // namespace karvelo

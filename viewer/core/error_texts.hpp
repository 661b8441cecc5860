#pragma once
// The alarm-text file of a control: lines that pair an alarm number with its text.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/core/log_lines.hpp"

namespace karvelo {

struct AlarmTextEntry {
    std::string alarmNo;
    std::string text;
    friend bool operator==(const AlarmTextEntry&, const AlarmTextEntry&) = default;
};

// A line with at least one double quote is an entry: the alarm number is everything before
// the line's first blank, the text everything between its first and second double quote.
// Neither is trimmed. Lines without a double quote give nothing.
std::optional<AlarmTextEntry> parseAlarmTextLine(std::string_view line);

// The entries of all lines, in file order; the first line is read like every other.
std::vector<AlarmTextEntry> parseAlarmTexts(const LineList& lines);

}  // namespace karvelo

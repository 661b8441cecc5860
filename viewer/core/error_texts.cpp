#include "viewer/core/error_texts.hpp"

namespace karvelo {

std::optional<AlarmTextEntry> parseAlarmTextLine(std::string_view line) {
    const auto quote1 = line.find('"');
    if (quote1 == std::string_view::npos) return std::nullopt;
    AlarmTextEntry entry;
    const auto blank = line.find(' ');
    if (blank != std::string_view::npos) entry.alarmNo = line.substr(0, blank);
    const auto quote2 = line.find('"', quote1 + 1);
    if (quote2 != std::string_view::npos) entry.text = line.substr(quote1 + 1, quote2 - quote1 - 1);
    return entry;
}

std::vector<AlarmTextEntry> parseAlarmTexts(const LineList& lines) {
    std::vector<AlarmTextEntry> entries;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (auto entry = parseAlarmTextLine(lines[i])) entries.push_back(std::move(*entry));
    }
    return entries;
}

}  // namespace karvelo

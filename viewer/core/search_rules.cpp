#include "viewer/core/search_rules.hpp"

#include <algorithm>

#include "common/text.hpp"

namespace karvelo {

SearchPattern::SearchPattern(std::string_view text, bool ignoreCase)
    : text_(ignoreCase ? upperAnsi(text) : std::string(text)), ignoreCase_(ignoreCase) {}

bool SearchPattern::foundIn(std::string_view haystack) const {
    if (!ignoreCase_) return haystack.find(text_) != std::string_view::npos;
    // text_ is already upper case, so only the haystack's side needs converting.
    const auto hit = std::search(haystack.begin(), haystack.end(), text_.begin(), text_.end(),
                                 [](char h, char p) { return upperAnsi(h) == p; });
    return hit != haystack.end() || text_.empty();
}

bool rowMatches(const SearchPattern& pattern, std::string_view alarmNo, std::string_view alarmText) {
    return pattern.foundIn(alarmNo) || pattern.foundIn(alarmText);
}

}  // namespace karvelo

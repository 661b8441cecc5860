#pragma once
// The rule that decides whether a row of the alarm table contains the search text.
#include <string>
#include <string_view>

namespace karvelo {

// The search text as one search compares it: upper-cased (Windows ANSI rules) once when the
// search ignores letter case, so that testing a row costs no allocation and no copy.
class SearchPattern {
public:
    SearchPattern() = default;
    SearchPattern(std::string_view text, bool ignoreCase);

    // The text compared: upper-cased when the search ignores letter case.
    const std::string& text() const { return text_; }
    bool ignoreCase() const { return ignoreCase_; }

    // Plain byte substring test; with ignoreCase the haystack's bytes are upper-cased as
    // they are compared.
    bool foundIn(std::string_view haystack) const;

private:
    std::string text_;
    bool ignoreCase_ = false;
};

// True when the row's alarm number or its alarm text contains the pattern. Each column is
// tested on its own: a match never spans the two.
bool rowMatches(const SearchPattern& pattern, std::string_view alarmNo, std::string_view alarmText);

}  // namespace karvelo

#include "viewer/core/search_rules.hpp"

#include <gtest/gtest.h>

namespace karvelo {
namespace {

TEST(SearchRules, RowMatches) {
    struct Case {
        const char* searched;
        bool ignoreCase;
        const char* alarmNo;
        const char* text;
        bool expected;
    };
    const Case cases[] = {
        {"2000", false, "20001", "Grenzwert", true},
        {"2000", false, "12000", "", true},
        {"2000", false, "10", "Grenze 2000 erreicht", true},
        {"2000", false, "200", "0 Teile", false},  // no match across the two columns
        {"2000", false, "20 00", "2 000", false},
        {"achse", false, "1", "Achse nicht referenziert", false},
        {"achse", true, "1", "Achse nicht referenziert", true},
        {"ACHSE", true, "1", "achse nicht referenziert", true},
        {"sp\xE4ne", true, "7", "SP\xC4NEF\xD6RDERER", true},  // ä finds Ä
        {"SP\xC4NE", true, "7", "sp\xE4nef\xF6rderer", true},
        {"sp\xE4ne", false, "7", "SP\xC4NEF\xD6RDERER", false},
        {"a", true, "1", "\xC1", false},  // Á is not A
        {"2000", false, "", "", false},   // a row beyond the end reads as empty texts
        {"Achse nicht", false, "1", "Achse", false},
    };
    for (const Case& c : cases) {
        const SearchPattern pattern(c.searched, c.ignoreCase);
        EXPECT_EQ(rowMatches(pattern, c.alarmNo, c.text), c.expected)
            << c.searched << (c.ignoreCase ? " (ignore case) in " : " in ") << c.alarmNo << " / " << c.text;
    }
}

TEST(SearchRules, PatternKeepsTheSearchTextUpperCasedWhenIgnoringCase) {
    EXPECT_EQ(SearchPattern("achse \xE4\xF6\xFC\xDF", true).text(), "ACHSE \xC4\xD6\xDC\xDF");
    EXPECT_EQ(SearchPattern("achse \xE4", false).text(), "achse \xE4");
}

}  // namespace
}  // namespace karvelo

#include "viewer/core/error_texts.hpp"

#include <gtest/gtest.h>

namespace karvelo {
namespace {

TEST(ErrorTexts, ParsesOneLine) {
    struct Case {
        const char* line;
        std::optional<AlarmTextEntry> expected;
    };
    const Case cases[] = {
        {"10000 0 0 \"Achse nicht referenziert\"", AlarmTextEntry{"10000", "Achse nicht referenziert"}},
        {"10000 0 0 \"Achse nicht", AlarmTextEntry{"10000", ""}},        // one quote: empty text
        {"\"Achse\"", AlarmTextEntry{"", "Achse"}},                      // no blank: no number
        {"10000 0 0 Achse", std::nullopt},                               // no quote: no entry
        {"10000", std::nullopt},
        {"", std::nullopt},
        {"1 \"\"", AlarmTextEntry{"1", ""}},
        {"12 \"a\" \"b\"", AlarmTextEntry{"12", "a"}},                   // up to the second quote
        {" 12 \"a\"", AlarmTextEntry{"", "a"}},                          // leading blank
        {"\"Not aus\" 3", AlarmTextEntry{"\"Not", "Not aus"}},           // the first blank may be quoted
        {"7\t0 \" Spindel \"", AlarmTextEntry{"7\t0", " Spindel "}},     // nothing is trimmed
        {"8 \"St\xF6rung\"", AlarmTextEntry{"8", "St\xF6rung"}},
    };
    for (const Case& c : cases) EXPECT_EQ(parseAlarmTextLine(c.line), c.expected) << c.line;
}

TEST(ErrorTexts, KeepsFileOrderAndReadsTheFirstLineLikeAnyOther) {
    const LineList lines("1 \"erste\"\r\nKopfzeile ohne Anf\xFChrung\r\n2 \"zweite\"\r\n\r\n3 \"dritte\"");
    const std::vector<AlarmTextEntry> expected = {{"1", "erste"}, {"2", "zweite"}, {"3", "dritte"}};
    EXPECT_EQ(parseAlarmTexts(lines), expected);
    EXPECT_TRUE(parseAlarmTexts(LineList("")).empty());
}

}  // namespace
}  // namespace karvelo

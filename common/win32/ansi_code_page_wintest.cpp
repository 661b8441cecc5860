// The Wine environment must behave like a German Windows: ANSI code page 1252, so that
// the product's single-byte texts mean what they say.
#include <windows.h>

#include <gtest/gtest.h>

TEST(WineEnvironment, AnsiCodePageIs1252) { EXPECT_EQ(GetACP(), 1252u); }

TEST(WineEnvironment, UmlautConvertsToItsUnicodeCharacter) {
    wchar_t wide[8] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, "\xF6\x80", 2, wide, 8), 2);
    EXPECT_EQ(wide[0], L'\u00F6');
    EXPECT_EQ(wide[1], L'\u20AC');
}

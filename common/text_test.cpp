#include "common/text.hpp"

#include <gtest/gtest.h>

namespace karvelo {
namespace {

TEST(TrimSpaces, RemovesOnlySpaces) {
    EXPECT_EQ(trimSpaces("  a b  "), "a b");
    EXPECT_EQ(trimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(trimSpaces("   "), "");
    EXPECT_EQ(trimSpaces(""), "");
}

TEST(AlignRight, PadsOrCuts) {
    struct Case {
        std::string_view text;
        std::size_t width;
        char fill;
        std::string_view expected;
    } cases[] = {
        {"7", 3, '0', "007"},
        {"123", 3, '0', "123"},
        {"12345", 3, ' ', "123"},  // a longer text keeps its first characters
        {"", 2, '*', "**"},
        {"ab", 0, ' ', ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(alignRight(c.text, c.width, c.fill), c.expected) << c.text << " " << c.width;
    }
}

TEST(UpperAnsi, FollowsWindowsCodePage1252) {
    EXPECT_EQ(upperAnsi("abz AZ 09 .com"), "ABZ AZ 09 .COM");
    EXPECT_EQ(upperAnsi("äöü éñ"), "ÄÖÜ ÉÑ");
    EXPECT_EQ(upperAnsi("ß÷µ"), "ß÷µ");
    EXPECT_EQ(upperAnsi("šœžÿ"), "ŠŒŽŸ");
    EXPECT_EQ(upperAnsi("Löschen")[1], '\xD6');  // literals arrive as Windows-1252 bytes
}

TEST(PathParts, SplitAtLastSeparator) {
    struct Case {
        std::string_view path, folder, name, extension;
    } cases[] = {
        {"D:\\Logs\\Alarmlog.com", "D:\\Logs\\", "Alarmlog.com", "com"},
        {"/tmp/x/Alarm.log.COM", "/tmp/x/", "Alarm.log.COM", "COM"},
        {"C:\\Alarmlog", "C:\\", "Alarmlog", ""},
        {"C:\\dir.d\\noext", "C:\\dir.d\\", "noext", ""},
        {"plain.com", "", "plain.com", "com"},
        {"C:\\Logs\\", "C:\\Logs\\", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(folderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(fileNamePart(c.path), c.name) << c.path;
        EXPECT_EQ(extensionPart(c.path), c.extension) << c.path;
    }
}

}  // namespace
}  // namespace karvelo

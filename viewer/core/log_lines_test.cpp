#include "viewer/core/log_lines.hpp"

#include <gtest/gtest.h>

#include "common/testing/memory_file_system.hpp"

namespace karvelo {
namespace {

std::vector<std::string> toVector(const LineList& lines) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < lines.size(); ++i) out.emplace_back(lines[i]);
    return out;
}

using Lines = std::vector<std::string>;

TEST(LineList, SplitsAtEveryTerminator) {
    using namespace std::string_literals;
    struct Case {
        std::string bytes;
        Lines expected;
    } cases[] = {
        {"", {""}},  // no bytes: one empty line
        {"abc", {"abc"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\n", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\0b\0"s, {"a", "b"}},
        {"a\nb", {"a", "b"}},  // last line without terminator
        {"\n", {""}},
        {"\r\n\r\n", {"", ""}},
        {"a\r\r\nb", {"a", "", "b"}},  // lone CR, then CR LF
        {"a\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF then CR are two terminators
        {"\0\0"s, {"", ""}},
        {"x\r", {"x"}},
        {"K\xFChlmittel \x80\r\n", {"K\xFChlmittel \x80"}},  // bytes above 127 unchanged
        // terminators at every place of an eight-byte word, between tabs and other low bytes
        {"\t\t\t\t\t\t\t\t\t\t\t\ta\tb\r\nc\x0B\x0C\x01", {"\t\t\t\t\t\t\t\t\t\t\t\ta\tb", "c\x0B\x0C\x01"}},
        {"1234567\n12345678\r123456789\0"s + "0123456789abcdef\n", {"1234567", "12345678", "123456789", "0123456789abcdef"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toVector(LineList(c.bytes)), c.expected) << ::testing::PrintToString(c.bytes);
    }
}

TEST(LineList, LongLineHasNoLimit) {
    const std::string longLine(1'000'000, 'x');
    const LineList lines(longLine + "\r\nend");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], longLine);
    EXPECT_EQ(lines[1], "end");
}

TEST(ReadLogLines, SameLinesForEveryLineEnding) {
    const Lines expected = {"Kopf", "", "zwei", "dr\xEBi  "};
    // Not "nul.com": NUL is a device name on Windows.
    const char* files[] = {"crlf-ends.com", "lf-ends.com", "cr-ends.com", "nul-ends.com"};
    for (const char* name : files) {
        auto read = readLogLines(*makeSystemFileSystem(), std::string(KARVELO_TESTDATA) + name);
        ASSERT_TRUE(read.opened) << name;
        EXPECT_EQ(toVector(read.lines), expected) << name;
    }
}

TEST(ReadLogLines, MissingFileIsNotOpened) {
    testing::MemoryFileSystem fs;
    const auto read = readLogLines(fs, "C:\\nowhere.com");
    EXPECT_FALSE(read.opened);
    EXPECT_TRUE(read.lines.empty());
}

TEST(ReadLogLines, ZeroByteFileIsOneEmptyLine) {
    testing::MemoryFileSystem fs;
    fs.putFile("C:\\empty.com", "");
    const auto read = readLogLines(fs, "C:\\empty.com");
    EXPECT_TRUE(read.opened);
    EXPECT_EQ(toVector(read.lines), Lines{""});
}

}  // namespace
}  // namespace karvelo

#include "viewer/core/converted_text.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "common/testing/memory_file_system.hpp"

namespace karvelo {
namespace {

std::vector<std::string> splitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const auto end = text.find("\r\n", pos);
        EXPECT_NE(end, std::string::npos) << "line without CR LF at " << pos;
        if (end == std::string::npos) break;
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

const std::vector<AlarmRecord> kThree = {
    {"1", "700012", "13.11.12 / 08:15:00", "13.11.12 / 08:20:30", "RESET", "Schutzt\xFCr offen"},
    {"2", "25000", "14.11.12 / 10:00:00", " / ", "", "Achse X1 Geberfehler"},
    {"3", "10208", "15.11.12 / 11:11:11", "15.11.12 / 11:12:00", "NCSTART", "Programm fortsetzen"},
};
const DateTime kSaved{2012, 12, 28, 9, 5, 7};

TEST(ConvertedText, MatchesReferenceFileByteForByte) {
    const std::string text = formatConvertedText("D:\\Logs\\Alarmlog.com", kThree, kSaved);
    auto reference = makeSystemFileSystem()->readFile(KARVELO_TESTDATA "three_records.txt");
    ASSERT_TRUE(reference.has_value());
    EXPECT_EQ(text, *reference);
}

TEST(ConvertedText, HeadBlocksAndTrailer) {
    const auto lines = splitCrLf(formatConvertedText("D:\\Logs\\Alarmlog.com", kThree, kSaved));
    ASSERT_EQ(lines.size(), 15u + 21u + 11u);
    EXPECT_EQ(lines[3], "D:\\Logs\\");
    EXPECT_EQ(lines[5], "Alarmlog.com");
    EXPECT_EQ(lines[8], "Version: V001.000.015");
    EXPECT_EQ(lines[9], "Datum  : 28.12.2012");
    EXPECT_EQ(lines[15 + 7 + 4], "L\xF6schen      : ");  // empty clear keeps the blank
    EXPECT_EQ(lines[15 + 7 + 3], "Gehen        :  / ");
    EXPECT_EQ(lines[36 + 5], "3 Protokoll itmes");
    EXPECT_EQ(lines[36 + 6], "21 Protokoll lines");
    EXPECT_EQ(lines[36 + 8], "2012-12-28 / 09:05:07");
    EXPECT_EQ(lines.back(), "Protokoll itmes end");
}

TEST(ConvertedText, NoRecords) {
    const auto lines = splitCrLf(formatConvertedText("C:\\x.com", {}, kSaved));
    ASSERT_EQ(lines.size(), 15u + 11u);
    EXPECT_EQ(lines[3], "C:\\");
    EXPECT_EQ(lines[15], "Protokoll lines end");
    EXPECT_EQ(lines[20], "0 Protokoll itmes");
    EXPECT_EQ(lines[21], "0 Protokoll lines");
}

TEST(WriteConvertedText, CreatesOrReplacesTheFile) {
    testing::MemoryFileSystem fs;
    fs.addFolder("C:\\Temp");
    ASSERT_TRUE(writeConvertedText(fs, "C:\\Temp\\Alarmlog.txt", "D:\\Logs\\Alarmlog.com", kThree, kSaved));
    ASSERT_TRUE(writeConvertedText(fs, "C:\\Temp\\Alarmlog.txt", "D:\\Logs\\Alarmlog.com",
                                   std::span(kThree).first(1), kSaved));
    EXPECT_EQ(fs.file("C:\\Temp\\Alarmlog.txt"),
              formatConvertedText("D:\\Logs\\Alarmlog.com", std::span(kThree).first(1), kSaved));
}

TEST(WriteConvertedText, ReportsFailureAndLeavesNoPartialFile) {
    testing::MemoryFileSystem fs;
    fs.addFolder("C:\\Temp");
    EXPECT_FALSE(writeConvertedText(fs, "C:\\Missing\\Alarmlog.txt", "D:\\Alarmlog.com", kThree, kSaved));
    fs.failWritesAfter(100);  // disk full while writing
    EXPECT_FALSE(writeConvertedText(fs, "C:\\Temp\\Alarmlog.txt", "D:\\Alarmlog.com", kThree, kSaved));
    EXPECT_FALSE(fs.fileExists("C:\\Temp\\Alarmlog.txt"));
}

TEST(ConvertedTextName, FolderPlusBaseNamePlusTxt) {
    EXPECT_EQ(convertedTextName("C:\\Temp\\", "D:\\Logs\\Alarmlog.com"), "C:\\Temp\\Alarmlog.txt");
    EXPECT_EQ(convertedTextName("C:\\", "D:\\Logs\\Alarmlog.com"), "C:\\Alarmlog.txt");
    EXPECT_EQ(convertedTextName("out/", "a.b.COM"), "out/a.b.txt");
}

}  // namespace
}  // namespace karvelo

namespace karvelo {
namespace {

TEST(ConvertLogToText, SameBytesAsTheRecordsWritten) {
    const std::string first = "  700012 13.11.12 - 13.11.12  RESET      :   ";
    const std::string pad(41, ' ');
    const std::string logs[] = {
        "",
        "nur Kopf",
        "Kopf\r\n2\r\n3\r\n4\r\n",
        "Kopf\r\n2\r\n3\r\n4\r\n" + first + "  Text \r\n  08:15:00  08:20:30" + pad + "  mehr  \r\n",
        "K\n2\n3\n4\n" + first + "\n" + pad + "   \n" + pad + " x\n" + std::string(39, ' ') + ":z\n" + first + "B\n",
        "K\r2\r3\r4\r" + pad + "nur Text\r" + first + "   \r" + pad + "   ",
    };
    for (const auto& bytes : logs) {
        const LineList lines(bytes);
        const DateTime saved{2012, 12, 28, 9, 5, 7};
        EXPECT_EQ(convertLogToText(lines, "D:\\Logs\\a.com", saved),
                  formatConvertedText("D:\\Logs\\a.com", parseAlarmLog(lines).records, saved))
            << ::testing::PrintToString(bytes);
    }
}

}  // namespace
}  // namespace karvelo

#include "tools/convert_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "common/testing/fixed_clock.hpp"
#include "common/testing/memory_file_system.hpp"
#include "viewer/core/converted_text.hpp"

namespace karvelo {
namespace {

const std::string kLog =
    "Kopf\r\n2\r\n3\r\n4\r\n"
    "  700012 13.11.12 - 13.11.12  RESET      :   Schutzt\xFCr offen\r\n"
    "  08:15:00  08:20:30\r\n";

class ConvertCommand : public ::testing::Test {
protected:
    int run(std::vector<std::string_view> args) {
        out_.str("");
        err_.str("");
        return runConvert(args, fs_, clock_, out_, err_);
    }
    testing::MemoryFileSystem fs_;
    testing::FixedClock clock_;
    std::ostringstream out_, err_;
};

TEST_F(ConvertCommand, WritesBesideTheSourceOrIntoTheFolderGiven) {
    fs_.putFile("D:\\Logs\\Alarmlog.com", kLog);
    fs_.putFile("D:\\Logs\\Zwei.COM", kLog);
    fs_.addFolder("C:\\Out");
    EXPECT_EQ(run({"D:\\Logs\\Alarmlog.com"}), kExitOk);
    EXPECT_TRUE(fs_.fileExists("D:\\Logs\\Alarmlog.txt"));
    EXPECT_EQ(run({"-o", "C:\\Out", "D:\\Logs\\Alarmlog.com", "D:\\Logs\\Zwei.COM"}), kExitOk);
    const auto text = fs_.file("C:\\Out\\Alarmlog.txt");
    ASSERT_TRUE(text.has_value());
    EXPECT_NE(text->find("Fehlertext   : Schutzt\xFCr offen\r\n"), std::string::npos);
    EXPECT_NE(text->find("\r\nD:\\Logs\\\r\n"), std::string::npos);  // names the source folder
    EXPECT_TRUE(fs_.fileExists("C:\\Out\\Zwei.txt"));
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ConvertCommand, StdoutGetsTheConvertedText) {
    fs_.putFile("D:\\Logs\\Alarmlog.com", kLog);
    EXPECT_EQ(run({"--stdout", "D:\\Logs\\Alarmlog.com"}), kExitOk);
    const auto expected = formatConvertedText(
        "D:\\Logs\\Alarmlog.com",
        parseAlarmLog(readLogLines(fs_, "D:\\Logs\\Alarmlog.com").lines).records,
        clock_.localTime());
    EXPECT_EQ(out_.str(), expected);
    EXPECT_FALSE(fs_.fileExists("D:\\Logs\\Alarmlog.txt"));
}

TEST_F(ConvertCommand, FailedFilesAreNamedAndTheOthersStillConverted) {
    fs_.putFile("D:\\ok.com", kLog);
    fs_.putFile("D:\\kurz.com", "1\r\n2\r\n3\r\n");
    fs_.putFile("D:\\leer.com", "");
    fs_.putFile("D:\\gesperrt.com", kLog);
    fs_.makeUnreadable("D:\\gesperrt.com");
    fs_.putFile("D:\\log.txt", kLog);
    EXPECT_EQ(run({"D:\\log.txt", "D:\\fehlt.com", "D:\\gesperrt.com", "D:\\kurz.com",
                   "D:\\leer.com", "D:\\ok.com"}),
              kExitSomeFailed);
    EXPECT_EQ(err_.str(),
              "karvelo-convert: D:\\log.txt: Das File ist keine *.com Datei.\n"
              "karvelo-convert: D:\\fehlt.com: File konnte nicht gelesen werden.\n"
              "karvelo-convert: D:\\gesperrt.com: File konnte nicht gelesen werden.\n"
              "karvelo-convert: D:\\kurz.com: Listeninhalt fehlerhaft\n"
              "karvelo-convert: D:\\leer.com: Listeninhalt fehlerhaft\n");
    EXPECT_TRUE(fs_.fileExists("D:\\ok.txt"));
}

TEST_F(ConvertCommand, UnwritableTargetFails) {
    fs_.putFile("D:\\ok.com", kLog);
    EXPECT_EQ(run({"-o", "Q:\\fehlt", "D:\\ok.com"}), kExitSomeFailed);
    EXPECT_EQ(err_.str(), "karvelo-convert: Q:\\fehlt\\ok.txt: File nicht erstellt.\n");
}

TEST_F(ConvertCommand, UsageErrors) {
    const std::vector<std::vector<std::string_view>> calls = {
        {}, {"-o"}, {"-o", "C:\\"}, {"--bogus", "a.com"}, {"--stdout"},
        {"--stdout", "a.com", "b.com"}, {"--stdout", "-o", "C:\\", "a.com"},
    };
    for (const auto& call : calls) {
        EXPECT_EQ(run(call), kExitUsage) << ::testing::PrintToString(call);
        EXPECT_NE(err_.str().find("Aufruf: karvelo-convert"), std::string::npos);
    }
}

TEST_F(ConvertCommand, HelpAndVersion) {
    EXPECT_EQ(run({"--help"}), kExitOk);
    EXPECT_NE(out_.str().find("Aufruf: karvelo-convert"), std::string::npos);
    EXPECT_EQ(run({"--version"}), kExitOk);
    EXPECT_NE(out_.str().find("V001.000.015"), std::string::npos);
}

}  // namespace
}  // namespace karvelo

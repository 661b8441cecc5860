#include "viewer/core/alarm_log.hpp"

#include <gtest/gtest.h>

namespace karvelo {
namespace {

// Lines in the control's fixed columns. A first line: alarm number in columns 1-8, come
// date 9-16, go date 20-27, clear information from 30, first colon at `colon` (> 40),
// alarm text from column 45 (or right after the colon when that stands beyond 44).
std::string firstLine(std::string_view alarmNo, std::string_view come, std::string_view go,
                      std::string_view clear, std::string_view text, std::size_t colon = 41) {
    std::string line(colon - 1, ' ');
    line.replace(0, alarmNo.size(), alarmNo);
    line.replace(8, come.size(), come);
    line.replace(16, 3, " - ");
    line.replace(19, go.size(), go);
    line.replace(29, clear.size(), clear);
    line += ':';
    if (line.size() < 44) line.resize(44, ' ');
    return line + std::string(text);
}

// A time line: the two times in the first columns, more alarm text from column 42.
std::string timeLine(std::string_view times, std::string_view text = {}) {
    std::string line(times);
    if (!text.empty()) {
        line.resize(41, ' ');
        line += text;
    }
    return line;
}

std::string textLine(std::string_view text) { return std::string(41, ' ') + std::string(text); }

const std::string kHead = "Alarmprotokoll BAZ 3";

LineList log(std::initializer_list<std::string> records) {
    std::string bytes = kHead + "\r\nzeile 2\r\nzeile 3\r\nzeile 4\r\n";
    for (const auto& line : records) bytes += line + "\r\n";
    return LineList(bytes);
}

AlarmRecord rec(std::string n, std::string alarmNo, std::string come, std::string go,
                std::string clear, std::string text) {
    return {n, alarmNo, come, go, clear, text};
}

TEST(ParseAlarmLog, ConvertsRecords) {
    struct Case {
        const char* name;
        LineList lines;
        std::vector<AlarmRecord> expected;
    } cases[] = {
        {"typical record with time line",
         log({firstLine("  700012", "13.11.12", "13.11.12", "RESET", "Schutzt\xFCr offen"),
              timeLine("  08:15:00  08:20:30")}),
         {rec("1", "700012", "13.11.12 / 08:15:00", "13.11.12 / 08:20:30", "RESET",
              "Schutzt\xFCr offen")}},
        {"colon at column 41: clear information is columns 30 to 40",
         log({firstLine("1", "01.01.12", "", "12345678901", "x", 41)}),
         {rec("1", "1", "01.01.12 / ", " / ", "12345678901", "x")}},
        {"colon further right: clear information runs up to it, text still from column 45",
         log({firstLine("1", "", "", "NCSTART QUIT", "x", 52)}),
         {rec("1", "1", " / ", " / ", "NCSTART QUIT", ":x")}},
        {"text parts joined without blanks",
         log({firstLine("1", "", "", "", "Achse"), timeLine("  08:15:00", "X1"),
              textLine(" nicht"), textLine("referenziert ")}),
         {rec("1", "1", " / 08:15:00", " / ", "", "AchseX1 nichtreferenziert")}},
        {"short and empty text lines add nothing",
         log({firstLine("1", "", "", "", "A"), std::string(41, ' '), "kurz", "", textLine("B")}),
         {rec("1", "1", " / ", " / ", "", "AB")}},
        {"text with a colon beyond column 40 starts a record",
         log({firstLine("1", "", "", "", "A"), textLine("Achse: X")}),
         {rec("1", "1", " / ", " / ", "", "A"),
          rec("2", "", " / ", " / ", "Achse", "se: X")}},
        {"no first line: no records", log({textLine("nur Text"), timeLine("  08:15:00")}), {}},
        {"record open at the end of the file is kept",
         log({firstLine("1", "", "", "", "A"), firstLine("2", "", "", "", "B")}),
         {rec("1", "1", " / ", " / ", "", "A"), rec("2", "2", " / ", " / ", "", "B")}},
        {"record without time line does not take the times before it",
         log({firstLine("1", "02.01.12", "03.01.12", "", "A"), timeLine("  08:15:00  08:20:30"),
              firstLine("2", "04.01.12", "", "", "B")}),
         {rec("1", "1", "02.01.12 / 08:15:00", "03.01.12 / 08:20:30", "", "A"),
          rec("2", "2", "04.01.12 / ", " / ", "", "B")}},
        {"first colon in column 40 passes the line over",
         log({firstLine("1", "", "", "", "A"), std::string(39, ' ') + ":" + std::string(5, ' ') + "Z",
              textLine("B")}),
         {rec("1", "1", " / ", " / ", "", "AB")}},
        {"lines before the first record fill no record",
         log({timeLine("  01:01:01  02:02:02", "vorher"), firstLine("1", "", "", "", "A")}),
         {rec("1", "1", " / ", " / ", "", "A")}},
        {"trimming removes spaces only",
         log({firstLine(" \t7 ", "", "", " \tQ ", "  \tT\t  ")}),
         {rec("1", "\t7", " / ", " / ", "\tQ", "\tT\t")}},
        {"time part is the first 20 characters of the stripped line",
         log({firstLine("1", "", "", "", "A"), timeLine("      23:59:59    00:00:01 extra")}),
         {rec("1", "1", " / 23:59:59", " / 00:00:01", "", "A")}},
        {"time line shorter than its fields", log({firstLine("1", "", "", "", "A"), "  08:1"}),
         {rec("1", "1", " / 08:1", " / ", "", "A")}},
        {"first line shorter than the text column",
         log({std::string(40, 'a') + ":"}),
         {rec("1", "aaaaaaaa", "aaaaaaaa / ", "aaaaaaaa / ", std::string(11, 'a'), "")}},
    };
    for (const auto& c : cases) {
        const AlarmLog parsed = parseAlarmLog(c.lines);
        EXPECT_EQ(parsed.head, kHead) << c.name;
        ASSERT_EQ(parsed.records.size(), c.expected.size()) << c.name;
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            const auto& got = parsed.records[i];
            const auto& want = c.expected[i];
            EXPECT_EQ(got, want) << c.name << " record " << i << ": [" << got.runningNo << "|"
                                 << got.alarmNo << "|" << got.come << "|" << got.go << "|"
                                 << got.clear << "|" << got.text << "]";
        }
    }
}

TEST(ParseAlarmLog, IgnoresLinesTwoToFour) {
    const std::string first = firstLine("9", "", "", "", "nicht");
    const LineList lines(kHead + "\r\n" + first + "\r\n" + first + "\r\n" + first + "\r\n");
    const AlarmLog parsed = parseAlarmLog(lines);
    EXPECT_EQ(parsed.head, kHead);
    EXPECT_TRUE(parsed.records.empty());
}

TEST(ParseAlarmLog, FewerThanFourLinesGiveHeadOnly) {
    const std::string first = firstLine("9", "", "", "", "x");
    EXPECT_EQ(parseAlarmLog(LineList("Kopf\r\n" + first + "\r\n" + first)).head, "Kopf");
    EXPECT_TRUE(parseAlarmLog(LineList("Kopf\r\n" + first + "\r\n" + first)).records.empty());
    EXPECT_EQ(parseAlarmLog(LineList()).head, "");
}

TEST(ParseAlarmLog, NumbersRecordsInFileOrder) {
    std::string bytes = "h\nx\nx\nx\n";
    for (int i = 0; i < 12; ++i) bytes += firstLine(std::to_string(100 + i), "", "", "", "t") + "\n";
    const AlarmLog parsed = parseAlarmLog(LineList(bytes));
    ASSERT_EQ(parsed.records.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(parsed.records[i].runningNo, std::to_string(i + 1));
        EXPECT_EQ(parsed.records[i].alarmNo, std::to_string(100 + i));
    }
}

}  // namespace
}  // namespace karvelo

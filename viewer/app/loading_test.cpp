#include "viewer/app/loading.hpp"

#include <cstdint>

#include <gtest/gtest.h>

#include "common/install_record.hpp"
#include "common/testing/fixed_clock.hpp"
#include "common/testing/memory_file_system.hpp"
#include "common/testing/memory_key_value_store.hpp"
#include "common/testing/scripted_message_boxes.hpp"
#include "viewer/app/testing/fake_main_window.hpp"
#include "viewer/core/converted_text.hpp"
#include "viewer/core/log_file_check.hpp"

namespace karvelo {
namespace {

using testing::FakeMainWindow;
using testing::ScriptedFileDialogs;

constexpr std::uint32_t kAbortFlags = mb::kIconStop | mb::kTopmost;

// A first line of a record in the control's fixed columns: alarm number 1-8, come date
// 9-16, go date 20-27, clear information from 30, colon at 41, text from 45.
std::string firstLine(std::string_view alarmNo, std::string_view text) {
    std::string line(40, ' ');
    line.replace(0, alarmNo.size(), alarmNo);
    line.replace(8, 8, "13.11.12");
    line.replace(16, 3, " - ");
    line.replace(19, 8, "13.11.12");
    line.replace(29, 5, "RESET");
    return line + ":   " + std::string(text);
}

const std::string kHead = "Alarmprotokoll BAZ 3";
const std::string kPreamble = kHead + "\r\nzeile 2\r\nzeile 3\r\nzeile 4\r\n";
const std::string kThreeRecords = kPreamble + firstLine("  700012", "Schutzt\xFCr offen") + "\r\n" +
                                  firstLine("  700013", "Not-Aus") + "\r\n" + firstLine("  10000", "Achse") +
                                  "\r\n";
const std::string kLogPath = "D:\\Logs\\Alarmlog.com";

class LoadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.RegistryCreateKey(kCurrentUser, record::kProgramKey);
        files.putFile(kLogPath, kThreeRecords);
        files.addFolder("C:\\Temp");
    }

    std::string defaultPath() {
        std::string text = registry.RegistryReadText(kCurrentUser, record::kProgramKey, kDefaultPathValue);
        registry.HelperLastError();
        return text;
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& box : boxes.shown) out.push_back(box.text);
        return out;
    }
    void expectWindowWithoutFile() {
        EXPECT_EQ(window.table.rowCount(), 0);
        EXPECT_EQ(window.fileName, "kein File geladen");
        EXPECT_EQ(window.head, "");
        EXPECT_EQ(window.detailRow, "keine Auswahl");
        EXPECT_EQ(window.searchStatus, "Suchfunktion nicht aktiv");
        EXPECT_EQ(window.searchText, "keine Text");
        for (MenuItem item : {MenuItem::ContinueSearch, MenuItem::PrintAll, MenuItem::PrintRange,
                              MenuItem::SaveAsText}) {
            EXPECT_FALSE(window.enabled[item]) << static_cast<int>(item);
        }
    }
    // Loads and shows kLogPath through the open dialog.
    void showLog(const std::string& path = kLogPath) {
        dialogs.answers.push_back(path);
        ASSERT_TRUE(loader.loadAndShowAlarmLog()) << ::testing::PrintToString(texts());
    }

    FakeMainWindow window;
    ScriptedFileDialogs dialogs;
    karvelo::testing::ScriptedMessageBoxes boxes;
    ViewerMessages messages{boxes};
    karvelo::testing::MemoryKeyValueStore store;
    HelperError error;
    RegistryHelper registry{store, error};
    karvelo::testing::MemoryFileSystem files;
    karvelo::testing::FixedClock clock;
    int searchResets = 0;
    // Error-text rows that show which lines were handed over: one row per line.
    LogLoader loader{{window, dialogs, messages, registry, files, clock},
                     [this] { ++searchResets; },
                     [](const LineList& lines) {
                         std::vector<ErrorTextRow> rows;
                         for (std::size_t i = 0; i < lines.size(); ++i) rows.push_back({"", std::string(lines[i])});
                         return rows;
                     }};
};

TEST_F(LoadingTest, LoadFailuresShowTheirAbortAndLeaveTheWindowWithoutFile) {
    struct Case {
        const char* name;
        int kind;
        const char* chosen;         // dialog answer; "" cancels
        const char* fileBytes;      // put at `chosen` when not null
        std::string_view message;
        std::size_t linesKept;
        const char* rememberedFolder;  // DefaultPath afterwards
    } cases[] = {
        {"unknown kind", 2, nullptr, nullptr, kMsgNoLoadKind, 0, ""},
        {"dialog cancelled", 0, "", nullptr, kMsgLoadCancelled, 0, ""},
        {"txt file", 0, "D:\\Logs\\log.txt", "a\nb\nc\nd\n", kMsgNotComFile, 0, ""},
        {"no extension", 0, "D:\\Logs\\Alarmlog", "a\nb\nc\nd\n", kMsgNotComFile, 0, ""},
        {"dot only in the folder", 0, "D:\\Logs.com\\Alarmlog", "a\nb\nc\nd\n", kMsgNotComFile, 0, ""},
        {"typed name of a missing file", 0, "D:\\Logs\\fehlt.com", nullptr, kMsgNotReadable, 0, ""},
        {"no folder part", 0, "Alarmlog.com", "a\nb\nc\nd\n", kMsgNoFolder, 4, ""},
        {"zero bytes read as one empty line", 0, "D:\\Logs\\leer.com", "", kMsgTooFewLines, 1, "D:\\Logs\\"},
        {"three lines", 0, "D:\\Alt\\drei.com", "a\r\nb\r\nc\r\n", kMsgTooFewLines, 3, "D:\\Alt\\"},
        {"error texts too short", 1, "D:\\Alt\\drei.com", "a\r\nb\r\nc\r\n", kMsgTooFewLines, 3, "D:\\Alt\\"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        dialogs.calls.clear();
        registry.RegistryDeleteValue(kCurrentUser, record::kProgramKey, kDefaultPathValue);
        if (c.chosen) dialogs.answers.push_back(c.chosen);
        if (c.fileBytes) files.putFile(c.chosen, c.fileBytes);

        EXPECT_FALSE(loader.loadLogFile(static_cast<LoadKind>(c.kind)));
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, c.message);
        EXPECT_EQ(boxes.shown[0].flags, kAbortFlags);
        EXPECT_EQ(loader.loaded().lines.size(), c.linesKept);
        EXPECT_EQ(defaultPath(), c.rememberedFolder);
        EXPECT_EQ(dialogs.calls.size(), c.chosen ? 1u : 0u);
        expectWindowWithoutFile();
    }
}

TEST_F(LoadingTest, LoadAbortsCarryTheCurrentAbortTitle) {
    dialogs.answers = {"", ""};
    loader.loadLogFile(LoadKind::AlarmLog);
    loader.loadLogFile(LoadKind::AlarmLog);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[0].caption, "ABBRUCH");
    EXPECT_EQ(boxes.shown[1].caption, "ABBRUCHINFORMATION");
}

TEST_F(LoadingTest, ComExtensionAcceptedInAnyLetterCase) {
    for (const char* path : {"D:\\Logs\\a.com", "D:\\Logs\\b.Com", "D:\\Logs\\c.COM", "D:/Logs/d.cOm"}) {
        SCOPED_TRACE(path);
        files.putFile(path, kThreeRecords);
        dialogs.answers.push_back(path);
        EXPECT_TRUE(loader.loadLogFile(LoadKind::AlarmLog));
        EXPECT_EQ(loader.loaded().path, path);
        EXPECT_EQ(loader.loaded().lines.size(), 7u);
    }
    EXPECT_EQ(loader.loaded().folder, "D:/Logs/");
    EXPECT_EQ(loader.loaded().baseName, "d");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LoadingTest, DialogsOfTheTwoKinds) {
    dialogs.answers = {"", ""};
    loader.loadLogFile(LoadKind::AlarmLog);
    loader.loadLogFile(LoadKind::ErrorTexts);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].kind, "open");
    EXPECT_EQ(dialogs.calls[0].title, "Auswahl der Fehlerprotokolldatei");
    EXPECT_EQ(dialogs.calls[0].filter, "Siemens Fehlerprotokoll *.com|*.com");
    EXPECT_EQ(dialogs.calls[1].title, "Auswahl der Fehlertextdatei");
    EXPECT_EQ(dialogs.calls[1].filter, "Siemens Fehlertexte *.com|*.com");
}

TEST_F(LoadingTest, DefaultPathIsTheStartFolderAndFollowsTheLastRead) {
    showLog();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].startFolder, "");  // absent value
    EXPECT_EQ(defaultPath(), "D:\\Logs\\");
    EXPECT_EQ(error.text(), "");  // no stale helper error left behind

    dialogs.answers.push_back("");
    loader.loadLogFile(LoadKind::AlarmLog);
    EXPECT_EQ(dialogs.calls[1].startFolder, "D:\\Logs\\");
}

TEST_F(LoadingTest, ShowAlarmLogFillsTableFieldsAndMenu) {
    loader.showErrorTexts();
    ASSERT_FALSE(window.alarmTableVisible);
    showLog();

    EXPECT_TRUE(window.alarmTableVisible);
    EXPECT_EQ(window.fileName, kLogPath);
    EXPECT_EQ(window.head, kHead);
    ASSERT_EQ(window.table.rowCount(), 3);
    EXPECT_EQ(window.table.cell(0, 1), "1");
    EXPECT_EQ(window.table.cell(0, 2), "700012");
    EXPECT_EQ(window.table.cell(2, 1), "3");
    EXPECT_EQ(window.table.cell(2, 6), "Achse");
    EXPECT_EQ(window.table.colours, (std::vector<Colour>{kMint, kWhite, kMint}));
    EXPECT_EQ(kMint, rgb(140, 240, 220));
    EXPECT_TRUE(window.enabled[MenuItem::PrintAll]);
    EXPECT_TRUE(window.enabled[MenuItem::PrintRange]);
    EXPECT_TRUE(window.enabled[MenuItem::SaveAsText]);
    EXPECT_FALSE(window.enabled[MenuItem::ContinueSearch]);
    EXPECT_EQ(searchResets, 1);
    EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(LoadingTest, CancelledLoadAfterAShownLogResetsEverything) {
    showLog();
    window.setDetail("2", "700013", "Not-Aus");
    window.setSearchStatus("Suche erfolgreich auf Zeile: 2");
    window.setSearchText("NOT");
    window.enableMenuItem(MenuItem::ContinueSearch, true);

    dialogs.answers.push_back("");
    EXPECT_FALSE(loader.loadAndShowAlarmLog());
    expectWindowWithoutFile();
    EXPECT_EQ(window.detailNumber, "700013");  // number and text keep what they showed
    EXPECT_EQ(window.detailText, "Not-Aus");
    EXPECT_EQ(searchResets, 2);
    EXPECT_EQ(loader.loaded().lines.size(), 0u);
    EXPECT_EQ(texts(), std::vector<std::string>{std::string(kMsgLoadCancelled)});
}

TEST_F(LoadingTest, LogWithoutRecordsIsShownEmptyAndCannotBeSaved) {
    files.putFile("D:\\Logs\\leer.com", kPreamble + "nur Text ohne Doppelpunkt\r\n");
    showLog("D:\\Logs\\leer.com");
    EXPECT_EQ(window.table.rowCount(), 0);
    EXPECT_EQ(window.fileName, "D:\\Logs\\leer.com");
    EXPECT_TRUE(window.enabled[MenuItem::SaveAsText]);

    dialogs.answers.push_back("C:\\Temp\\");
    loader.saveLogAsText();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, kMsgNoEntries);
    EXPECT_EQ(boxes.shown[0].caption, "SPEICHERN ABBRUCH");
    EXPECT_TRUE(files.filesIn("C:\\Temp").empty());
}

TEST_F(LoadingTest, SaveWritesTheTableRowsNextToTheChosenFolder) {
    struct Case {
        const char* source;
        const char* chosen;
        const char* startFolder;
        const char* target;
    } cases[] = {
        {"D:\\Logs\\Alarmlog.com", "C:\\Temp\\", "D:\\Logs", "C:\\Temp\\Alarmlog.txt"},
        {"D:\\Logs\\Alarmlog.com", "C:\\", "D:\\Logs", "C:\\Alarmlog.txt"},
        {"C:\\Alarmlog.com", "C:\\Temp", "C:\\", "C:\\Temp\\Alarmlog.txt"},  // separator added
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        files.putFile(c.source, kThreeRecords);
        showLog(c.source);
        // The rows are taken from the table as it stands, not parsed again.
        window.table.rows[1].text = "aus der Tabelle";
        dialogs.calls.clear();
        dialogs.answers.push_back(c.chosen);

        loader.saveLogAsText();
        EXPECT_TRUE(boxes.shown.empty()) << ::testing::PrintToString(texts());
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].kind, "folder");
        EXPECT_EQ(dialogs.calls[0].title,
                  "Fehlerprotokoll als *.txt speichern unter ... (Startverzeichnis gleich Quellverzeichnis)");
        EXPECT_EQ(dialogs.calls[0].startFolder, c.startFolder);
        EXPECT_EQ(files.file(c.target), formatConvertedText(c.source, window.table.rows, clock.local));
        files.deleteFile(c.target);
    }
}

TEST_F(LoadingTest, SaveAbortsUseTheirOwnTitleOnce) {
    struct Case {
        const char* name;
        const char* chosen;
        std::size_t writeLimit;  // bytes a write may put out; SIZE_MAX for no limit
        std::string_view message;
    } cases[] = {
        {"folder dialog cancelled", "", SIZE_MAX, kMsgNoSaveFolder},
        {"folder does not exist", "E:\\Fehlt\\", SIZE_MAX, kMsgNotCreated},
        {"disk full part-way", "C:\\Temp\\", 100, kMsgNotCreated},
    };
    showLog();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        files.failWritesAfter(c.writeLimit);
        dialogs.answers.push_back(c.chosen);

        loader.saveLogAsText();
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].text, c.message);
        EXPECT_EQ(boxes.shown[0].caption, "SPEICHERN ABBRUCH");
        EXPECT_EQ(boxes.shown[0].flags, kAbortFlags);
        EXPECT_EQ(messages.abortTitle, "ABBRUCHINFORMATION");
        EXPECT_FALSE(files.fileExists("C:\\Temp\\Alarmlog.txt"));
    }
}

TEST_F(LoadingTest, LoadFromAPathSkipsOnlyTheDialog) {
    struct Case {
        const char* name;
        const char* path;
        bool loaded;
        std::vector<std::string> messages;
    } cases[] = {
        {"command line", "D:\\Logs\\Alarmlog.com", true, {}},
        {"dropped txt file", "D:\\Logs\\log.txt", false, {std::string(kMsgNotComFile)}},
        {"missing file", "D:\\Logs\\fehlt.com", false, {std::string(kMsgNotReadable)}},
    };
    files.putFile("D:\\Logs\\log.txt", kThreeRecords);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        boxes.shown.clear();
        EXPECT_EQ(loader.loadAndShowAlarmLogFrom(c.path), c.loaded);
        EXPECT_EQ(texts(), c.messages);
        EXPECT_EQ(window.table.rowCount(), c.loaded ? 3 : 0);
        EXPECT_EQ(window.fileName, c.loaded ? c.path : "kein File geladen");
    }
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_EQ(defaultPath(), "D:\\Logs\\");
    EXPECT_EQ(searchResets, 3);
}

TEST_F(LoadingTest, ViewErrorTextsShowsWhateverTheLoadRead) {
    struct Case {
        const char* name;
        const char* chosen;
        std::vector<std::string> messages;
        std::size_t rows;
    } cases[] = {
        {"file read", "D:\\Logs\\Alarmlog.com", {}, 7},
        {"too few lines: shown all the same", "D:\\Alt\\drei.com", {std::string(kMsgTooFewLines)}, 3},
        {"cancelled", "", {std::string(kMsgLoadCancelled)}, 0},
        {"refused extension", "D:\\Logs\\log.txt", {std::string(kMsgNotComFile)}, 0},
    };
    files.putFile("D:\\Alt\\drei.com", "10000 \"A\"\r\nb\r\nc\r\n");
    files.putFile("D:\\Logs\\log.txt", kThreeRecords);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        showLog();
        boxes.shown.clear();
        dialogs.answers.push_back(c.chosen);

        loader.viewErrorTexts();
        EXPECT_EQ(texts(), c.messages);
        EXPECT_FALSE(window.alarmTableVisible);
        EXPECT_EQ(window.errorTexts.size(), c.rows);
        EXPECT_EQ(window.fileName, "kein File geladen");
        EXPECT_FALSE(window.enabled[MenuItem::SaveAsText]);
    }
    EXPECT_EQ(dialogs.calls.back().title, "Auswahl der Fehlertextdatei");
}

TEST_F(LoadingTest, FailedAlarmLogLoadKeepsTheErrorTextTableInView) {
    dialogs.answers = {"D:\\Logs\\Alarmlog.com", ""};
    loader.viewErrorTexts();
    ASSERT_FALSE(window.alarmTableVisible);
    EXPECT_FALSE(loader.loadAndShowAlarmLog());
    EXPECT_FALSE(window.alarmTableVisible);
}

}  // namespace
}  // namespace karvelo

#include "viewer/app/search.hpp"

#include <gtest/gtest.h>

#include "common/testing/scripted_message_boxes.hpp"
#include "viewer/app/testing/fake_main_window.hpp"
#include "viewer/app/testing/fake_search_dialog.hpp"

namespace karvelo {
namespace {

constexpr std::uint32_t kQuestionFlags = mb::kIconQuestion | mb::kYesNo | mb::kTopmost;  // first button default
constexpr std::uint32_t kInformationFlags = mb::kIconInformation | mb::kTopmost;
const std::string kNoHitText = "Liste vollst\xE4ndig durchsucht.\rKeinen Eintrag gefunden.";
const std::string kAgainText =
    "Liste vollst\xE4ndig durchsucht.\rKein weiteres Ergebnis gefunden.\r\rSuche am Anfang des Dokuments\rerneut "
    "beginnen?";

struct Row {
    std::string alarmNo;
    std::string text;
};

// The main window with a loaded log, message boxes and the search dialog, all scripted.
struct Rig {
    testing::FakeMainWindow window;
    testing::FakeAlarmTable& table = window.table;
    testing::ScriptedMessageBoxes boxes;
    ViewerMessages messages{boxes};
    testing::ScriptedSearchDialog dialog;
    Search search{window, messages, dialog};

    explicit Rig(const std::vector<Row>& rows = {}) {
        std::vector<AlarmRecord> records;
        for (const Row& r : rows) {
            records.push_back({std::to_string(records.size() + 1), r.alarmNo, "01.02.12 / 10:00:00",
                               "01.02.12 / 10:05:00", "RESET", r.text});
        }
        table.setRecords(std::move(records));
    }

    std::vector<int> markedRows() const {
        std::vector<int> marked;
        for (std::size_t i = 0; i < table.colours.size(); ++i) {
            if (table.colours[i] == kMarkingRed) marked.push_back(static_cast<int>(i));
        }
        return marked;
    }
    bool continueEnabled() { return window.enabled[MenuItem::ContinueSearch]; }
};

// Rows 1 and 3 contain "Achse".
const std::vector<Row> kAxisRows = {
    {"1", "Not-Aus"}, {"2", "Achse nicht referenziert"}, {"3", "Spindel"}, {"4", "Achse 2 Schleppfehler"}, {"5", "Ende"}};

TEST(Search, NewSearchMarksEveryHitAndSelectsTheFirst) {
    Rig rig({{"10000", "Achse nicht referenziert"},
             {"20001", "Grenzwert"},
             {"5", "Text"},
             {"12000", ""},
             {"7", "Grenze 2000 erreicht"},
             {"200", "0 Teile"}});
    rig.table.setRowColour(0, kMarkingRed);  // a mark of an earlier search
    rig.dialog.done("2000", false);

    rig.search.newSearch();

    EXPECT_EQ(rig.dialog.presets, std::vector<std::string>{""});
    EXPECT_EQ(rig.markedRows(), (std::vector<int>{1, 3, 4}));
    EXPECT_EQ(rig.table.colours[0], kMint);
    EXPECT_EQ(rig.table.colours[5], kWhite);
    EXPECT_EQ(rig.table.selected, 1);
    EXPECT_TRUE(rig.table.focused);
    EXPECT_EQ(rig.table.scrolls.back(), 1);
    EXPECT_TRUE(rig.boxes.shown.empty());
    EXPECT_TRUE(rig.continueEnabled());
    EXPECT_EQ(rig.window.searchText, "2000");

    // The table event that selecting the hit produces shows it; later events leave the status alone.
    rig.search.onTableEvent();
    EXPECT_EQ(rig.window.searchStatus, "Suche erfolgreich auf Zeile: 2 / weiter suchen F3 / neue Suche F2 / oder Men\xFC");
    rig.window.searchStatus = "unchanged";
    rig.search.onTableEvent();
    EXPECT_EQ(rig.window.searchStatus, "unchanged");
}

TEST(Search, IgnoringCaseUpperCasesTheSearchTextWithAnsiRules) {
    struct Case {
        std::string typed;
        bool ignoreCase;
        int hit;  // -1: none
        std::string shown;
    };
    const Case cases[] = {
        {"achse", true, 0, "ACHSE"},
        {"achse", false, -1, "achse"},
        {"sp\xE4ne", true, 1, "SP\xC4NE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + (c.ignoreCase ? " ignoring case" : ""));
        Rig rig({{"1", "Achse nicht referenziert"}, {"2", "SP\xC4NEF\xD6RDERER"}});
        rig.dialog.done(c.typed, c.ignoreCase);
        rig.search.newSearch();
        EXPECT_EQ(rig.table.selected, c.hit);
        EXPECT_EQ(rig.boxes.shown.size(), c.hit < 0 ? 1u : 0u);
        EXPECT_EQ(rig.window.searchText, c.shown);
        // The next dialog opens with the text as it is kept.
        rig.search.newSearch();
        EXPECT_EQ(rig.dialog.presets.back(), c.shown);
    }
}

TEST(Search, ContinueAsksToStartAgainAfterTheLastHit) {
    Rig rig(kAxisRows);
    rig.dialog.done("Achse", false);
    rig.search.newSearch();
    rig.search.continueSearch();
    EXPECT_EQ(rig.table.selected, 3);
    EXPECT_EQ(rig.markedRows(), (std::vector<int>{1, 3}));

    rig.boxes.answers = {mb::kIdYes};
    rig.search.continueSearch();
    ASSERT_EQ(rig.boxes.shown.size(), 1u);
    EXPECT_EQ(rig.boxes.shown[0].text, kAgainText);
    EXPECT_EQ(rig.boxes.shown[0].flags, kQuestionFlags);
    EXPECT_EQ(rig.table.selected, 1);
    EXPECT_EQ(rig.table.scrolls.back(), 1);
    EXPECT_EQ(rig.markedRows(), (std::vector<int>{1, 3}));
    rig.search.onTableEvent();
    EXPECT_EQ(rig.window.searchStatus.rfind("Suche erfolgreich auf Zeile: 2 /", 0), 0u);

    rig.search.continueSearch();
    EXPECT_EQ(rig.table.selected, 3);
    rig.search.onTableEvent();
    const auto scrolls = rig.table.scrolls;
    const auto colours = rig.table.colours;
    rig.window.searchStatus = "unchanged";
    rig.search.continueSearch();  // unscripted: No
    EXPECT_EQ(rig.boxes.shown.size(), 2u);
    EXPECT_EQ(rig.table.selected, 3);
    EXPECT_EQ(rig.table.scrolls, scrolls);
    EXPECT_EQ(rig.table.colours, colours);
    rig.search.onTableEvent();
    EXPECT_EQ(rig.window.searchStatus, "unchanged");
}

TEST(Search, ContinueDoesNothingBeforeAnySearchOrAfterALoad) {
    Rig fresh(kAxisRows);
    fresh.search.continueSearch();
    EXPECT_TRUE(fresh.boxes.shown.empty());
    EXPECT_TRUE(fresh.table.scrolls.empty());
    EXPECT_EQ(fresh.table.selected, -1);

    Rig loaded(kAxisRows);
    loaded.dialog.done("achse", true);
    loaded.search.newSearch();
    loaded.search.resetForLoad();
    EXPECT_EQ(loaded.search.searchText(), "");
    EXPECT_FALSE(loaded.search.ignoreCase());
    const auto scrolls = loaded.table.scrolls;
    loaded.search.continueSearch();
    EXPECT_TRUE(loaded.boxes.shown.empty());
    EXPECT_EQ(loaded.table.scrolls, scrolls);
    // The hit of the search before the load is not reported over the reset status.
    loaded.window.searchStatus = "Suchfunktion nicht aktiv";
    loaded.search.onTableEvent();
    EXPECT_EQ(loaded.window.searchStatus, "Suchfunktion nicht aktiv");
}

TEST(Search, CancelKeepsTheEarlierTextAndSearchesAgainOnlyTouchingTheHits) {
    std::vector<Row> rows(1000, Row{"1", "Spindel"});
    for (int hit : {10, 500, 999}) rows[hit].text = "Achse";
    Rig rig(rows);
    rig.dialog.done("Achse", false);
    rig.search.newSearch();
    rig.search.continueSearch();
    EXPECT_EQ(rig.table.selected, 500);

    rig.table.setRowColour(20, kMarkingRed);  // marks are not cleared by a cancelled dialog
    rig.table.colourCalls = 0;
    rig.table.scrolls.clear();
    rig.dialog.cancel(false);
    rig.search.newSearch();

    EXPECT_EQ(rig.dialog.presets.back(), "Achse");
    EXPECT_EQ(rig.search.searchText(), "Achse");
    EXPECT_EQ(rig.table.selected, 10);
    EXPECT_EQ(rig.markedRows(), (std::vector<int>{10, 20, 500, 999}));
    // Marking costs one colour per hit and one scroll, not one per row or per hit.
    EXPECT_EQ(rig.table.colourCalls, 3);
    EXPECT_EQ(rig.table.scrolls, std::vector<int>{10});
    EXPECT_TRUE(rig.continueEnabled());
}

TEST(Search, DialogWithoutTextEndsTheSearch) {
    struct Case {
        const char* name;
        void (*script)(testing::ScriptedSearchDialog&);
    };
    const Case cases[] = {
        {"cancelled, no earlier text", [](testing::ScriptedSearchDialog& d) { d.cancel(true); }},
        {"done with an empty field", [](testing::ScriptedSearchDialog& d) { d.done("", true); }},
        {"window not opened", [](testing::ScriptedSearchDialog& d) { d.failToOpen(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig(kAxisRows);
        rig.window.enabled[MenuItem::ContinueSearch] = true;
        c.script(rig.dialog);
        rig.search.newSearch();
        EXPECT_FALSE(rig.continueEnabled());
        EXPECT_EQ(rig.search.searchText(), "");
        EXPECT_TRUE(rig.boxes.shown.empty());
        EXPECT_EQ(rig.table.selected, -1);
        rig.search.continueSearch();
        EXPECT_TRUE(rig.boxes.shown.empty());
    }
}

TEST(Search, NoHitIsReportedAndLeavesTheTableAtItsEnd) {
    for (int rowCount : {30, 0}) {
        SCOPED_TRACE(rowCount);
        Rig rig(std::vector<Row>(rowCount, Row{"1", "Spindel"}));
        rig.dialog.done("Achse", false);
        rig.search.newSearch();
        ASSERT_EQ(rig.boxes.shown.size(), 1u);
        EXPECT_EQ(rig.boxes.shown[0].text, kNoHitText);
        EXPECT_EQ(rig.boxes.shown[0].flags, kInformationFlags);
        EXPECT_EQ(rig.table.topRow, rowCount > 20 ? rowCount - 20 : 0);
        EXPECT_EQ(rig.table.selected, -1);
        EXPECT_TRUE(rig.markedRows().empty());
        rig.search.onTableEvent();
        EXPECT_EQ(rig.window.searchStatus, "Suchfunktion nicht aktiv");
    }
}

TEST(Search, ClearMarksRestoresShadingAndContinueGoesOnFromTheLastHit) {
    Rig rig(kAxisRows);
    rig.dialog.done("Achse", false);
    rig.search.newSearch();
    rig.search.clearMarks();
    EXPECT_EQ(rig.table.colours, (std::vector<Colour>{kMint, kWhite, kMint, kWhite, kMint}));
    EXPECT_EQ(rig.search.searchText(), "Achse");

    rig.search.continueSearch();
    EXPECT_EQ(rig.table.selected, 3);
    EXPECT_EQ(rig.markedRows(), std::vector<int>{3});
}

TEST(Search, PresetIsCutButATakenOverTextIsSearchedWhole) {
    const std::string longText = "Achse 1 Konturueberwachung: Schleppabstand zu gross, Antrieb pruefen bitte jetzt";
    ASSERT_GT(longText.size(), 50u);
    const std::string first50 = longText.substr(0, 50);
    Rig rig({{"1", first50 + " anders"}, {"2", longText}});

    rig.table.selectRow(1);
    EXPECT_EQ(takeOverSelectedText(rig.table), longText);
    rig.table.selectRow(-1);
    EXPECT_EQ(takeOverSelectedText(rig.table), "Fehlertext");

    rig.dialog.done(longText, false);
    rig.search.newSearch();
    EXPECT_EQ(rig.search.searchText(), longText);
    EXPECT_EQ(rig.markedRows(), std::vector<int>{1});

    rig.search.newSearch();
    EXPECT_EQ(rig.dialog.presets.back(), first50);
}

TEST(Search, ScrollingLeavesSelectionAndMarksAlone) {
    Rig rig(std::vector<Row>(10030, Row{"1", "Spindel"}));
    rig.table.selectRow(5);
    rig.table.setRowColour(7, kMarkingRed);
    const auto colours = rig.table.colours;

    rig.search.scrollToEnd();  // a log longer than 10000 rows reaches its end too
    EXPECT_EQ(rig.table.topRow, 10030 - 20);
    rig.search.scrollToTop();
    EXPECT_EQ(rig.table.topRow, 0);
    EXPECT_EQ(rig.table.selected, 5);
    EXPECT_EQ(rig.table.colours, colours);
}

}  // namespace
}  // namespace karvelo

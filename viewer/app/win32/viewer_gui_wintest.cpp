// The real main window and search dialog in this process, driven through the viewer's
// commands as the main loop dispatches them; cells, colours, fields and menu states are
// read back from the controls. Message boxes and the file dialogs are scripted.
#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "common/testing/fixed_clock.hpp"
#include "common/testing/memory_file_system.hpp"
#include "common/testing/memory_key_value_store.hpp"
#include "common/testing/scripted_message_boxes.hpp"
#include "viewer/app/commands.hpp"
#include "viewer/app/testing/fake_main_window.hpp"
#include "viewer/app/testing/win32/gui_reading.hpp"
#include "viewer/app/win32/main_window_win32.hpp"
#include "viewer/app/win32/search_dialog_win32.hpp"

namespace karvelo {
namespace {

using testing::pump;
constexpr auto text = testing::windowText;
constexpr auto cell = testing::listText;
constexpr auto enabled = testing::menuEnabled;


// The sample alarm log of the repository, read from the checkout.
std::string sampleLog() {
    return makeSystemFileSystem()->readFile(KARVELO_SAMPLE_LOG).value_or("");
}

// What the dialog does once it is shown: set the text, tick or clear "ignore case",
// then press a button (or keys).
struct DialogScript {
    std::function<void(HWND)> act;
    static void shown(void* self, HWND dialog) { static_cast<DialogScript*>(self)->act(dialog); }
};

class Viewer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.create(GetModuleHandleA(nullptr), fonts, 0, 0, 800, 600, false));
        ShowWindow(window.handle(), SW_SHOW);
        registry.RegistryCreateKey(kCurrentUser, "Software\\Brenmoor\\KarveloRead\\");
        files.putFile("D:\\Logs\\Alarmlog.com", sampleLog());
        searchDialog.context = &script;
        searchDialog.onShown = DialogScript::shown;
        pump();
    }
    void TearDown() override { DestroyWindow(window.handle()); }

    // Lets the dialog's own loop see the clicks posted to it.
    static void click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

    MainWindowFonts fonts = createViewerFonts(96);  // before the dialog that uses it
    Win32MainWindow window;
    testing::ScriptedFileDialogs dialogs;
    testing::ScriptedMessageBoxes boxes;
    ViewerMessages messages{boxes};
    testing::MemoryKeyValueStore store;
    HelperError error;
    RegistryHelper registry{store, error};
    testing::MemoryFileSystem files;
    testing::FixedClock clock;
    DialogScript script;
    Win32SearchDialog searchDialog{window.handle(), window.alarmTable(), fonts.normal};
    ViewerCommands commands{window, dialogs, searchDialog, messages, registry, files, clock};
};

TEST_F(Viewer, LoadShowsShadedRowsAndEnablesTheMenu) {
    dialogs.answers = {"D:\\Logs\\Alarmlog.com"};
    commands.dispatch(kCmdLoad);
    pump();
    HWND list = window.alarmListHandle();
    ASSERT_EQ(ListView_GetItemCount(list), 7);
    EXPECT_EQ(cell(list, 0, 2), "700012");
    EXPECT_EQ(cell(list, 5, 6), "Sp\xE4nef\xF6rderer \xDC" "berlast (Motorschutzschalter Q23)");
    EXPECT_EQ(cell(list, 5, 4), " / ");
    EXPECT_EQ(text(window.control(Win32MainWindow::kIdFileName)), "D:\\Logs\\Alarmlog.com");
    EXPECT_EQ(text(window.control(Win32MainWindow::kIdHead)).substr(0, 14), "ALARMPROTOKOLL");
    auto& table = static_cast<Win32AlarmTable&>(window.alarmTable());
    EXPECT_EQ(table.colourOf(0), kMint);
    EXPECT_EQ(table.colourOf(1), kWhite);
    for (int item : {kCmdSaveAsText, kCmdPrintAll, kCmdPrintRange}) EXPECT_TRUE(enabled(window.handle(), item));
    EXPECT_FALSE(enabled(window.handle(), kCmdContinueSearch));

    // A click below the last row clears the selection: the detail line shows the titles.
    window.alarmTable().selectRow(2);
    commands.tableEvent();
    EXPECT_EQ(text(window.control(Win32MainWindow::kIdDetailNumber)), "10208");
    window.alarmTable().selectRow(-1);
    commands.tableEvent();
    EXPECT_EQ(text(window.control(Win32MainWindow::kIdDetailText)), "Fehlertext");

    // A cancelled load afterwards leaves the window without a file.
    commands.dispatch(kCmdLoad);
    EXPECT_EQ(ListView_GetItemCount(list), 0);
    EXPECT_EQ(text(window.control(Win32MainWindow::kIdFileName)), "kein File geladen");
    EXPECT_EQ(boxes.shown.back().text, "Laden vom Benutzer abgebrochen.");
    EXPECT_FALSE(enabled(window.handle(), kCmdSaveAsText));
}

TEST_F(Viewer, SearchThroughTheRealDialog) {
    dialogs.answers = {"D:\\Logs\\Alarmlog.com"};
    commands.dispatch(kCmdLoad);
    script.act = [](HWND dialog) {
        SetDlgItemTextA(dialog, Win32SearchDialog::kIdText, "achse");
        click(dialog, Win32SearchDialog::kIdDone);
    };
    commands.dispatch(kCmdNewSearch);
    pump();
    auto& table = static_cast<Win32AlarmTable&>(window.alarmTable());
    EXPECT_EQ(window.alarmTable().selectedRow(), 1);  // "Achse X1 Hardwarefehler"
    EXPECT_EQ(table.colourOf(1), kMarkingRed);
    EXPECT_EQ(table.colourOf(0), kMint);
    EXPECT_EQ(text(window.control(Win32MainWindow::kIdSearchText)), "ACHSE");
    EXPECT_TRUE(enabled(window.handle(), kCmdContinueSearch));
    commands.tableEvent();
    EXPECT_EQ(text(window.control(Win32MainWindow::kIdSearchStatus)),
              "Suche erfolgreich auf Zeile: 2 / weiter suchen F3 / neue Suche F2 / oder Men\xFC");

    // F3 after the only hit asks to start again; No changes nothing.
    boxes.answers = {mb::kIdNo};
    commands.dispatch(kCmdContinueSearch);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().flags & 0xF, mb::kYesNo);
    EXPECT_EQ(table.colourOf(1), kMarkingRed);
    commands.dispatch(kCmdClearMarks);
    EXPECT_EQ(table.colourOf(1), kWhite);

    // Take over the selected row's text with the check box, then Return twice.
    window.alarmTable().selectRow(3);
    script.act = [](HWND dialog) {
        click(dialog, Win32SearchDialog::kIdTakeOver);
        CheckDlgButton(dialog, Win32SearchDialog::kIdIgnoreCase, BST_UNCHECKED);
        HWND edit = GetDlgItem(dialog, Win32SearchDialog::kIdText);
        PostMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageA(GetDlgItem(dialog, Win32SearchDialog::kIdDone), WM_KEYDOWN, VK_RETURN, 0);
    };
    commands.dispatch(kCmdNewSearch);
    EXPECT_EQ(commands.search().searchText(), "K\xFChlmitteldruck zu niedrig");
    EXPECT_EQ(window.alarmTable().selectedRow(), 3);
}

// Drops a file onto the window the way the shell does.
void dropFile(HWND window, const std::string& path) {
    const SIZE_T size = sizeof(DROPFILES) + path.size() + 2;
    HGLOBAL memory = GlobalAlloc(GHND, size);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), path.c_str(), path.size());
    GlobalUnlock(memory);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
}

TEST_F(Viewer, DroppedFilesLoadWithTheLoadsChecks) {
    window.context = &commands;
    window.onDropFile = [](void* c, const std::string& path) { static_cast<ViewerCommands*>(c)->openFile(path); };
    dropFile(window.handle(), "D:\\Logs\\Alarmlog.com");
    EXPECT_EQ(ListView_GetItemCount(window.alarmListHandle()), 7);
    EXPECT_TRUE(dialogs.calls.empty());  // no open dialog
    files.putFile("D:\\Logs\\notiz.txt", "x");
    dropFile(window.handle(), "D:\\Logs\\notiz.txt");
    EXPECT_EQ(ListView_GetItemCount(window.alarmListHandle()), 0);
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(boxes.shown.back().text, "Das File ist keine *.com Datei.");
}

TEST_F(Viewer, AlarmTextFileTakesTheTablePlace) {
    files.putFile("D:\\Texte\\alarmtexte.com",
                  "; Alarmtexte\r\n10000 0 0 \"Achse nicht referenziert\"\r\n700012 0 0 \"Schutzt\xFCr offen\"\r\n"
                  "ohne Anfuehrungszeichen\r\n");
    dialogs.answers = {"D:\\Texte\\alarmtexte.com"};
    commands.dispatch(kCmdViewErrorTexts);
    pump();
    HWND list = window.errorTextListHandle();
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_FALSE(IsWindowVisible(window.alarmListHandle()));
    ASSERT_EQ(ListView_GetItemCount(list), 2);
    EXPECT_EQ(cell(list, 0, 1), "10000");
    EXPECT_EQ(cell(list, 0, 2), "Achse nicht referenziert");
    EXPECT_EQ(cell(list, 1, 2), "Schutzt\xFCr offen");
}

// Keep windows open for screenshots taken from outside (scripts/screenshots.sh).
void holdForScreenshot() {
    const char* seconds = std::getenv("KARVELO_SHOW_SECONDS");
    const DWORD until = GetTickCount() + 1000 * (seconds ? std::atoi(seconds) : 5);
    while (GetTickCount() < until) {
        pump();
        Sleep(20);
    }
}

TEST_F(Viewer, DISABLED_SearchDialogForScreenshot) {
    dialogs.answers = {"D:\\Logs\\Alarmlog.com"};
    commands.dispatch(kCmdLoad);
    window.alarmTable().selectRow(0);
    commands.tableEvent();
    script.act = [](HWND dialog) {
        SetDlgItemTextA(dialog, Win32SearchDialog::kIdText, "Achse");
        holdForScreenshot();
        click(dialog, Win32SearchDialog::kIdCancel);
    };
    commands.dispatch(kCmdNewSearch);
}

TEST_F(Viewer, DISABLED_AlarmTextsForScreenshot) {
    files.putFile("D:\\Texte\\alarmtexte.com", makeSystemFileSystem()->readFile(KARVELO_SAMPLE_TEXTS).value_or(""));
    dialogs.answers = {"D:\\Texte\\alarmtexte.com"};
    commands.dispatch(kCmdViewErrorTexts);
    holdForScreenshot();
}

}  // namespace
}  // namespace karvelo

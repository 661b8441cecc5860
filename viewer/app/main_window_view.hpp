#pragma once
// The main window as the viewer's logic sees it: the alarm table, the alarm-text table,
// the text fields of the panel and the menu items' enabled states. The Win32 window
// implements it; tests use testing::FakeMainWindow.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "viewer/core/alarm_log.hpp"

namespace karvelo {

// 24-bit colours, red in the low byte.
using Colour = std::uint32_t;
constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return r | (g << 8) | (static_cast<Colour>(b) << 16);
}
inline constexpr Colour kWhite = rgb(255, 255, 255);
inline constexpr Colour kMint = rgb(140, 240, 220);         // every other row
inline constexpr Colour kMarkingRed = rgb(240, 100, 100);   // search hits

// Command numbers of the menu items and keys.
enum CommandId : int {
    kCmdLoad = 100,
    kCmdSaveAsText,
    kCmdExit,
    kCmdNewSearch,
    kCmdContinueSearch,
    kCmdScrollTop,
    kCmdScrollEnd,
    kCmdClearMarks,
    kCmdPrintAll,
    kCmdPrintRange,
    kCmdAbout,
    kCmdChangeLog,
    kCmdToDoList,
    kCmdHelp,
    kCmdEditErrorTexts,
    kCmdViewErrorTexts,
    kCmdProgramUpdate,
    kCmdRegisterFileType,
    kCmdReturn,
};

// Menu items whose enabled state the logic changes.
enum class MenuItem { ContinueSearch, PrintAll, PrintRange, SaveAsText, ProgramUpdate, RegisterFileType };

// One pair of the alarm-text table.
struct ErrorTextRow {
    std::string alarmNo;
    std::string text;
    friend bool operator==(const ErrorTextRow&, const ErrorTextRow&) = default;
};

class AlarmTable {
public:
    virtual ~AlarmTable() = default;
    virtual int rowCount() = 0;
    // Column 1..6 of a row (AlarmRecord order); row -1 gives the column titles; a row at or
    // beyond the end gives empty texts. The view is valid until the table changes; reading
    // a cell copies nothing, which keeps a search over many rows cheap.
    virtual std::string_view cell(int row, int column) = 0;
    virtual void clear() = 0;
    // Appends the records as rows, shaded alternately mint (odd running numbers) and white.
    virtual void setRecords(std::vector<AlarmRecord> records) = 0;
    virtual void setRowColour(int row, Colour colour) = 0;
    virtual int selectedRow() = 0;  // -1 when none
    virtual void selectRow(int row) = 0;
    // Brings the row to the top as far as the table can scroll (10000 scrolls to the end).
    virtual void scrollRowToTop(int row) = 0;
    virtual void focus() = 0;
};

class MainWindowView;

// The detail line for the table's selected row (the column titles when none is selected).
void showSelectedRow(MainWindowView& window);

class MainWindowView {
public:
    virtual ~MainWindowView() = default;
    virtual AlarmTable& alarmTable() = 0;
    virtual void setErrorTexts(std::vector<ErrorTextRow> rows) = 0;
    // Exactly one of the two tables is visible.
    virtual void showAlarmTable() = 0;
    virtual void showErrorTextTable() = 0;

    virtual void setFileName(std::string_view text) = 0;
    virtual void setHead(std::string_view text) = 0;
    virtual void setDetail(std::string_view row, std::string_view alarmNo, std::string_view text) = 0;
    virtual void setDetailRow(std::string_view row) = 0;
    virtual void setSearchStatus(std::string_view text) = 0;
    virtual void setSearchText(std::string_view text) = 0;
    virtual void enableMenuItem(MenuItem item, bool enabled) = 0;
};

}  // namespace karvelo

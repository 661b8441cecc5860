#pragma once
// The viewer's main window on Win32: menu, a fixed 790 x 490 panel in a scroll area, the
// alarm table as a virtual list view with one background colour per row, the alarm-text
// table in the same place, the detail line and the search fields.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "viewer/app/main_window_view.hpp"
#include "viewer/app/settings.hpp"

namespace karvelo {

struct MainWindowFonts {
    HFONT normal = nullptr;     // font 1
    HFONT bold = nullptr;       // font 2
    HFONT underline = nullptr;  // font 3
    int rowHeight = 14;         // pixels of one table row
};

class Win32AlarmTable final : public AlarmTable {
public:
    void attach(HWND list, int rowHeight) {
        list_ = list;
        rowHeight_ = rowHeight;
    }
    HWND handle() const { return list_; }

    int rowCount() override { return static_cast<int>(rows_.size()); }
    std::string_view cell(int row, int column) override;
    void clear() override;
    void setRecords(std::vector<AlarmRecord> records) override;
    void setRowColour(int row, Colour colour) override;
    int selectedRow() override;
    void selectRow(int row) override;
    void scrollRowToTop(int row) override;
    void focus() override { SetFocus(list_); }

    // Window-procedure helpers: the text of a cell asked for by the list view, and the
    // colour of a row drawn by it.
    const std::string& textFor(int row, int column) const;
    Colour colourOf(int row) const { return row >= 0 && row < static_cast<int>(colours_.size()) ? colours_[row] : kWhite; }

private:
    HWND list_ = nullptr;
    int rowHeight_ = 14;
    std::vector<AlarmRecord> rows_;
    std::vector<Colour> colours_;
};

class Win32MainWindow final : public MainWindowView {
public:
    Win32MainWindow() = default;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;
    ~Win32MainWindow() override;

    // Creates the window (hidden) at the frame position with the given inner size.
    bool create(HINSTANCE instance, const MainWindowFonts& fonts, int left, int top, int innerWidth,
                int innerHeight, bool developmentBuild);
    HWND handle() const { return window_; }
    HACCEL accelerators() const { return accelerators_; }
    HWND alarmListHandle() const { return table_.handle(); }
    HWND errorTextListHandle() const { return errorList_; }
    HWND control(int id) const { return GetDlgItem(panel_, id); }

    // Called for commands and table events; set by the viewer's main loop.
    void (*onCommand)(void* context, int command) = nullptr;
    void (*onTableEvent)(void* context) = nullptr;
    void (*onClose)(void* context) = nullptr;
    void (*onDropFile)(void* context, const std::string& path) = nullptr;
    void* context = nullptr;

    // Frame position and inner size (menu bar included), as the settings keep them.
    WindowPlacement placement() const;

    // MainWindowView
    AlarmTable& alarmTable() override { return table_; }
    void setErrorTexts(std::vector<ErrorTextRow> rows) override;
    void showAlarmTable() override;
    void showErrorTextTable() override;
    void setFileName(std::string_view text) override { setText(kIdFileName, text); }
    void setHead(std::string_view text) override { setText(kIdHead, text); }
    void setDetail(std::string_view row, std::string_view alarmNo, std::string_view text) override;
    void setDetailRow(std::string_view row) override { setText(kIdDetailRow, row); }
    void setSearchStatus(std::string_view text) override { setText(kIdSearchStatus, text); }
    void setSearchText(std::string_view text) override { setText(kIdSearchText, text); }
    void enableMenuItem(MenuItem item, bool enabled) override;

    // Control numbers of the panel.
    enum : int {
        kIdFileName = 10,
        kIdHead,
        kIdAlarmList,
        kIdErrorTextList,
        kIdDetailRow,
        kIdDetailNumber,
        kIdDetailText,
        kIdSearchStatus,
        kIdSearchCaption,
        kIdSearchSeparator,
        kIdSearchText,
    };

private:
    static LRESULT CALLBACK frameProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK scrollProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK panelProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT handleNotify(NMHDR* header);
    void buildMenu(bool developmentBuild);
    void buildPanel();
    void resizeContent(int innerWidth, int innerHeight);
    void scrollBy(int bar, int code, int thumb);
    void setText(int id, std::string_view text);
    // Background brushes of the panel's controls, made once per colour.
    HBRUSH brushFor(COLORREF colour);

    HWND window_ = nullptr;
    HWND scroller_ = nullptr;
    HWND panel_ = nullptr;
    HWND errorList_ = nullptr;
    HMENU menu_ = nullptr;
    HACCEL accelerators_ = nullptr;
    MainWindowFonts fonts_;
    Win32AlarmTable table_;
    std::vector<ErrorTextRow> errorTexts_;
    int scrollX_ = 0, scrollY_ = 0;
    std::map<COLORREF, HBRUSH> brushes_;
};

// The standard fonts of the viewer ("Arial" 8 points scaled by 96 / dpi); the row height
// is the height of "Tgp" plus 1.
MainWindowFonts createViewerFonts(int dpi);

}  // namespace karvelo

#pragma once
// The main window in memory: rows, colours, fields, menu states; and scripted dialogs.
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "viewer/app/dialogs.hpp"
#include "viewer/app/main_window_view.hpp"

namespace karvelo::testing {

class FakeAlarmTable final : public AlarmTable {
public:
    std::vector<AlarmRecord> rows;
    std::vector<Colour> colours;
    int selected = -1;
    int topRow = 0;
    bool focused = false;
    std::vector<int> scrolls;  // every row brought to the top, in order
    int colourCalls = 0;       // setRowColour calls, to see what marking costs

    int rowCount() override { return static_cast<int>(rows.size()); }
    std::string_view cell(int row, int column) override;
    void clear() override;
    void setRecords(std::vector<AlarmRecord> records) override;
    void setRowColour(int row, Colour colour) override;
    int selectedRow() override { return selected; }
    void selectRow(int row) override;
    void scrollRowToTop(int row) override;
    void focus() override { focused = true; }
};

class FakeMainWindow final : public MainWindowView {
public:
    FakeAlarmTable table;
    std::vector<ErrorTextRow> errorTexts;
    bool alarmTableVisible = true;
    std::string fileName = "kein File geladen";
    std::string head;
    std::string detailRow = "keine Auswahl", detailNumber = "keine Auswahl", detailText = "keine Auswahl";
    std::string searchStatus = "Suchfunktion nicht aktiv";
    std::string searchText = "kein Text";
    std::map<MenuItem, bool> enabled = {
        {MenuItem::ContinueSearch, false}, {MenuItem::PrintAll, false},     {MenuItem::PrintRange, false},
        {MenuItem::SaveAsText, false},     {MenuItem::ProgramUpdate, true}, {MenuItem::RegisterFileType, false}};

    AlarmTable& alarmTable() override { return table; }
    void setErrorTexts(std::vector<ErrorTextRow> rows) override { errorTexts = std::move(rows); }
    void showAlarmTable() override { alarmTableVisible = true; }
    void showErrorTextTable() override { alarmTableVisible = false; }
    void setFileName(std::string_view text) override { fileName = text; }
    void setHead(std::string_view text) override { head = text; }
    void setDetail(std::string_view row, std::string_view number, std::string_view text) override {
        detailRow = row;
        detailNumber = number;
        detailText = text;
    }
    void setDetailRow(std::string_view row) override { detailRow = row; }
    void setSearchStatus(std::string_view text) override { searchStatus = text; }
    void setSearchText(std::string_view text) override { searchText = text; }
    void enableMenuItem(MenuItem item, bool on) override { enabled[item] = on; }
};

struct DialogCall {
    std::string kind;  // "open" or "folder"
    std::string title;
    std::string filter;
    std::string startFolder;
};

class ScriptedFileDialogs final : public FileDialogs {
public:
    std::deque<std::string> answers;  // paths or folders to return; empty text = cancel
    std::vector<DialogCall> calls;

    std::string openFile(std::string_view title, std::string_view filter, std::string_view startFolder) override;
    std::string chooseFolder(std::string_view title, std::string_view startFolder) override;

private:
    std::string next();
};

}  // namespace karvelo::testing
